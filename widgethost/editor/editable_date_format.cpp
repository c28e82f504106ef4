// The locale's short formats, with a whole year.
#include "widgethost/editor/editable_date_format.h"

#include <QRegularExpression>

namespace quillon::widgethost {

QString editableDateTimeFormat(const QLocale& locale)
{
    QString date = locale.dateFormat(QLocale::ShortFormat);
    // A run of one to three y's is a short year; four or more are a whole one already.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,3}(?!y)"));
    date.replace(shortYear, QStringLiteral("yyyy"));
    return date + QLatin1Char(' ') + locale.timeFormat(QLocale::ShortFormat);
}

} // namespace quillon::widgethost
