// The generated editor over the real plug-in's configuration types: what it writes back, and what
// a screen reader and the keyboard find in it.
#include "widgethost/editor/widget_editor.h"

#include "tests/support/accessibility_checks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QToolButton>

#include <nlohmann/json.hpp>

#include <algorithm>

using namespace quillon::widgethost;
using Json = nlohmann::json;

// QCOMPARE cannot print JSON values; this shows the value found.
#define COMPARE_JSON(actual, expected) QVERIFY2(Json(actual) == Json(expected), Json(actual).dump().c_str())

class WidgetEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_loader.setFileName(QUILLON_LAMPWORK_PATH);
        m_plugin = qobject_cast<WidgetPlugin*>(m_loader.instance());
        QVERIFY2(m_plugin, qPrintable(m_loader.errorString()));
    }

    void acceptingUnchangedKeepsEveryValueAndUnknownKeys()
    {
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            const Json stored = {{"theme", "amber"}, {"written by a later version", {1, 2}}};
            WidgetEditor editor(*m_plugin, widget.configuration, stored.dump());
            const Json edited = Json::parse(editor.configuration());
            COMPARE_JSON(edited["theme"], Json("amber"));
            COMPARE_JSON(edited["written by a later version"], stored["written by a later version"]);
            // Nothing unset is written: the plug-in's own defaults keep applying.
            QVERIFY2(!edited.contains("message") && !edited.contains("target") && !edited.contains("cities"),
                edited.dump().c_str());
        }
    }

    void everyEditorNamesItsControlsAndTabsInReadingOrder()
    {
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            const Json stored = {{"cities", {"tokyo", "london"}}, {"target", 820454400}};
            WidgetEditor editor(*m_plugin, widget.configuration, stored.dump());
            editor.show();
            QStringList faults = quillon::testing::accessibilityFaults(editor);
            // Qt's accessibility takes every child of an item view for a cell ("QAccessibleTable::
            // indexOfChild Fix my children..."): a widget put inside one reaches no screen reader.
            faults << widgetsInItemViews(editor);
            QVERIFY2(
                faults.isEmpty(), qPrintable(QString::fromStdString(widget.kind) + ": " + faults.join("; ")));
        }
    }

    // A screen reader reads a field by the label Qt relates to it, and Qt looks for that label only
    // among the field's siblings: without it, Theme and Period are both read as "Same as App combo
    // box". Buttons are read by their own text.
    void everyFieldTabReachesIsReadByItsLabel()
    {
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            const QString kind = QString::fromStdString(widget.kind);
            WidgetEditor editor(*m_plugin, widget.configuration, R"({"target":820454400})");
            editor.show();
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QStringList titles;
            for (const ConfigurationParameter& parameter : widget.configuration.parameters)
                titles << QString::fromStdString(parameter.title);
            QWidget* first = labelledBy(editor, titles.front());
            QVERIFY2(first, qPrintable(kind + ": no control for the label " + titles.front()));
            QStringList read;
            for (QWidget* stop : quillon::testing::walkTabOrder(*first)) {
                QVERIFY2(stop, qPrintable(kind + ": Tab does not go on"));
                if (qobject_cast<QAbstractButton*>(stop))
                    continue;
                const QStringList labels = labelsOf(*stop);
                QVERIFY2(labels.size() == 1 && titles.contains(labels.front()),
                    qPrintable(QString("%1: %2 is labelled by [%3]")
                                   .arg(kind, quillon::testing::describeWidget(stop), labels.join(", "))));
                read << labels.front();
            }
            read.sort();
            titles.sort();
            QCOMPARE(read, titles); // each field once, the date's too (it is set)
        }
    }

    void editsAreWrittenAndClearedFieldsRemoved()
    {
        const WidgetDescription countdown = describe("DotCountdown");
        WidgetEditor editor(*m_plugin, countdown.configuration, R"({"label":"Launch","target":820454400})");
        auto* label = editor.findChild<QLineEdit*>();
        auto* set = editor.findChild<QCheckBox*>();
        auto* when = editor.findChild<QDateTimeEdit*>();
        QVERIFY(label && set && when);
        QCOMPARE(label->text(), QString("Launch"));
        QVERIFY(set->isChecked());
        COMPARE_JSON(Json::parse(editor.configuration())["target"], Json(820454400.0)); // to the minute, kept
        label->clear();
        set->setChecked(false);
        COMPARE_JSON(
            Json::parse(editor.configuration()), Json({{"theme", "app"}})); // a choice always has one
        label->setText("Ünïcode ✓");
        set->setChecked(true);
        when->setDateTime(QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone::utc()));
        const Json edited = Json::parse(editor.configuration());
        COMPARE_JSON(edited["label"], Json("Ünïcode ✓"));
        COMPARE_JSON(edited["target"], Json(1893456000.0 - 978307200.0));
    }

    void aDateOutsideThePlugInsYearsShowsAsUnsetAndIsNotWrittenBack()
    {
        // The plug-in takes a target before year 1 or from year 10000 on as unset. Shown as set, such a
        // date would come back clamped to the edge of the calendar, a countdown to a day never chosen.
        const WidgetDescription countdown = describe("DotCountdown");
        const double yearTenThousand = 253402300800.0 - 978307200.0; // 10000-01-01 in seconds since 2001
        for (const double target : {1e300, -1e300, 1e18, 1e12, yearTenThousand, -1e11}) {
            const Json stored = {{"label", "Launch"}, {"target", target}};
            WidgetEditor editor(*m_plugin, countdown.configuration, stored.dump());
            auto* set = editor.findChild<QCheckBox*>();
            QVERIFY(set);
            QVERIFY2(!set->isChecked(), stored.dump().c_str());
            const Json edited = Json::parse(editor.configuration());
            QVERIFY2(!edited.contains("target") && edited.value("label", "") == "Launch",
                (stored.dump() + " came back as " + edited.dump()).c_str());
        }
    }

    void entitiesAreChosenFromTheListInOrder()
    {
        const WidgetDescription board = describe("WorldBoard");
        WidgetEditor editor(
            *m_plugin, board.configuration, R"({"cities":["tokyo","no-such-city","london"]})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        // The chosen ones come first and stay checked; an unknown id is dropped.
        COMPARE_JSON(Json::parse(editor.configuration())["cities"], Json({"tokyo", "london"}));
        QList<QAbstractButton*> entries = shownEntries(editor);
        QVERIFY(entries.size() > 3);
        QVERIFY(entries[0]->text().startsWith("Tokyo") && entries[1]->text().startsWith("London"));
        // A search shows what it finds; checked with Space, a city found is written after the
        // others, which stay chosen out of sight.
        auto* search = editor.findChild<QLineEdit*>();
        search->setText("Buenos");
        QAbstractButton* found = entryWith(shownEntries(editor), "Argentina");
        QVERIFY2(found, qPrintable(texts(shownEntries(editor)).join(", ")));
        QSignalSpy edits(&editor, &WidgetEditor::edited);
        QTest::keyClick(found, Qt::Key_Space);
        QVERIFY(found->isChecked());
        QCOMPARE(edits.count(), 1); // the widget follows each change at once
        COMPARE_JSON(
            Json::parse(editor.configuration())["cities"], Json({"tokyo", "london", "buenos-aires"}));
        // Emptied, the search shows every city again, the choice as it was.
        search->clear();
        entries = shownEntries(editor);
        QVERIFY(entries.size() > 3 && entries[0]->isChecked() && entries[1]->isChecked());
        QAbstractButton* stillChecked = entryWith(entries, "Argentina");
        QVERIFY(stillChecked && stillChecked->isChecked());
        // Alt+Up moves London above Tokyo, where a screen reader finds it too.
        QTest::keyClick(entries[1], Qt::Key_Up, Qt::AltModifier);
        COMPARE_JSON(
            Json::parse(editor.configuration())["cities"], Json({"london", "tokyo", "buenos-aires"}));
        QCOMPARE(shownEntries(editor).front(), entries[1]);
        QCOMPARE(edits.count(), 2);
        for (QAbstractButton* entry : shownEntries(editor)) {
            if (entry->isChecked())
                QTest::keyClick(entry, Qt::Key_Space);
        }
        QVERIFY(!Json::parse(editor.configuration()).contains("cities")); // back to the app's cities
    }

    // The cities are check boxes, which a screen reader reads as "check box", "checked" and "not
    // checked", and whose every change it tells: the rows of an item view it reads neither way. The
    // keyboard goes through them as through a list, and Tab goes past them.
    void theCitiesAreCheckBoxesTheKeyboardGoesThroughAsAList()
    {
        WidgetEditor editor(
            *m_plugin, describe("WorldBoard").configuration, R"({"cities":["tokyo","london"]})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto* search = editor.findChild<QLineEdit*>();
        QVERIFY(search);
        QList<QAbstractButton*> entries = shownEntries(editor);
        const qsizetype all = entries.size();
        QCOMPARE_GT(all, qsizetype(3));
        for (QAbstractButton* entry : entries) {
            QVERIFY2(qobject_cast<QCheckBox*>(entry)
                    && QAccessible::queryAccessibleInterface(entry)->role() == QAccessible::CheckBox,
                qPrintable(entry->text()));
        }
        // Coming into the column, a screen reader names it.
        QCOMPARE(namedAncestor(*entries[0]), QString("Cities"));

        // Tab from the search comes to the first box; Down and Up go from box to box, checking none,
        // and Up from the first goes back to the search.
        search->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), entries[0]);
        QTest::keyClick(entries[0], Qt::Key_Down);
        QTest::keyClick(entries[1], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), entries[2]);
        QVERIFY(!entries[2]->isChecked());
        QTest::keyClick(entries[2], Qt::Key_Space);
        QVERIFY(entries[2]->isChecked());
        QCOMPARE(Json::parse(editor.configuration())["cities"].size(), std::size_t(3));
        QTest::keyClick(entries[2], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), entries[1]);
        QTest::keyClick(entries[1], Qt::Key_Up);
        QTest::keyClick(entries[0], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), search);
        // Down from the search comes to the first box. The column is one stop of Tab, at the box last
        // used: Tab leaves it, and Shift+Tab comes back there.
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), entries[0]);
        QTest::keyClick(entries[0], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), entries[1]);
        QTest::keyClick(entries[1], Qt::Key_Tab);
        auto* clear = qobject_cast<QToolButton*>(QApplication::focusWidget());
        QVERIFY2(clear && clear->text() == "Clear",
            qPrintable(quillon::testing::describeWidget(QApplication::focusWidget())));
        QTest::keyClick(clear, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), entries[1]);

        // A search leaves only what the plug-in finds in the column, to the eye and to a screen
        // reader alike, which would count hidden boxes, and Down from the search goes to the first.
        search->setFocus(Qt::OtherFocusReason);
        search->setText("San");
        const std::vector<Entity> matches = m_plugin->searchEntities("City", "San");
        QCOMPARE_GE(matches.size(), std::size_t(2));
        entries = shownEntries(editor);
        QCOMPARE(entries.size(), qsizetype(matches.size()));
        for (const Entity& match : matches) {
            QVERIFY2(entryWith(entries, QString::fromStdString(match.title)),
                qPrintable(QString::fromStdString(match.title) + " not in " + texts(entries).join(", ")));
        }
        for (QAbstractButton* entry : entries)
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(entry)->state().invisible, qPrintable(entry->text()));
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), entries[0]);
        QVERIFY(!entries[0]->isChecked());

        // Emptied, the search brings every box back, read in the order it is seen.
        search->clear();
        entries = shownEntries(editor);
        QCOMPARE(entries.size(), all);
        QTRY_VERIFY2(inReadingOrder(entries), qPrintable(texts(entries).join(", ")));
    }

    // A single city is one choice: radio buttons, the default first and the stored city checked, which
    // the arrows choose as they go; and no "Clear" beside the search field, whose own button clears
    // the search.
    void aSingleEntityIsOneChoiceWithTheDefaultFirst()
    {
        WidgetEditor editor(*m_plugin, describe("DotClock").configuration, R"({"city":"london"})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto* search = editor.findChild<QLineEdit*>();
        auto* column = editor.findChild<QScrollArea*>();
        QVERIFY(search && column);
        QList<QAbstractButton*> entries = shownEntries(editor);
        QCOMPARE_GT(entries.size(), qsizetype(3));
        QVERIFY(editor.findChildren<QCheckBox*>().isEmpty());
        for (QAbstractButton* entry : entries) {
            QVERIFY2(qobject_cast<QRadioButton*>(entry)
                    && QAccessible::queryAccessibleInterface(entry)->role() == QAccessible::RadioButton,
                qPrintable(entry->text()));
        }
        QCOMPARE(entries[0]->text(), QString("Default"));
        QVERIFY(entries[1]->text().startsWith("London"));
        QCOMPARE(checkedOf(entries), QList<QAbstractButton*> {entries[1]});
        COMPARE_JSON(Json::parse(editor.configuration())["city"], Json("london"));
        if (!qEnvironmentVariableIsEmpty("QUILLON_EDITOR_SHOT"))
            editor.grab().save(qEnvironmentVariable("QUILLON_EDITOR_SHOT"));

        // Choosing another city by a click leaves the first: one change, one choice.
        QSignalSpy edits(&editor, &WidgetEditor::edited);
        QAbstractButton* last = entries.back();
        QVERIFY(last->text().startsWith("Auckland"));
        QTest::mouseClick(last, Qt::LeftButton, {}, QPoint(6, last->height() / 2));
        QCOMPARE(edits.count(), 1);
        QCOMPARE(checkedOf(entries), QList<QAbstractButton*> {last});
        COMPARE_JSON(Json::parse(editor.configuration())["city"], Json("auckland"));
        // And by the keyboard, as in a group of radio buttons.
        last->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(last, Qt::Key_Up);
        QAbstractButton* above = entries[entries.size() - 2];
        QCOMPARE(QApplication::focusWidget(), above);
        QCOMPARE(checkedOf(entries), QList<QAbstractButton*> {above});
        QVERIFY(QAccessible::queryAccessibleInterface(above)->state().checked);
        // Tab leaves the column, and Shift+Tab comes back to the chosen city.
        QTest::keyClick(above, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() && !column->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), above);

        // No "Clear" button: the theme's "Reset" is the only one, and the search field clears itself.
        const QList<QToolButton*> resets = editor.findChildren<QToolButton*>("reset");
        QCOMPARE(resets.size(), qsizetype(1));
        QCOMPARE(resets.front()->text(), QString("Reset"));
        for (QAbstractButton* button : editor.findChildren<QAbstractButton*>())
            QVERIFY2(button->text() != "Clear", qPrintable(button->accessibleName()));
        QVERIFY(search->isClearButtonEnabled());

        // The search shows only what it finds; Down goes there without choosing, Space chooses, and
        // the city chosen before, now out of sight, is chosen no more.
        search->setFocus(Qt::OtherFocusReason);
        search->setText("Buenos");
        entries = shownEntries(editor);
        QAbstractButton* found = entryWith(entries, "Argentina");
        QVERIFY2(found, qPrintable(texts(entries).join(", ")));
        QVERIFY(!entryWith(entries, "Default"));
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), entries[0]);
        QVERIFY(checkedOf(entries).isEmpty());
        QTest::keyClick(found, Qt::Key_Space);
        COMPARE_JSON(Json::parse(editor.configuration())["city"], Json("buenos-aires"));
        search->clear();
        entries = shownEntries(editor);
        QCOMPARE(checkedOf(entries), QList<QAbstractButton*> {entryWith(entries, "Argentina")});

        // The default unsets the city.
        entries[0]->click();
        QVERIFY(!Json::parse(editor.configuration()).contains("city"));
    }

    // The list of cities has its "Clear" beside the list, not beside the search field.
    void aListOfEntitiesHasItsClearBesideTheList()
    {
        WidgetEditor editor(
            *m_plugin, describe("WorldBoard").configuration, R"({"cities":["tokyo","london"]})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* search = editor.findChild<QLineEdit*>();
        QVERIFY(search);
        QToolButton* clear = nullptr;
        for (QToolButton* button : editor.findChildren<QToolButton*>("reset")) {
            if (button->text() == "Clear")
                clear = button;
        }
        QVERIFY(clear && clear->isEnabled());
        const auto bounds = [&](const QWidget* widget) {
            return QRect(widget->mapTo(&editor, QPoint(0, 0)), widget->size());
        };
        QVERIFY2(
            bounds(clear).top() > bounds(search).bottom(), "the Clear button stands beside the search field");
        clear->click();
        QVERIFY(!Json::parse(editor.configuration()).contains("cities"));
        QVERIFY(checkedOf(shownEntries(editor)).isEmpty());
    }

    void everyRowGoesBackToItsDefault()
    {
        const Json stored
            = {{"theme", "amber"}, {"period", "week"}, {"label", "Launch"}, {"target", 820454400},
                {"message", "HELLO"}, {"city", "london"}, {"cities", {"tokyo", "london"}}, {"kept", true}};
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            WidgetEditor editor(*m_plugin, widget.configuration, stored.dump());
            const QList<QToolButton*> resets = editor.findChildren<QToolButton*>("reset");
            // A single entity goes back through its list's first entry, and has no button.
            const auto singles = std::count_if(widget.configuration.parameters.begin(),
                widget.configuration.parameters.end(), [](const ConfigurationParameter& parameter) {
                    return parameter.type == ParameterType::entity;
                });
            QCOMPARE(resets.size(), qsizetype(widget.configuration.parameters.size()) - singles);
            QSignalSpy edits(&editor, &WidgetEditor::edited);
            for (QToolButton* reset : resets) {
                QVERIFY2(
                    reset->isEnabled(), qPrintable(reset->accessibleName())); // every stored value differs
                reset->click();
                QVERIFY2(!reset->isEnabled(), qPrintable(reset->accessibleName())); // nothing left to reset
            }
            if (singles > 0) {
                const QList<QAbstractButton*> entries = shownEntries(editor);
                QVERIFY(!entries.isEmpty() && !entries[0]->isChecked());
                entries[0]->click();
            }
            QCOMPARE(edits.count(), resets.size() + singles);
            // Choices go back to "Same as App", the widget's other parameters are unset, and keys that
            // are not its parameters stay as they were.
            Json expected = stored;
            for (const ConfigurationParameter& parameter : widget.configuration.parameters)
                expected.erase(parameter.key);
            expected["theme"] = "app";
            if (widget.kind == "DotProgress")
                expected["period"] = "app";
            COMPARE_JSON(Json::parse(editor.configuration()), expected);
        }
    }

private:
    // The entries of the editor's list as a screen reader finds them: the children of the widget
    // that holds them, in the order they are read.
    static QList<QAbstractButton*> shownEntries(const QWidget& editor)
    {
        QList<QAbstractButton*> entries;
        const auto* column = editor.findChild<QScrollArea*>();
        if (!column || !column->widget())
            return entries;
        QAccessibleInterface* holder = QAccessible::queryAccessibleInterface(column->widget());
        for (int index = 0; index < holder->childCount(); ++index) {
            if (auto* entry = qobject_cast<QAbstractButton*>(holder->child(index)->object()))
                entries << entry;
        }
        return entries;
    }

    static QAbstractButton* entryWith(const QList<QAbstractButton*>& entries, const QString& part)
    {
        for (QAbstractButton* entry : entries) {
            if (entry->text().contains(part))
                return entry;
        }
        return nullptr;
    }

    static QList<QAbstractButton*> checkedOf(const QList<QAbstractButton*>& entries)
    {
        QList<QAbstractButton*> checked;
        for (QAbstractButton* entry : entries) {
            if (entry->isChecked())
                checked << entry;
        }
        return checked;
    }

    static QStringList texts(const QList<QAbstractButton*>& entries)
    {
        QStringList found;
        for (const QAbstractButton* entry : entries)
            found << entry->text();
        return found;
    }

    // Each entry below the one before: read in the order seen.
    static bool inReadingOrder(const QList<QAbstractButton*>& entries)
    {
        for (qsizetype index = 1; index < entries.size(); ++index) {
            if (entries[index]->mapTo(entries[0]->window(), QPoint(0, 0)).y()
                <= entries[index - 1]->mapTo(entries[0]->window(), QPoint(0, 0)).y())
                return false;
        }
        return true;
    }

    // The name of the nearest named accessible ancestor, as a screen reader names where the
    // keyboard has come.
    static QString namedAncestor(QWidget& widget)
    {
        for (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&widget)->parent(); node;
             node = node->parent()) {
            if (!node->text(QAccessible::Name).isEmpty())
                return node->text(QAccessible::Name);
        }
        return QString();
    }

    // The control a row's label names.
    static QWidget* labelledBy(const QWidget& editor, const QString& title)
    {
        for (const QLabel* label : editor.findChildren<QLabel*>()) {
            if (label->text() == title)
                return label->buddy();
        }
        return nullptr;
    }

    // The names of the labels Qt relates to a control, which screen readers read as its name.
    static QStringList labelsOf(QWidget& control)
    {
        QStringList labels;
        const auto relations = QAccessible::queryAccessibleInterface(&control)->relations(QAccessible::Label);
        for (const auto& relation : relations)
            labels << relation.first->text(QAccessible::Name);
        return labels;
    }

    static QStringList widgetsInItemViews(const QWidget& window)
    {
        QStringList found;
        for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
            // The popups of menus and calendars are windows of their own, and their views Qt's.
            if (view->window() != &window)
                continue;
            const QList<const QWidget*> parts {view->viewport(), view->horizontalScrollBar(),
                view->verticalScrollBar(), view->horizontalScrollBar()->parentWidget(),
                view->verticalScrollBar()->parentWidget()};
            for (const QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!parts.contains(child) && !qobject_cast<const QHeaderView*>(child))
                    found << quillon::testing::describeWidget(child) + " in an item view";
            }
            for (const QWidget* child : view->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                found << quillon::testing::describeWidget(child) + " in an item view";
        }
        return found;
    }

    WidgetDescription describe(const std::string& kind) const
    {
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            if (widget.kind == kind)
                return widget;
        }
        return {};
    }

    QPluginLoader m_loader;
    WidgetPlugin* m_plugin = nullptr;
};

QTEST_MAIN(WidgetEditorTest)
#include "widget_editor_test.moc"
