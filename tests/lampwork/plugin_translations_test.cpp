// The built plug-in speaks the user's language in any host: with its own catalogue where the host
// installed none, and without a second copy where the host installed the product's.
#include "platform/translations/installed_catalogues.h"
#include "platform/translations/translations.h"
#include "tests/support/built_catalogues.h"
#include "tests/support/scoped_environment.h"
#include "widget_plugin/widget_plugin.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPluginLoader>
#include <QPointer>

#include <string>

namespace quillon {
namespace {

using namespace widgethost;

// German, as the catalogue names the world board.
constexpr const char* kGermanWorldBoard = "Weltzeittafel";

// The application object is told of every catalogue installed or removed.
class LanguageChanges final : public QObject {
public:
    int count = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

// A host's application object, made in German, and the plug-in loaded into it.
class GermanHost : public ::testing::Test {
protected:
    WidgetPlugin* loadPlugin()
    {
        m_pluginObject = m_loader.instance();
        return qobject_cast<WidgetPlugin*>(m_pluginObject.data());
    }
    void deletePluginObject() { delete m_pluginObject.data(); }

    // Qt keeps the plug-in's object while the library is loaded; the next test's host needs its own.
    void TearDown() override { deletePluginObject(); }

    // Read before LC_ALL, LC_MESSAGES and LANG.
    testing::ScopedEnvironmentVariable m_language {"LANGUAGE", "de_DE.UTF-8"};
    int m_argc = 1;
    char m_name[5] = "host";
    char* m_argv[1] = {m_name};
    QCoreApplication m_application {m_argc, m_argv};
    QPluginLoader m_loader {QUILLON_LAMPWORK_PATH};
    QPointer<QObject> m_pluginObject;
};

std::string worldBoardNameInTheHost()
{
    return QCoreApplication::translate("quillon::DisplayNames", "World Board", "widget kind").toStdString();
}

TEST_F(GermanHost, ThePluginInstallsItsOwnCatalogueWhereTheHostHasNoneAndRemovesItWithItsObject)
{
    LanguageChanges changes;
    m_application.installEventFilter(&changes);
    ASSERT_EQ(worldBoardNameInTheHost(), "World Board");

    WidgetPlugin* plugin = loadPlugin();
    ASSERT_NE(plugin, nullptr) << m_loader.errorString().toStdString();
    EXPECT_EQ(plugin->widgets().front().displayName, kGermanWorldBoard);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(installedCatalogues().size(), 1);

    deletePluginObject();
    EXPECT_EQ(changes.count, 2);
    EXPECT_EQ(worldBoardNameInTheHost(), "World Board");
    EXPECT_TRUE(installedCatalogues().isEmpty());
}

TEST_F(GermanHost, ThePluginAddsNoSecondCopyOfTheCatalogueTheHostInstalled)
{
    ASSERT_EQ(installTranslations(testing::builtCatalogueFolders()), "de");
    const QStringList hostCatalogues = installedCatalogues();
    ASSERT_EQ(hostCatalogues.size(), 1);
    LanguageChanges changes;
    m_application.installEventFilter(&changes);

    WidgetPlugin* plugin = loadPlugin();
    ASSERT_NE(plugin, nullptr) << m_loader.errorString().toStdString();
    EXPECT_EQ(plugin->widgets().front().displayName, kGermanWorldBoard);
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(installedCatalogues(), hostCatalogues);

    // The host's catalogue stays when the plug-in goes.
    deletePluginObject();
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(worldBoardNameInTheHost(), kGermanWorldBoard);
}

} // namespace
} // namespace quillon
