// The editor's dates in each language's own order, with the year whole.
#include "widgethost/editor/editable_date_format.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace quillon::widgethost {
namespace {

TEST(EditableDateFormat, FollowsTheLocaleWithAWholeYear)
{
    const QDateTime newYear(QDate(2027, 1, 1), QTime(0, 5));
    struct Case {
        const char* locale;
        const char* written;
    };
    const Case cases[] = {
        {"de_DE", "01.01.2027 00:05"},
        {"fr_FR", "01/01/2027 00:05"},
        {"es_ES", "1/1/2027 0:05"},
        {"ja_JP", "2027/01/01 0:05"},
        {"en_US", "1/1/2027 12:05 AM"},
    };
    for (const Case& c : cases) {
        const QLocale locale(QString::fromLatin1(c.locale));
        const QString format = editableDateTimeFormat(locale);
        SCOPED_TRACE(std::string(c.locale) + ": " + format.toStdString());
        EXPECT_EQ(locale.toString(newYear, format), QString::fromUtf8(c.written));
        EXPECT_EQ(QDateTime::fromString(QString::fromUtf8(c.written), format), newYear);
    }
}

} // namespace
} // namespace quillon::widgethost
