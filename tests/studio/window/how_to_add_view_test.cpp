// The how-to popover as it is drawn, each step's number on the line of its text, and as a screen
// reader and the keyboard find it.
#include "studio/window/how_to_add_view.h"

#include "platform/session_bus/widget_host_bus.h"

#include "tests/support/accessibility_checks.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using namespace quillon;

namespace {

// The first row, within `columns` of `area`, holding a pixel far from `background`.
int firstInkRow(const QImage& image, const QRect& area, QColor background, int columns)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x < std::min(area.left() + columns, area.right() + 1); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - background.red())
                + std::abs(pixel.green() - background.green()) + std::abs(pixel.blue() - background.blue());
            if (distance > 150)
                return y;
        }
    }
    return -1;
}

} // namespace

class HowToAddViewTest : public QObject {
    Q_OBJECT

private slots:
    // Digits and the capitals the steps begin with rise to about the same height above a shared
    // baseline, so their tops line up to a pixel or two when the baselines do.
    void eachStepNumberStandsOnItsTextsFirstLine()
    {
        QWidget window;
        window.resize(600, 500);
        HowToAddView view(&window);
        view.resize(360, view.sizeHint().height());
        view.show();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        const QList<QLabel*> numbers = view.findChildren<QLabel*>("stepNumber");
        const QList<QLabel*> texts = view.findChildren<QLabel*>("stepText");
        QCOMPARE(numbers.size(), 3);
        QCOMPARE(texts.size(), 3);
        const QImage image = view.grab().toImage();
        for (int index = 0; index < numbers.size(); ++index) {
            const QRect number(numbers[index]->mapTo(&view, QPoint(0, 0)), numbers[index]->size());
            const QRect text(texts[index]->mapTo(&view, QPoint(0, 0)), texts[index]->size());
            // The digit's column of the badge, against the badge's own fill above it.
            const QRect digit = number.adjusted(6, 0, -6, 0);
            const QColor badgeFill = image.pixelColor(number.center().x(), number.top() + 2);
            const int digitTop = firstInkRow(image, digit.adjusted(0, 3, 0, 0), badgeFill, digit.width());
            const int textTop = firstInkRow(image, text, image.pixelColor(text.right(), text.top()), 8);
            QVERIFY2(
                digitTop >= 0 && textTop >= 0, qPrintable(QString("step %1: no ink found").arg(index + 1)));
            QVERIFY2(std::abs(digitTop - textTop) <= 2,
                qPrintable(QString("step %1: the number's top at %2, the text's at %3")
                               .arg(index + 1)
                               .arg(digitTop)
                               .arg(textTop)));
        }
    }

    void itIsNamedAndItsButtonTakesTheKeyboard()
    {
        QWidget window;
        window.resize(600, 500);
        QPushButton anchor("Add to Desktop", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        HowToAddView view(&window);
        view.showAt(&anchor);
        QTRY_VERIFY_WITH_TIMEOUT(view.isVisible(), 15000);
        QVERIFY(!view.accessibleName().isEmpty());
        QVERIFY(!view.findChildren<QPushButton*>().isEmpty());
        const QStringList faults = testing::accessibilityFaults(view);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // Place on Desktop answers in the popover: it waits for the desktop, then says where the
    // widget went or why not; the next opening starts without the old answer.
    void placingSaysItWaitsThenGivesTheAnswer()
    {
        QWidget window;
        window.resize(600, 500);
        QPushButton anchor("Add to Desktop", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        HowToAddView view(&window);
        view.showAt(&anchor);
        QTRY_VERIFY_WITH_TIMEOUT(view.isVisible(), 15000);
        QCOMPARE(view.answer(), QString());
        auto* place = view.findChild<QPushButton*>();
        QSignalSpy asked(&view, &HowToAddView::placeOnDesktopRequested);
        place->click();
        QCOMPARE(asked.count(), 1);
        QVERIFY(view.isVisible());
        QVERIFY(view.isPlacing());
        QVERIFY(!place->isEnabled()); // one request at a time
        QVERIFY(!view.answer().isEmpty());

        const int heightBefore = view.height();
        const QString refusal
            = "Quillon Widgets could not start (Process com.quillon.WidgetHost exited with status 1). "
              "Run quillon-widgets in a terminal to see why.";
        view.showAnswer(false, refusal);
        QCOMPARE(view.answer(), refusal);
        QVERIFY(place->isEnabled());
        QVERIFY(!view.isPlacing());
        QVERIFY(view.height() >= heightBefore); // the whole answer shows
        auto* answer = view.findChild<QLabel*>("placeAnswer");
        QVERIFY(answer && answer->isVisible());
        QCOMPARE(answer->accessibleName(), refusal);

        view.hide();
        view.showAt(&anchor);
        QCOMPARE(view.answer(), QString());
    }

    void aBusErrorIsSaidInWordsThatNameTheCause()
    {
        const struct {
            const char* name;
            const char* message;
            const char* words;
        } cases[] = {
            {"org.freedesktop.DBus.Error.ServiceUnknown", "The name is not activatable", "not installed"},
            {"org.freedesktop.DBus.Error.Spawn.ChildExited",
                "Process com.quillon.WidgetHost exited with status 1",
                "could not start (Process com.quillon.WidgetHost exited with status 1)"},
            {"org.freedesktop.DBus.Error.Spawn.ExecFailed", "Failed to execute program", "could not start"},
            {"org.freedesktop.DBus.Error.NoReply", "Did not receive a reply", "did not answer"},
            {"org.freedesktop.DBus.Error.AccessDenied", "Rejected",
                "could not be reached: org.freedesktop.DBus.Error.AccessDenied (Rejected)"},
        };
        for (const auto& c : cases) {
            const QString words = unreachableHostReason(c.name, c.message);
            QVERIFY2(words.contains(c.words), qPrintable(QString(c.name) + ": " + words));
        }
        QVERIFY(unreachableHostReason("x.Error", QString(5000, 'm')).size() < 600);
    }
};

QTEST_MAIN(HowToAddViewTest)
#include "how_to_add_view_test.moc"
