// The settings program's command line: which window it is started to show, and what it refuses
// before anything reaches the host.
#include "widgethost/settings/settings_request.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillon::widgethost {
namespace {

QStringList commandLine(const std::vector<QString>& arguments)
{
    QStringList line {"quillon-widget-settings"};
    for (const QString& argument : arguments)
        line << argument;
    return line;
}

TEST(SettingsRequest, NamesTheGalleryOrTheEditorOfOneWidget)
{
    using Window = SettingsRequest::Window;
    struct Case {
        std::vector<QString> arguments;
        SettingsRequest expected;
    };
    const Case cases[] = {
        {{}, {Window::gallery, {}}}, // started by hand
        {{"--gallery"}, {Window::gallery, {}}},
        {{"--edit", "4021-3"}, {Window::editor, "4021-3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commandLine(c.arguments).join(' ').toStdString());
        QString problem;
        const auto request = settingsRequestOf(commandLine(c.arguments), problem);
        ASSERT_TRUE(request) << problem.toStdString();
        EXPECT_EQ(*request, c.expected);
    }
}

TEST(SettingsRequest, RefusesWhatTheHostWouldNotHaveAskedForAndSaysWhy)
{
    struct Case {
        std::vector<QString> arguments;
        std::string said;
    };
    const Case cases[] = {
        {{"--edit"}, "needs the id"},
        {{"--edit", ""}, "no widget's id"},
        {{"--edit", "12-3; rm -rf ~"}, "no widget's id"},
        {{"--edit", QString(65, '7')}, "no widget's id"}, // longer than any id the host gives
        {{"--gallery", "--edit", "12-3"}, "one window at a time"},
        {{"--edit", "12-3", "--edit", "12-4"}, "one window at a time"},
        {{"--list"}, "unknown argument '--list'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commandLine(c.arguments).join(' ').toStdString());
        QString problem;
        EXPECT_FALSE(settingsRequestOf(commandLine(c.arguments), problem));
        EXPECT_NE(problem.toStdString().find(c.said), std::string::npos) << problem.toStdString();
    }
}

TEST(SettingsRequest, TakesOnlyWhatHasTheFormOfTheHostsIds)
{
    const std::pair<QString, bool> cases[] = {
        {"4021-3", true},
        {"1-1", true},
        {"", false},
        {"4021 3", false},
        {"../4021-3", false},
        {QString(64, '1'), true},
        {QString(65, '1'), false},
    };
    for (const auto& [id, taken] : cases) {
        SCOPED_TRACE(id.toStdString());
        EXPECT_EQ(couldBeWidgetId(id), taken);
    }
}

} // namespace
} // namespace quillon::widgethost
