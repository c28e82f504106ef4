// Each English name is listed for the translation tools, with what it names where one English word
// names two things ("Day").
#include "names/display_names.h"

#include <QCoreApplication>

#include <array>

namespace quillon {
namespace {

constexpr const char* kContext = "quillon::DisplayNames";

struct Name {
    const char* text;
    const char* what; // the disambiguation the translators see
};

constexpr std::array<Name, kAllWidgetKinds.size()> kKindNames {{
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "World Board", "widget kind"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Clock", "widget kind"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Day", "widget kind"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Progress", "widget kind"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Countdown", "widget kind"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Sign", "widget kind"),
}};

constexpr std::array<Name, kAllDotSizes.size()> kSizeNames {{
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Small", "display size"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Medium", "display size"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Large", "display size"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Extra Large", "display size"),
}};

constexpr std::array<Name, kAllProgressPeriods.size()> kPeriodNames {{
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Day", "progress period"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Week", "progress period"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Month", "progress period"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Year", "progress period"),
}};

// In the order of ThemeID, the names the theme table gives.
constexpr std::array<Name, kAllThemeIDs.size()> kThemeNames {{
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Midnight", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Obsidian", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Paper", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Matcha", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Lemon", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Sky", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Amber", "colour theme"),
    QT_TRANSLATE_NOOP3("quillon::DisplayNames", "Phosphor", "colour theme"),
}};

QString translated(const Name& name)
{
    return QCoreApplication::translate(kContext, name.text, name.what);
}

} // namespace

QString displayName(DotWidgetKind kind)
{
    return translated(kKindNames[static_cast<std::size_t>(kind)]);
}

QString displayName(DotSize size)
{
    return translated(kSizeNames[static_cast<std::size_t>(size)]);
}

QString displayName(ProgressPeriod period)
{
    return translated(kPeriodNames[static_cast<std::size_t>(period)]);
}

QString displayName(ThemeID theme)
{
    return translated(kThemeNames[static_cast<std::size_t>(theme)]);
}

} // namespace quillon
