// The settings column over a real model: what each kind shows, and what each control writes.
#include "names/display_names.h"
#include "names/dot_text_notes.h"
#include "platform/translations/translations.h"
#include "studio/controls/form_section.h"
#include "studio/controls/growing_text_edit.h"
#include "studio/controls/popover.h"
#include "studio/dates/countdown_date_picker.h"
#include "studio/dates/day_cell.h"
#include "studio/dates/month_calendar.h"
#include "studio/dates/rolling_title.h"
#include "studio/inspector/board_city_list.h"
#include "studio/inspector/city_picker.h"
#include "studio/inspector/city_row.h"
#include "studio/inspector/inspector_texts.h"
#include "studio/inspector/inspector_view.h"
#include "studio/model/studio_model.h"
#include "tests/support/accessibility_checks.h"
#include "tests/support/built_catalogues.h"
#include "tests/support/memory_state_store.h"
#include "tests/support/scoped_environment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>

using namespace quillon;

namespace {

class SilentReloader final : public TimelineReloader {
public:
    void reloadAllTimelines() override { }
};

// Saturday 5 December 2026, 14:30 UTC: the moment every test starts from.
constexpr Instant kNow = Instant::fromUnixSeconds(1796481000);

Instant at(int year, int month, int day, int hour, int minute)
{
    return Calendar(TimeZone::utc(), 1, 1).instantAt(CivilDate {year, month, day}, hour, minute, 0);
}

// The control of type T that the column names `name`, found as a screen reader's user meets it: in
// the column, not through the view's members. Without it nothing else of the test can be checked,
// so a missing one ends the run with its name.
template <typename T> T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no %s named \"%s\"", parent.metaObject()->className(), T::staticMetaObject.className(),
            name);
    return found;
}

QStringList actionTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

} // namespace

class InspectorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Dates are written the English way in UTC unless a test says otherwise.
        qputenv("LC_ALL", "en_US.UTF-8");
        qputenv("TZ", "UTC");
        // English's catalogue holds its plural forms ("in 1 day").
        QCOMPARE(installTranslations({"en"}, testing::builtCatalogueFolders()), QString("en"));
    }

    void init()
    {
        m_store = std::make_unique<testing::MemoryStateStore>();
        m_store->stored = StudioState::makeDefault(kNow, Calendar(TimeZone::utc(), 1, 1));
        m_store->stored.boardCities = {"los-angeles", "new-york", "london", "dubai"};
        m_model = std::make_unique<StudioModel>(*m_store, m_reloader, kNow);
        m_view = std::make_unique<InspectorView>(*m_model);
        m_view->resize(320, 700);
        m_view->show();
        QVERIFY2(QTest::qWaitForWindowExposed(m_view.get(), 20000), "the column was not shown within 20 s");
    }

    void cleanup()
    {
        m_view.reset();
        m_model.reset();
    }

    void eachKindShowsItsHeaderItsSectionsAndTheSyncNote()
    {
        const std::map<DotWidgetKind, std::size_t> sectionCounts {{DotWidgetKind::worldBoard, 3},
            {DotWidgetKind::clock, 3}, {DotWidgetKind::day, 1}, {DotWidgetKind::progress, 2},
            {DotWidgetKind::countdown, 3}, {DotWidgetKind::sign, 2}};
        for (DotWidgetKind kind : kAllWidgetKinds) {
            m_model->selectKind(kind);
            QCOMPARE(child<QLabel>(*m_view, "kindTitle")->text().toStdString(), std::string(title(kind)));
            QCOMPARE(child<QLabel>(*m_view, "kindDescription")->text().toStdString(),
                std::string(kindDescription(kind)));
            const std::vector<FormSection*> shown = sections();
            QCOMPARE(shown.size(), sectionCounts.at(kind));
            QCOMPARE(shown.back()->footer()->text(),
                QString("To give one widget its own theme or city, right-click it on the desktop and choose "
                        "Edit Widget."));
        }
        // The day kind has nothing of its own: no control of another kind is left behind.
        m_model->selectKind(DotWidgetKind::day);
        QVERIFY(m_view->findChildren<BoardCityList*>().isEmpty()
            && m_view->findChildren<GrowingTextEdit*>().isEmpty()
            && m_view->findChildren<QCheckBox*>().isEmpty());
    }

    void theTitleHintShowsFromThe33rdCharacterAndEveryKeystrokeIsWritten()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        GrowingTextEdit* field = child<GrowingTextEdit>(*m_view, "countdownTitle");
        QCOMPARE(field->placeholderText(), QString("New Year"));
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, QString(32, 'a'));
        QCOMPARE(m_model->state().countdownTitle, std::string(32, 'a'));
        QLabel* hint = child<QLabel>(*m_view, "countdownTitleHint");
        const QString longTitles("Long titles wrap onto more lines with smaller dots.");
        QVERIFY(!hint->text().contains(longTitles));
        QTest::keyClicks(field, "b");
        QCOMPARE(hint->text(), longTitles + '\n' + dotCharactersNote());
        QCOMPARE(m_store->stored.countdownTitle, std::string(32, 'a') + "b"); // saved at once
        // The field grows with the text but stops at three lines.
        QTest::keyClicks(field, QString(400, 'c'));
        QCOMPARE(field->visibleLines(), 3);
    }

    // The note's counting has tests of its own; here it follows the date and the clock.
    void theCountdownNoteFollowsTheDateAndTheClock()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(kNow + 36 * 3600);
        QVERIFY2(countdownNote().endsWith(QString::fromUtf8("\u00B7 in 1 day")), qPrintable(countdownNote()));
        // 13 hours on, the date is less than a day away.
        m_model->setNow(kNow + 13 * 3600);
        QVERIFY(countdownNote().endsWith(QString::fromUtf8("\u00B7 today")));
        // The date button writes weekday, day, month, year, hour and minute, in the studio's
        // 24-hour time.
        QCOMPARE(child<QPushButton>(*m_view, "countdownDate")->text(), QString("Mon, Dec 7, 2026, 02:30"));
    }

    // With 24-hour time on, as it is at first, the date button said "12:00 AM" while the picker's
    // time field said "00:00": both follow the studio's choice, as its clocks do, and the note too.
    void theDateButtonWritesTheHourAsThePickersTimeFieldDoes()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(at(2026, 12, 7, 0, 0));
        QVERIFY(m_model->state().use24h);
        QPushButton* dateButton = child<QPushButton>(*m_view, "countdownDate");
        dateButton->click();
        QTimeEdit* time = datePicker()->timeField();
        // ICU writes a narrow space before "AM" where Qt writes a space.
        const auto spaced = [](QString text) { return text.replace(QChar(0x202F), u' '); };
        QCOMPARE(time->text(), QString("00:00"));
        QCOMPARE(dateButton->text(), QString("Mon, Dec 7, 2026, 00:00"));
        QVERIFY2(
            countdownNote().startsWith("Monday, December 7, 2026 at 00:00"), qPrintable(countdownNote()));
        // 12-hour time, from the board or the clock: the picker, the button and the note follow.
        m_model->setUse24h(false);
        QCOMPARE(time->text(), QString("12:00 AM"));
        QCOMPARE(spaced(dateButton->text()), QString("Mon, Dec 7, 2026, 12:00 AM"));
        QVERIFY2(spaced(countdownNote()).startsWith("Monday, December 7, 2026 at 12:00 AM"),
            qPrintable(countdownNote()));
        // Read by its label and its date, once each.
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(dateButton);
        QCOMPARE(button->text(QAccessible::Name), dateButton->text());
        const auto labels = button->relations(QAccessible::Label);
        QVERIFY(labels.size() == 1 && labels.front().first->text(QAccessible::Name) == "Date");
        // In a 24-hour locale, 12-hour time is still 12-hour time.
        const testing::ScopedEnvironmentVariable german("LC_ALL", "de_DE.UTF-8");
        m_model->setCountdownDate(at(2026, 12, 7, 18, 5));
        QVERIFY2(spaced(dateButton->text()).endsWith("6:05 PM"), qPrintable(dateButton->text()));
        dateButton->click();
        QCOMPARE(datePicker()->timeField()->text(), QString("6:05 PM"));
    }

    void theBoardPickerOffersOnlyCitiesNotOnTheBoardAndAddsThePickLast()
    {
        child<QPushButton>(*m_view, "addCity")->click();
        CityPicker* picker = cityPicker();
        QVERIFY(picker && popover()->isVisible());
        QCOMPARE(popover()->accessibleName(), QString("Add City"));
        QVERIFY(picker->searchField()->hasFocus());
        QCOMPARE(picker->results().size(), City::search("").size() - 4);
        for (const City& city : picker->results())
            QVERIFY(city.id != "los-angeles" && city.id != "new-york" && city.id != "london"
                && city.id != "dubai");
        QTest::keyClicks(picker->searchField(), "Tokyo");
        QTest::keyClick(picker->searchField(), Qt::Key_Return);
        QCOMPARE(m_model->state().boardCities,
            (std::vector<std::string> {"los-angeles", "new-york", "london", "dubai", "tokyo"}));
        QVERIFY(!popover()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(child<BoardCityList>(*m_view, "boardCities")->count(), 5, 15000);
    }

    // Offsets are told at the studio's time, not the machine's clock: seven months on, Los Angeles
    // is on summer time whatever today is.
    void theClockPickerOffersEveryCityAtTheStudiosTimeAndReturnPicksTheFirstResult()
    {
        m_model->selectKind(DotWidgetKind::clock);
        QCOMPARE(child<CityRow>(*m_view, "clockCity")->city().id, std::string("local"));
        for (const auto& [now, offset] :
            {std::pair {kNow, QString("GMT-8")}, std::pair {kNow + 210 * 86400.0, QString("GMT-7")}}) {
            m_model->setNow(now);
            child<QPushButton>(*m_view, "changeClockCity")->click();
            CityPicker* picker = cityPicker();
            QTest::keyClicks(picker->searchField(), "Los Angeles");
            QVERIFY(picker->resultList()->count() > 0);
            const QString told = picker->resultList()->item(0)->data(Qt::AccessibleTextRole).toString();
            QVERIFY2(told.startsWith("Los Angeles") && told.endsWith(offset), qPrintable(told));
            popover()->hide();
        }
        child<QPushButton>(*m_view, "changeClockCity")->click();
        CityPicker* picker = cityPicker();
        QCOMPARE(picker->results().size(), City::search("").size());
        QCOMPARE(picker->results().front().id, std::string("local"));
        // No results: the placeholder names the search, and Return picks nothing.
        QTest::keyClicks(picker->searchField(), "zzqx");
        QVERIFY(picker->showsNoResults());
        QVERIFY(picker->noResultsText().contains(QString::fromUtf8("\u201Czzqx\u201D")));
        QTest::keyClick(picker->searchField(), Qt::Key_Return);
        QCOMPARE(m_model->state().clockCity, std::string("local"));
        QVERIFY(popover()->isVisible());
        picker->searchField()->setText("india");
        QTest::keyClick(picker->searchField(), Qt::Key_Return);
        QCOMPARE(m_model->state().clockCity, std::string("mumbai"));
        QCOMPARE(child<CityRow>(*m_view, "clockCity")->city().id, std::string("mumbai"));
        // The column was made again, and the keyboard is back on its button rather than nowhere.
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(*m_view, "changeClockCity"));
        QVERIFY(child<CityRow>(*m_view, "clockCity")->captionText().endsWith("GMT+5:30"));
    }

    void rowsMoveAndGoByTheirOwnEntryEvenWhenACityIsTwiceOnTheBoard()
    {
        BoardCityList* list = child<BoardCityList>(*m_view, "boardCities");
        QCOMPARE(list->count(), 4);
        const auto menuTexts = [list](int row) {
            std::unique_ptr<QMenu> menu(list->menuFor(row, nullptr));
            return actionTexts(*menu);
        };
        QCOMPARE(menuTexts(0), (QStringList {"Move Down", "Remove"}));
        QCOMPARE(menuTexts(1), (QStringList {"Move Up", "Move Down", "Remove"}));
        QCOMPARE(menuTexts(3), (QStringList {"Move Up", "Remove"}));
        std::unique_ptr<QMenu> first(list->menuFor(0, nullptr));
        first->actions().front()->trigger();
        QCOMPARE(m_model->state().boardCities.front(), std::string("new-york"));

        // London twice and a city the catalogue does not know: three rows, each for its entry.
        m_model->reorderBoardCities({}, 0);
        StudioState state = m_model->state();
        state.boardCities = {"london", "atlantis", "tokyo", "london"};
        m_model->setState(state);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 15000);
        QCOMPARE(list->entryAt(2), 3);
        auto* remove = list->rowAt(2)->findChild<QToolButton*>();
        QCOMPARE(remove->toolTip(), QString("Remove London"));
        remove->click();
        QCOMPARE(m_model->state().boardCities, (std::vector<std::string> {"london", "atlantis", "tokyo"}));
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 15000);
        // One row: neither move.
        state.boardCities = {"tokyo"};
        m_model->setState(state);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 1, 15000);
        QCOMPARE(menuTexts(0), (QStringList {"Remove"}));
        // From the keyboard: Alt+Down moves the highlighted row, which stays highlighted.
        state.boardCities = {"tokyo", "london", "dubai"};
        m_model->setState(state);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 3, 15000);
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(m_model->state().boardCities, (std::vector<std::string> {"london", "tokyo", "dubai"}));
        QTRY_COMPARE_WITH_TIMEOUT(list->rowAt(1) ? list->rowAt(1)->city().id : std::string("(no row)"),
            std::string("tokyo"), 15000);
        QCOMPARE(list->selectedItems().size(), qsizetype(1));
        QCOMPARE(list->row(list->selectedItems().front()), 1);
        state.boardCities = {"tokyo"};
        m_model->setState(state);
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 1, 15000);
        // From the keyboard: Delete removes the current row.
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(m_model->state().boardCities.empty());
    }

    void inANarrowColumnRowsAreAsTallAsTheirWrappedText()
    {
        m_view->resize(260, 700);
        m_model->setUse24h(false); // the widest time column
        QCoreApplication::processEvents(); // the narrower layout first, so the rows are measured in it
        BoardCityList* list = child<BoardCityList>(*m_view, "boardCities");
        // The rows that are shorter than their text needs, as "row: height < needed".
        const auto shortRows = [list] {
            QStringList rows;
            for (int row = 0; row < list->count(); ++row) {
                const CityRow* shown = list->rowAt(row);
                if (!shown) {
                    rows << QString("row %1: none").arg(row);
                    continue;
                }
                const int needed = shown->heightForWidth(list->viewport()->width());
                const int height = list->visualItemRect(list->item(row)).height();
                if (height < needed)
                    rows << QString("row %1: %2 < %3").arg(row).arg(height).arg(needed);
            }
            return rows.join("; ");
        };
        QCOMPARE_GT(list->count(), 0);
        QTRY_VERIFY2_WITH_TIMEOUT(shortRows().isEmpty(), qPrintable(shortRows()), 15000);
    }

    void dropsLandBeforeTheRowDroppedOnOrAfterIt()
    {
        // Rows for entries 0, 2 and 3 of a stored list of four (entry 1 has no row).
        const std::vector<int> entries {0, 2, 3};
        QCOMPARE(BoardCityList::dropDestination(entries, 1, false, 4), 2);
        QCOMPARE(BoardCityList::dropDestination(entries, 1, true, 4), 3);
        QCOMPARE(BoardCityList::dropDestination(entries, 2, true, 4), 4); // after the last row
        QCOMPARE(BoardCityList::dropDestination(entries, -1, false, 4), 4); // below every row
    }

    void theToggleAndThePeriodWriteTheirSettings()
    {
        QCheckBox* toggle = child<QCheckBox>(*m_view, "use24h");
        QCOMPARE(toggle->text(), QString("24-hour time"));
        QVERIFY(toggle->isChecked());
        toggle->click();
        QVERIFY(!m_model->state().use24h);
        const QString time = child<BoardCityList>(*m_view, "boardCities")->rowAt(0)->timeText();
        QVERIFY2(time.endsWith("AM") || time.endsWith("PM"), qPrintable(time));

        m_model->selectKind(DotWidgetKind::progress);
        QStringList labels;
        for (QAbstractButton* segment : periodSegments())
            labels << segment->text();
        QCOMPARE(labels, (QStringList {"Day", "Week", "Month", "Year"}));
        periodSegments()[1]->click();
        QCOMPARE(m_model->state().period, ProgressPeriod::week);
        m_model->setPeriod(ProgressPeriod::month);
        QVERIFY(periodSegments()[2]->isChecked());
    }

    void theSignMessageIsWrittenAsItIsTyped()
    {
        m_model->selectKind(DotWidgetKind::sign);
        GrowingTextEdit* field = child<GrowingTextEdit>(*m_view, "signMessage");
        QCOMPARE(field->visibleLines(), 3);
        field->selectAll();
        QTest::keyClicks(field, "GATE 12");
        QCOMPARE(m_model->state().signText, std::string("GATE 12"));
        m_model->setSignText("FROM ELSEWHERE");
        QCOMPARE(field->toPlainText(), QString("FROM ELSEWHERE"));
        QCOMPARE(sections().front()->footer()->text(), dotCharactersNote());
    }

    // Both fields whose text goes on the dots say which characters show, and what shows instead of
    // a text they cannot show as typed; a screen reader hears it as the field's description.
    void theTextFieldsSayWhatTheDotsMakeOfTheirText()
    {
        const auto footerAfterTyping
            = [this](DotWidgetKind kind, const char* fieldName, const QString& text) {
                  m_model->selectKind(kind);
                  GrowingTextEdit* field = child<GrowingTextEdit>(*m_view, fieldName);
                  field->selectAll();
                  // As an input method commits it: QTest types only Latin-1.
                  field->insertPlainText(text);
                  const QString footer = sections().front()->footer()->text();
                  return std::pair {footer, field->accessibleDescription()};
              };
        for (const auto& [kind, field] : {std::pair {DotWidgetKind::countdown, "countdownTitle"},
                 std::pair {DotWidgetKind::sign, "signMessage"}}) {
            const auto [accented, accentedDescription]
                = footerAfterTyping(kind, field, QString::fromUtf8("Año Nuevo"));
            QCOMPARE(accented,
                QString::fromUtf8("The dots show this as \u201CANO NUEVO\u201D.") + '\n'
                    + dotCharactersNote());
            QCOMPARE(accentedDescription, accented);
            QVERIFY(footerAfterTyping(kind, field, QString::fromUtf8("\u304A\u6B63\u6708"))
                        .first.startsWith("None of these characters show on the dots."));
            QCOMPARE(footerAfterTyping(kind, field, "Launch 2").first, dotCharactersNote());
        }
        // A title set elsewhere, by the settings record, brings its own note.
        m_model->setSignText("Caf\u00E9");
        QVERIFY(sections().front()->footer()->text().contains("CAFE"));
    }

    void theDatePickerWritesTheBoundDateFromEachOfItsControls()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(at(2026, 12, 31, 23, 59));
        child<QPushButton>(*m_view, "countdownDate")->click();
        QVERIFY(popover()->isVisible());
        QCOMPARE(popover()->accessibleName(), QString("Date"));
        CountdownDatePicker* picker = datePicker();
        QVERIFY(picker);
        MonthCalendar* calendar = picker->calendar();
        QCOMPARE(calendar->titleText(), QString("December 2026"));
        // Sunday first in the US: the grid starts on 29 November.
        QCOMPARE(calendar->cells().front()->number(), QString("29"));
        // Today is the earliest day: "Today", the previous month and earlier days are off.
        QVERIFY(!calendar->todayButton()->isEnabled());
        QVERIFY(!calendar->previousButton()->isEnabled());
        DayCell* fourth = calendar->cells()[5];
        QCOMPARE(fourth->number(), QString("4"));
        QVERIFY(!fourth->isEnabled());
        QCOMPARE(fourth->accessibleName(), QString("Friday, December 4, 2026"));

        // Picking the 20th keeps 23:59; picking 2 January turns the page.
        QTest::mouseClick(calendar->cells()[21], Qt::LeftButton);
        QCOMPARE(m_model->state().countdownDate, at(2026, 12, 20, 23, 59));
        QVERIFY(calendar->cells()[21]->isChecked());
        QTest::mouseClick(calendar->cells()[34], Qt::LeftButton);
        QCOMPARE(m_model->state().countdownDate, at(2027, 1, 2, 23, 59));
        QCOMPARE(calendar->titleText(), QString("January 2027"));
        QVERIFY(calendar->todayButton()->isEnabled());
        QVERIFY(calendar->previousButton()->isEnabled());

        // From the keyboard: arrows move the selection a day or a week, Return closes.
        calendar->setFocus();
        QTest::keyClick(calendar, Qt::Key_Right);
        QCOMPARE(m_model->state().countdownDate, at(2027, 1, 3, 23, 59));
        QTest::keyClick(calendar, Qt::Key_Up);
        QCOMPARE(m_model->state().countdownDate, at(2026, 12, 27, 23, 59));

        // The time field and the quick dates.
        picker->timeField()->setTime(QTime(8, 15));
        QCOMPARE(m_model->state().countdownDate, at(2026, 12, 27, 8, 15));
        picker->quickDateButton(QuickDate::tomorrow)->click();
        QCOMPARE(m_model->state().countdownDate, at(2026, 12, 6, 9, 0));
        QCOMPARE(picker->timeField()->time(), QTime(9, 0));
        QTest::keyClick(calendar, Qt::Key_Return);
        QVERIFY(!popover()->isVisible());
    }

    void aTargetInThePastOpensOnItsOwnMonth()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(at(2026, 9, 10, 12, 0));
        child<QPushButton>(*m_view, "countdownDate")->click();
        MonthCalendar* calendar = datePicker()->calendar();
        QCOMPARE(calendar->titleText(), QString("September 2026"));
        QVERIFY(!calendar->todayButton()->isEnabled());
        QVERIFY(!calendar->previousButton()->isEnabled());
        // The grid starts on Sunday 30 August: the 9th and the 10th are cells 10 and 11.
        QCOMPARE(calendar->cells()[11]->number(), QString("10"));
        QVERIFY(calendar->cells()[11]->isEnabled() && !calendar->cells()[10]->isEnabled());
        calendar->stepMonth(2);
        QCOMPARE(calendar->titleText(), QString("November 2026"));
        calendar->todayButton()->click();
        QCOMPARE(calendar->titleText(), QString("September 2026"));
    }

    // In every language the longest month's title shows whole beside or above the Today button
    // (French "septembre 2026" was cut by "Aujourd'hui").
    void noLanguagesMonthTitleIsCut()
    {
        for (const char* locale : {"en_US", "de_DE", "fr_FR", "es_ES", "ja_JP"}) {
            MonthCalendar calendar(Calendar(TimeZone::utc(), 1, 1), locale, at(2026, 1, 15, 12, 0),
                at(2026, 1, 1, 0, 0), at(2026, 1, 1, 0, 0));
            calendar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&calendar));
            auto* title = calendar.findChild<RollingTitle*>();
            QVERIFY(title);
            for (int month = 1; month <= 12; ++month) {
                const QString shown = calendar.titleText();
                QVERIFY2(title->width() >= title->sizeHint().width(),
                    qPrintable(QString("%1: \"%2\" needs %3 points and has %4")
                                   .arg(locale, shown)
                                   .arg(title->sizeHint().width())
                                   .arg(title->width())));
                QVERIFY(!title->geometry().intersects(calendar.todayButton()->geometry()));
                calendar.stepMonth(1);
            }
        }
    }

    void datesAreWrittenInTheUsersLocale()
    {
        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(at(2026, 12, 31, 18, 5));
        const std::map<QByteArray, QString> monthByLocale {{"en_US.UTF-8", "Dec"}, {"en_GB.UTF-8", "Dec"},
            {"de_DE.UTF-8", "Dez"}, {"ja_JP.UTF-8", "12\u6708"}};
        QSet<QString> texts;
        for (const auto& [locale, month] : monthByLocale) {
            const testing::ScopedEnvironmentVariable inLocale("LC_ALL", locale.toStdString());
            m_model->setCountdownDate(at(2026, 12, 31, 18, 5)
                + static_cast<double>(texts.size())); // a change writes the button again
            const QString text = child<QPushButton>(*m_view, "countdownDate")->text();
            QVERIFY2(text.contains(month) && text.contains("2026"), qPrintable(locale + ": " + text));
            texts.insert(text);
        }
        QCOMPARE(texts.size(), qsizetype(4)); // each locale writes it its own way
        // Monday first in Germany: the December grid starts on 30 November, the header on "M".
        const testing::ScopedEnvironmentVariable german("LC_ALL", "de_DE.UTF-8");
        child<QPushButton>(*m_view, "countdownDate")->click();
        QCOMPARE(datePicker()->calendar()->cells().front()->number(), QString("30"));
    }

    void tabReachesEveryControlOfEachKind()
    {
        const auto reached = [this] {
            std::set<QWidget*> focused;
            m_view->widget()->setFocus();
            for (int press = 0; press < 40; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                focused.insert(QApplication::focusWidget());
            }
            return focused;
        };
        std::set<QWidget*> focused = reached();
        QVERIFY(focused.contains(child<BoardCityList>(*m_view, "boardCities")));
        QVERIFY(focused.contains(child<QPushButton>(*m_view, "addCity")));
        QVERIFY(focused.contains(child<QCheckBox>(*m_view, "use24h")));
        m_model->selectKind(DotWidgetKind::clock);
        focused = reached();
        QVERIFY(focused.contains(child<QPushButton>(*m_view, "changeClockCity")));
        QVERIFY(focused.contains(child<QCheckBox>(*m_view, "use24h")));
        m_model->selectKind(DotWidgetKind::progress);
        focused = reached();
        const QList<QAbstractButton*> segments = periodSegments();
        QVERIFY(std::any_of(segments.begin(), segments.end(),
            [&](QAbstractButton* segment) { return focused.contains(segment); }));
        m_model->selectKind(DotWidgetKind::countdown);
        focused = reached();
        QVERIFY(focused.contains(child<GrowingTextEdit>(*m_view, "countdownTitle"))
            && focused.contains(child<QPushButton>(*m_view, "countdownDate")));
        m_model->selectKind(DotWidgetKind::sign);
        QVERIFY(reached().contains(child<GrowingTextEdit>(*m_view, "signMessage")));
    }

    void theColumnAndItsPickersNameTheirControlsAndTabInReadingOrder()
    {
        for (DotWidgetKind kind : kAllWidgetKinds) {
            m_model->selectKind(kind);
            const QStringList faults = testing::accessibilityFaults(*m_view);
            QVERIFY2(faults.isEmpty(), qPrintable(displayName(kind) + ": " + faults.join("; ")));
        }
        // Each kind's button that opens a picker.
        const std::vector<std::pair<DotWidgetKind, const char*>> pickers {
            {DotWidgetKind::worldBoard, "addCity"},
            {DotWidgetKind::clock, "changeClockCity"},
            {DotWidgetKind::countdown, "countdownDate"},
        };
        for (const auto& [kind, button] : pickers) {
            m_model->selectKind(kind);
            child<QPushButton>(*m_view, button)->click();
            Popover* opened = popover();
            QTRY_VERIFY2_WITH_TIMEOUT(opened->isVisible(), "the popover did not open", 15000);
            QVERIFY2(!opened->accessibleName().isEmpty(), qPrintable(displayName(kind)));
            const QStringList faults = testing::accessibilityFaults(*opened);
            QVERIFY2(faults.isEmpty(), qPrintable(opened->accessibleName() + ": " + faults.join("; ")));
            opened->hide();
        }
    }

    void theKeyboardAlonePicksACityAndADate()
    {
        QPushButton* addCity = child<QPushButton>(*m_view, "addCity");
        addCity->setFocus();
        QTest::keyClick(addCity, Qt::Key_Space);
        QTRY_VERIFY2_WITH_TIMEOUT(popover()->isVisible(), "the popover did not open", 15000);
        QCOMPARE(QApplication::focusWidget(), cityPicker()->searchField());
        QTest::keyClicks(QApplication::focusWidget(), "tok");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // into the results
        QCOMPARE(QApplication::focusWidget(), cityPicker()->resultList());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_model->state().boardCities.back(), std::string("tokyo"));

        m_model->selectKind(DotWidgetKind::countdown);
        m_model->setCountdownDate(at(2026, 12, 24, 18, 0));
        QPushButton* dateButton = child<QPushButton>(*m_view, "countdownDate");
        dateButton->setFocus();
        QTest::keyClick(dateButton, Qt::Key_Space);
        QTRY_VERIFY2_WITH_TIMEOUT(popover()->isVisible(), "the popover did not open", 15000);
        // The keyboard is on the selected day, and moves with the selection.
        const auto focusedDay = [] {
            const auto* day = qobject_cast<DayCell*>(QApplication::focusWidget());
            return day ? std::optional(day->day()) : std::nullopt;
        };
        QCOMPARE(focusedDay(), std::optional(at(2026, 12, 24, 0, 0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(m_model->state().countdownDate, at(2026, 12, 31, 18, 0));
        QCOMPARE(focusedDay(), std::optional(at(2026, 12, 31, 0, 0)));
        // Into the next month and on from the day the keyboard is on there.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(focusedDay(), std::optional(at(2027, 1, 1, 0, 0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(m_model->state().countdownDate, at(2027, 1, 2, 18, 0));
        QCOMPARE(focusedDay(), std::optional(at(2027, 1, 2, 0, 0)));
        // Tab goes on from the month to the time.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTimeEdit* time = datePicker()->timeField();
        QVERIFY(QApplication::focusWidget() == time || time->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY2_WITH_TIMEOUT(!popover()->isVisible(), "the popover did not close", 15000);
    }

    // Pictures of the column for the documentation, when asked for: QUILLON_INSPECTOR_SHOTS names a
    // folder and QUILLON_INSPECTOR_APPEARANCE the suffix (run once per style, light and dark).
    void takeScreenshotsWhenAsked()
    {
        QString folder = qEnvironmentVariable("QUILLON_INSPECTOR_SHOTS");
        if (folder.isEmpty())
            QSKIP("QUILLON_INSPECTOR_SHOTS is not set");
        const QString suffix = "-" + qEnvironmentVariable("QUILLON_INSPECTOR_APPEARANCE", "light") + ".png";
        // In another language (QUILLON_INSPECTOR_LANGUAGE=de_DE): its texts and dates, and its
        // name before each picture's.
        const QString language = qEnvironmentVariable("QUILLON_INSPECTOR_LANGUAGE");
        std::optional<testing::ScopedEnvironmentVariable> inLanguage;
        if (!language.isEmpty()) {
            inLanguage.emplace("LC_ALL", (language + ".UTF-8").toStdString());
            QVERIFY(!installTranslations({language}, testing::builtCatalogueFolders()).isEmpty());
            folder += "/" + language + "-";
            // Made again, as a window made after the start would be: in the language now installed.
            m_view.reset();
            m_model = std::make_unique<StudioModel>(*m_store, m_reloader, kNow);
            m_view = std::make_unique<InspectorView>(*m_model);
            // Shown, as the studio shows it: a column never shown has not laid out its rows.
            m_view->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        } else {
            folder += "/";
        }
        m_view->resize(300, 640);
        for (DotWidgetKind kind : kAllWidgetKinds) {
            m_model->selectKind(kind);
            // Wrapped labels take their height in a second pass of the layout.
            for (int pass = 0; pass < 3; ++pass)
                QCoreApplication::processEvents();
            QVERIFY(m_view->grab().save(
                folder + "inspector-" + QString::fromUtf8(rawValue(kind).data()) + suffix));
        }
        m_model->selectKind(DotWidgetKind::worldBoard);
        child<QPushButton>(*m_view, "addCity")->click();
        cityPicker()->searchField()->setText("new");
        QCoreApplication::processEvents();
        QVERIFY(popover()->grab().save(folder + "city-picker-search" + suffix));
        cityPicker()->searchField()->setText("Atlantis");
        QCoreApplication::processEvents();
        QVERIFY(popover()->grab().save(folder + "city-picker-no-results" + suffix));
        m_model->selectKind(DotWidgetKind::countdown);
        child<QPushButton>(*m_view, "countdownDate")->click();
        QCoreApplication::processEvents();
        QVERIFY(popover()->grab().save(folder + "date-picker" + suffix));
    }

private:
    // The column's pickers open in this one popover.
    Popover* popover() const { return child<Popover>(*m_view, "picker"); }
    CityPicker* cityPicker() const { return qobject_cast<CityPicker*>(popover()->content()); }
    CountdownDatePicker* datePicker() const
    {
        return qobject_cast<CountdownDatePicker*>(popover()->content());
    }
    // The sections under the header, the sync note's included, from the top.
    std::vector<FormSection*> sections() const
    {
        const QList<FormSection*> found
            = child<QWidget>(*m_view, "kindSettings")
                  ->findChildren<FormSection*>(QString(), Qt::FindDirectChildrenOnly);
        return {found.begin(), found.end()};
    }
    // The progress display's period segments, in the periods' order.
    QList<QAbstractButton*> periodSegments() const
    {
        return child<QWidget>(*m_view, "period")
            ->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // The note under the countdown's date: the date written out, and how far off it is.
    QString countdownNote() const { return child<QLabel>(*m_view, "countdownNote")->text(); }

    SilentReloader m_reloader;
    std::unique_ptr<testing::MemoryStateStore> m_store;
    std::unique_ptr<StudioModel> m_model;
    std::unique_ptr<InspectorView> m_view;
};

QTEST_MAIN(InspectorTest)
#include "inspector_test.moc"
