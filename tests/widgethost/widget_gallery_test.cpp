// The settings program's gallery over the real plug-in: a picture and an Add button for each size of
// each widget, each button saying which widget it adds and asking for that one, a note shown only
// while it says something, and what a screen reader and the keyboard find in it.
#include "widgethost/settings/widget_gallery.h"

#include "tests/support/accessibility_checks.h"

#include <QLabel>
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
        const QList<QPushButton*> buttons = gallery.findChildren<QPushButton*>();
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
        const QStringList faults = quillon::testing::accessibilityFaults(gallery);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

private:
    std::vector<LoadedPlugin> m_plugins;
};

QTEST_MAIN(WidgetGalleryTest)
#include "widget_gallery_test.moc"
