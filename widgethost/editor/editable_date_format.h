// How the editor writes a date and time for the user to change: in the locale's own order and
// separators, as the studio writes them, but with the year whole, since a two-digit year cannot be
// typed into a far-off date unambiguously.
#pragma once

#include <QLocale>
#include <QString>

namespace quillon::widgethost {

// A QDateTimeEdit display format: the locale's short date, its year in four digits, then its short
// time ("dd.MM.yyyy HH:mm" in German, "yyyy/MM/dd H:mm" in Japanese, "M/d/yyyy h:mm AP" in US English).
QString editableDateTimeFormat(const QLocale& locale);

} // namespace quillon::widgethost
