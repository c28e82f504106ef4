// The settings program's gallery over the real plug-in: a picture and an Add button for each size of
// each widget, each button saying which widget it adds and asking for that one, a note shown only
// while it says something, the list of placed widgets and what it asks for, and what a screen reader
// and the keyboard find in it.
#include "widgethost/settings/widget_gallery.h"

#include "tests/support/accessibility_checks.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <utility>
#include <vector>

using namespace quillon::widgethost;

class WidgetGalleryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_plugins = loadWidgetPlugins({QUILLON_LAMPWORK_PATH});
        QCOMPARE(m_plugins.size(), std::size_t(1));
        QVERIFY(!m_plugins.front().widgets.empty());
    }

    void eachSizeOfEachWidgetHasItsPictureAndAnAddButtonThatAsksForIt()
    {
        WidgetGallery gallery(m_plugins);
        gallery.present();
        std::vector<std::pair<std::string, WidgetFamily>> asked;
        connect(&gallery, &WidgetGallery::addRequested, this,
            [&](const std::string& kind, WidgetFamily family) { asked.emplace_back(kind, family); });
        QList<QPushButton*> buttons = gallery.findChildren<QPushButton*>();
        for (QPushButton* listButton : gallery.placedWidgets().findChildren<QPushButton*>())
            buttons.removeAll(listButton);
        const QList<QLabel*> labels = gallery.findChildren<QLabel*>();
        qsizetype sizes = 0;
        for (const WidgetDescription& widget : m_plugins.front().widgets) {
            for (WidgetFamily family : widget.families) {
                ++sizes;
                // What a screen reader says of the picture, and of the button under it.
                const QString name = QString("%1, %2").arg(
                    QString::fromStdString(widget.displayName), familyDisplayTitle(family));
                const auto picture = std::find_if(labels.begin(), labels.end(),
                    [&](const QLabel* label) { return label->accessibleName() == name; });
                QVERIFY2(picture != labels.end(), qPrintable("no picture named " + name));
                QVERIFY2(!(*picture)->pixmap().isNull(), qPrintable("no picture drawn for " + name));
                const auto add = std::find_if(buttons.begin(), buttons.end(),
                    [&](const QPushButton* button) { return button->accessibleDescription() == name; });
                QVERIFY2(add != buttons.end(), qPrintable("no Add button for " + name));
                (*add)->click();
                QVERIFY2(!asked.empty() && asked.back() == std::make_pair(widget.kind, family),
                    qPrintable("the Add button of " + name + " asked for another widget"));
            }
        }
        QCOMPARE(buttons.size(), sizes);
        QCOMPARE(asked.size(), std::size_t(sizes));
    }

    void theNoteShowsOnlyWhileItSaysSomething()
    {
        WidgetGallery gallery(m_plugins);
        gallery.present();
        auto* note = gallery.findChild<QLabel*>("galleryNote");
        QVERIFY(note);
        QVERIFY2(!note->isVisible(), "an empty note is shown before anything is said");
        const std::pair<QString, bool> steps[] = {
            {"No widget plug-in was found.", true},
            {"", false},
            {"The last change to your widgets could not be saved.\n\nPlaced the Clock widget.", true},
        };
        for (const auto& [text, shown] : steps) {
            gallery.setNote(text);
            QCOMPARE(gallery.note(), text);
            QVERIFY2(note->isVisible() == shown, qPrintable("after the note \"" + text + "\""));
        }
    }

    void closingTheWindowSaysSoForTheProgramToEnd()
    {
        WidgetGallery gallery(m_plugins);
        gallery.present();
        bool closed = false;
        connect(&gallery, &WidgetGallery::closed, this, [&] { closed = true; });
        gallery.close();
        QVERIFY(closed);
        QVERIFY(!gallery.isVisible());
    }

    void aScreenReaderAndTheKeyboardFindEveryAddButton()
    {
        WidgetGallery gallery(m_plugins);
        gallery.present();
        QStringList faults = quillon::testing::accessibilityFaults(gallery);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        gallery.placedWidgets().setList(twoWidgets());
        faults = quillon::testing::accessibilityFaults(gallery);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // Each widget by its name, size, screen and what it shows; as the texts change each minute, the
    // widget chosen stays chosen, and where one goes, the one in its place is.
    void thePlacedWidgetsAreListedAndTheChosenOneKeptAsTheListChanges()
    {
        PlacedWidgetsPanel panel;
        panel.setList({});
        QVERIFY(panel.list()->isHidden());
        QListWidget& list = *panel.list();
        panel.setList(twoWidgets());
        QVERIFY(!list.isHidden());
        QCOMPARE(list.count(), 2);
        QCOMPARE(
            list.item(0)->text(), QString::fromUtf8("World Board, Medium, on HDMI-1 \u2014 London 14:05"));
        QCOMPARE(list.item(1)->text(), QString("Clock, Small, on DP-2"));
        QCOMPARE(list.accessibleName(), QString("Placed Widgets"));
        list.setCurrentRow(1);

        PlacedWidgetList later = twoWidgets();
        later.widgets[0].text = "London 14:06";
        panel.setList(later);
        QCOMPARE(
            list.item(0)->text(), QString::fromUtf8("World Board, Medium, on HDMI-1 \u2014 London 14:06"));
        QCOMPARE(list.currentRow(), 1);

        later.widgets.erase(later.widgets.begin());
        panel.setList(later);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.currentRow(), 0);
        QVERIFY(list.item(0)->text().startsWith("Clock"));
        later.widgets.clear();
        panel.setList(later);
        QVERIFY(list.isHidden());
    }

    // What the buttons, the keys and the size menu ask for is the chosen widget's; what a widget
    // cannot do is not offered.
    void theButtonsAndKeysAskForTheChosenWidget()
    {
        PlacedWidgetsPanel panel;
        panel.setList(twoWidgets());
        std::vector<QString> asked;
        connect(&panel, &PlacedWidgetsPanel::editRequested, this,
            [&](const QString& id) { asked.push_back("edit " + id); });
        connect(&panel, &PlacedWidgetsPanel::removeRequested, this,
            [&](const QString& id) { asked.push_back("remove " + id); });
        connect(
            &panel, &PlacedWidgetsPanel::sizeRequested, this, [&](const QString& id, WidgetFamily family) {
                asked.push_back("size " + id + " " + rawValue(family));
            });
        const auto button = [&](const QString& text) {
            const QList<QPushButton*> buttons = panel.findChildren<QPushButton*>();
            const auto found = std::find_if(buttons.begin(), buttons.end(),
                [&](const QPushButton* candidate) { return candidate->text() == text; });
            return found == buttons.end() ? nullptr : *found;
        };
        QPushButton* edit = button(QString::fromUtf8("Edit Widget\u2026"));
        QPushButton* size = button("Size");
        QPushButton* move = button("Move to Screen");
        QPushButton* remove = button("Remove Widget");
        QVERIFY(edit && size && move && remove);

        panel.list()->setCurrentRow(0);
        QVERIFY(edit->isEnabled() && size->isEnabled() && !move->isHidden());
        QCOMPARE(remove->accessibleDescription(), QString("World Board, Medium, on HDMI-1"));
        edit->click();
        emit size->menu()->aboutToShow();
        const QList<QAction*> sizes = size->menu()->actions();
        QCOMPARE(sizes.size(), 2);
        QVERIFY(!sizes[0]->isChecked() && sizes[1]->isChecked());
        sizes[0]->trigger();

        panel.list()->setCurrentRow(1);
        QVERIFY(!edit->isEnabled() && !size->isEnabled());
        QTest::keyClick(panel.list(), Qt::Key_Delete);
        remove->click();
        QCOMPARE(
            asked, (std::vector<QString> {"edit 7-1", "size 7-1 systemSmall", "remove 7-2", "remove 7-2"}));

        PlacedWidgetList oneScreen = twoWidgets();
        oneScreen.screens = {};
        panel.setList(oneScreen);
        QVERIFY(move->isHidden());
    }

private:
    static PlacedWidgetList twoWidgets()
    {
        return {
            {{"7-1", "World Board", WidgetFamily::systemMedium,
                 {WidgetFamily::systemSmall, WidgetFamily::systemMedium}, "London 14:05", "HDMI-1", true},
                {"7-2", "Clock", WidgetFamily::systemSmall, {WidgetFamily::systemSmall}, "", "DP-2", false}},
            {"HDMI-1", "DP-2"}};
    }

    std::vector<LoadedPlugin> m_plugins;
};

QTEST_MAIN(WidgetGalleryTest)
#include "widget_gallery_test.moc"
