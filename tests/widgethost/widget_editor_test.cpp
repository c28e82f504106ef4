// The generated editor over the real plug-in's configuration types: what it writes back, and what
// a screen reader and the keyboard find in it.
#include "widgethost/editor/widget_editor.h"

#include "tests/support/accessibility_checks.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPluginLoader>
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
            const QStringList faults = quillon::testing::accessibilityFaults(editor);
            QVERIFY2(
                faults.isEmpty(), qPrintable(QString::fromStdString(widget.kind) + ": " + faults.join("; ")));
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
        auto* list = editor.findChild<QListWidget*>();
        QVERIFY(list);
        // The chosen ones come first and stay checked; an unknown id is dropped.
        COMPARE_JSON(Json::parse(editor.configuration())["cities"], Json({"tokyo", "london"}));
        // Searching offers more; checking one adds it after the others.
        editor.findChild<QLineEdit*>()->setText("Buenos");
        QListWidgetItem* found = nullptr;
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->isHidden() && list->item(row)->text().startsWith("Buenos"))
                found = list->item(row);
        }
        QVERIFY(found);
        QSignalSpy edits(&editor, &WidgetEditor::edited);
        found->setCheckState(Qt::Checked);
        QCOMPARE(edits.count(), 1); // the widget follows each change at once
        const Json cities = Json::parse(editor.configuration())["cities"];
        QCOMPARE(cities.size(), std::size_t(3));
        COMPARE_JSON(cities[0], Json("tokyo"));
        // Dragging London to the top puts it first.
        QVERIFY(list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0));
        COMPARE_JSON(Json::parse(editor.configuration())["cities"][0], Json("london"));
        QCOMPARE_GE(edits.count(), 2);
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(Qt::Unchecked);
        QVERIFY(!Json::parse(editor.configuration()).contains("cities")); // back to the app's cities
    }

    // A single city is one choice: a list of radio buttons with the default first, one row selected,
    // and no "Clear" beside the search field, whose own button clears the search.
    void aSingleEntityIsOneChoiceWithTheDefaultFirst()
    {
        WidgetEditor editor(*m_plugin, describe("DotClock").configuration, R"({"city":"london"})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* list = editor.findChild<QListWidget*>();
        auto* search = editor.findChild<QLineEdit*>();
        QVERIFY(list && search);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE_GT(list->count(), 3);
        // No check boxes: the rows are not checkable, and the chosen one is the selected one.
        QVERIFY(editor.findChildren<QCheckBox*>().isEmpty());
        for (int row = 0; row < list->count(); ++row) {
            QVERIFY2(
                !(list->item(row)->flags() & Qt::ItemIsUserCheckable), qPrintable(list->item(row)->text()));
            QVERIFY(!list->item(row)->data(Qt::CheckStateRole).isValid());
        }
        QCOMPARE(list->item(0)->text(), QString("Default"));
        QCOMPARE(chosenRows(*list), QStringList {"london"});
        COMPARE_JSON(Json::parse(editor.configuration())["city"], Json("london"));
        if (!qEnvironmentVariableIsEmpty("QUILLON_EDITOR_SHOT"))
            editor.grab().save(qEnvironmentVariable("QUILLON_EDITOR_SHOT"));

        // Choosing another city by a click leaves the first: one change, one choice.
        QSignalSpy edits(&editor, &WidgetEditor::edited);
        QListWidgetItem* last = list->item(list->count() - 1);
        list->scrollToItem(last);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(last).center());
        QCOMPARE(edits.count(), 1);
        const QString lastId = last->data(Qt::UserRole).toString();
        QCOMPARE(chosenRows(*list), QStringList {lastId});
        COMPARE_JSON(Json::parse(editor.configuration())["city"], Json(lastId.toStdString()));
        // And by the keyboard, as in a group of radio buttons.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(
            chosenRows(*list), QStringList {list->item(list->count() - 2)->data(Qt::UserRole).toString()});

        // To assistive technologies: a list of single selection, the chosen row selected, none checkable.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
        QVERIFY(accessible && accessible->tableInterface());
        const QList<QAccessibleInterface*> selected = accessible->tableInterface()->selectedCells();
        QCOMPARE(selected.size(), qsizetype(1));
        QCOMPARE(selected.front()->text(QAccessible::Name), list->item(list->count() - 2)->text());
        QVERIFY(selected.front()->state().selected && selected.front()->state().selectable);
        for (int child = 0; child < accessible->childCount(); ++child)
            QVERIFY(!accessible->child(child)->state().checkable);

        // No "Clear" button: the theme's "Reset" is the only one, and the search field clears itself.
        const QList<QToolButton*> resets = editor.findChildren<QToolButton*>("reset");
        QCOMPARE(resets.size(), qsizetype(1));
        QCOMPARE(resets.front()->text(), QString("Reset"));
        for (QAbstractButton* button : editor.findChildren<QAbstractButton*>())
            QVERIFY2(button->text() != "Clear", qPrintable(button->accessibleName()));
        QVERIFY(search->isClearButtonEnabled());

        // The search filters, keeping the choice and the default in sight; emptied, all come back.
        search->setText("Buenos");
        QListWidgetItem* found = nullptr;
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isHidden())
                continue;
            shown << list->item(row)->text();
            if (list->item(row)->text().startsWith("Buenos"))
                found = list->item(row);
        }
        QVERIFY2(found, qPrintable(shown.join(", ")));
        QVERIFY(!list->item(0)->isHidden() && !list->selectedItems().front()->isHidden());
        QCOMPARE(shown.size(), 3); // the default, the chosen city and Buenos Aires
        found->setSelected(true);
        COMPARE_JSON(Json::parse(editor.configuration())["city"],
            Json(found->data(Qt::UserRole).toString().toStdString()));
        search->clear();
        for (int row = 0; row < list->count(); ++row)
            QVERIFY(!list->item(row)->isHidden());

        // The default row unsets the city; a selection taken away with Ctrl goes back to it.
        list->item(0)->setSelected(true);
        QVERIFY(!Json::parse(editor.configuration()).contains("city"));
        found->setSelected(true);
        list->scrollToItem(found);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(found).center());
        QCOMPARE(chosenRows(*list), QStringList {QString()});
        QVERIFY(!Json::parse(editor.configuration()).contains("city"));
    }

    // The list of cities stays a list of check boxes; its "Clear" stands beside the list, not beside
    // the search field.
    void aListOfEntitiesKeepsItsCheckBoxesAndItsClearBesideTheList()
    {
        WidgetEditor editor(
            *m_plugin, describe("WorldBoard").configuration, R"({"cities":["tokyo","london"]})");
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* list = editor.findChild<QListWidget*>();
        auto* search = editor.findChild<QLineEdit*>();
        QVERIFY(list && search);
        for (int row = 0; row < list->count(); ++row)
            QVERIFY(list->item(row)->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(list->item(0)->checkState(), Qt::Checked);
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
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    }

    void everyRowGoesBackToItsDefault()
    {
        const Json stored
            = {{"theme", "amber"}, {"period", "week"}, {"label", "Launch"}, {"target", 820454400},
                {"message", "HELLO"}, {"city", "london"}, {"cities", {"tokyo", "london"}}, {"kept", true}};
        for (const WidgetDescription& widget : m_plugin->widgets()) {
            WidgetEditor editor(*m_plugin, widget.configuration, stored.dump());
            const QList<QToolButton*> resets = editor.findChildren<QToolButton*>("reset");
            // A single entity goes back through its list's first row, and has no button.
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
                auto* list = editor.findChild<QListWidget*>();
                QVERIFY(list && !list->item(0)->isSelected());
                list->item(0)->setSelected(true);
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
    // The ids of the selected rows ("" for the default row).
    static QStringList chosenRows(const QListWidget& list)
    {
        QStringList ids;
        for (const QListWidgetItem* item : list.selectedItems())
            ids << item->data(Qt::UserRole).toString();
        return ids;
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
