// One widget window driven as a pointer drives it: where a click ends and a drag begins, what a drag
// keeps, what the menu offers, and what a size change asks of the plug-in; and which widget windows
// another program's desktop window has come over.
#include "widgethost/desktops/open_windows.h"
#include "widgethost/desktops/widget_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <memory>

using namespace quillon::widgethost;

namespace {

// A plug-in with one widget whose face links to a fixed address.
class LinkingPlugin final : public WidgetPlugin {
public:
    mutable std::atomic<int> timelines = 0;

    std::vector<WidgetDescription> widgets() const override { return {}; }
    TimelineEntry placeholder(const std::string&, const HostContext& context) const override
    {
        return {context.now, nullptr};
    }
    TimelineEntry snapshot(const std::string&, const std::string&, const HostContext& context) const override
    {
        return {context.now, nullptr};
    }
    Timeline timeline(const std::string&, const std::string&, const HostContext& context) const override
    {
        ++timelines;
        return {{{context.now, nullptr}}, ReloadPolicy::never};
    }
    Face content(const std::string&, const TimelineEntry&, WidgetFamily) const override
    {
        return {[](QPainter&, const QRectF&) {}, Qt::black, "quillon://widget/clock", "Clock"};
    }
    std::vector<Entity> entities(const std::string&, const std::vector<std::string>&) const override
    {
        return {};
    }
    std::vector<Entity> searchEntities(const std::string&, const std::string&) const override { return {}; }
    std::vector<Entity> suggestedEntities(const std::string&) const override { return {}; }
};

WidgetDescription clockDescription(bool configurable)
{
    WidgetDescription description;
    description.kind = "DotClock";
    description.displayName = "Clock";
    description.families = {WidgetFamily::systemSmall, WidgetFamily::systemMedium};
    if (configurable) {
        ConfigurationParameter theme;
        theme.key = "theme";
        description.configuration.parameters.push_back(theme);
    }
    return description;
}

PlacedWidget placedClock(WidgetFamily family, double x = 0, double y = 0)
{
    PlacedWidget placed;
    placed.plugin = "lampwork";
    placed.kind = "DotClock";
    placed.family = family;
    placed.x = x;
    placed.y = y;
    return placed;
}

} // namespace

// Records the links the window hands to the desktop.
class LinkRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

class WidgetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_links.opened.clear();
        QDesktopServices::setUrlHandler("quillon", &m_links, "open");
        // A bus that cannot be reached, whatever the machine's session has.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillon-test-bus");
    }

    void cleanup() { QDesktopServices::unsetUrlHandler("quillon"); }

    void aClickOpensTheLinkAndADragMovesTheWidgetAndKeepsItsPlace()
    {
        LiveWidget widget(m_plugin, clockDescription(false), placedClock(WidgetFamily::systemSmall, 100, 80));
        WidgetWindow window(widget);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy changed(&widget, &LiveWidget::changed);
        const QPoint start = window.pos();
        const QPoint grip(20, 20);

        // A wobble shorter than the drag distance is still a click.
        press(window, grip);
        moveBy(window, grip, QPoint(QApplication::startDragDistance() - 1, 0));
        release(window, grip);
        QCOMPARE(window.pos(), start);
        // No studio answers on the bus here: the link goes to the desktop's handler once the bus
        // has said so.
        QTRY_COMPARE_WITH_TIMEOUT(m_links.opened, QList<QUrl> {QUrl("quillon://widget/clock")}, 15000);
        QCOMPARE(changed.count(), 0);

        press(window, grip);
        moveBy(window, grip, QPoint(40, 25));
        QCOMPARE(window.pos(), start + QPoint(40, 25));
        release(window, grip);
        QCOMPARE(m_links.opened.size(), 1); // a drag opens nothing
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QPoint(int(widget.placed().x), int(widget.placed().y)), start + QPoint(40, 25));

        // Other buttons neither click nor drag.
        QTest::mouseClick(&window, Qt::MiddleButton, {}, grip);
        QCOMPARE(m_links.opened.size(), 1);
    }

    // Qt hands a window that takes no touches a finger as a mouse: the same click and drag.
    void aTapOpensTheLinkAndAFingerDragsTheWidget()
    {
        LiveWidget widget(m_plugin, clockDescription(false), placedClock(WidgetFamily::systemSmall, 100, 80));
        WidgetWindow window(widget);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        const QPoint start = window.pos();
        const QPoint grip(20, 20);

        QTest::touchEvent(&window, screen.get()).press(0, grip, &window);
        QTest::touchEvent(&window, screen.get()).release(0, grip, &window);
        QTRY_COMPARE_WITH_TIMEOUT(m_links.opened, QList<QUrl> {QUrl("quillon://widget/clock")}, 15000);

        QTest::touchEvent(&window, screen.get()).press(0, grip, &window);
        // The finger stays on the grip while the window follows it: each point is where the finger
        // is on the screen, given before the window moves.
        const QPoint halfway = window.mapToGlobal(grip + QPoint(20, 10));
        const QPoint lifted = window.mapToGlobal(grip + QPoint(40, 25));
        QTest::touchEvent(&window, screen.get()).move(0, window.mapFromGlobal(halfway), &window);
        QTest::touchEvent(&window, screen.get()).move(0, window.mapFromGlobal(lifted), &window);
        QTest::touchEvent(&window, screen.get()).release(0, window.mapFromGlobal(lifted), &window);
        QCOMPARE(window.pos(), start + QPoint(40, 25));
        QCOMPARE(QPoint(int(widget.placed().x), int(widget.placed().y)), start + QPoint(40, 25));
        QCOMPARE(m_links.opened.size(), 1);
    }

    void aNewSizeResizesTheWindowAndAsksForANewTimeline()
    {
        LiveWidget widget(m_plugin, clockDescription(false), placedClock(WidgetFamily::systemSmall));
        WidgetWindow window(widget);
        QTRY_VERIFY(m_plugin.timelines > 0);
        const int before = m_plugin.timelines;
        QSignalSpy changed(&widget, &LiveWidget::changed);
        widget.setFamily(WidgetFamily::systemMedium);
        QCOMPARE(window.size(), familyPointSize(WidgetFamily::systemMedium).toSize());
        QCOMPARE(widget.placed().family, WidgetFamily::systemMedium);
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY(m_plugin.timelines > before);
    }

    void theMenuOffersEditingOnlyWhereThereIsSomethingToEditAndChecksTheCurrentSize()
    {
        for (bool configurable : {false, true}) {
            LiveWidget widget(
                m_plugin, clockDescription(configurable), placedClock(WidgetFamily::systemMedium));
            WidgetWindow window(widget);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QStringList expected = configurable
                ? QStringList {"Edit Widget\u2026", "Size", "Remove Widget", "", "Edit Widgets\u2026"}
                : QStringList {"Size", "Remove Widget", "", "Edit Widgets\u2026"};
            QCOMPARE(menuOf(window), expected);
            QCOMPARE(m_sizes, (QStringList {"Small", "Medium (checked)"}));
        }
    }

    // Windows by letter, in a window manager's stacking order from the bottom up: capitals are the
    // widgets, "d" another program's desktop window, "n" any other window.
    void theWidgetsAnotherDesktopCoversAreRaisedFromTheLowestUp_data()
    {
        QTest::addColumn<QString>("stacking");
        QTest::addColumn<QString>("covered");
        QTest::addColumn<QString>("asked");
        const struct {
            const char* name;
            const char* stacking;
            const char* covered;
            const char* asked;
        } rows[] = {
            {"the desktop under the widgets", "dABn", "", "n"},
            {"the desktop clicked, over all of them", "ABdn", "AB", "nd"},
            {"in their own order, whichever was shown first", "BAdn", "BA", "nd"},
            {"the desktop between them", "AdBn", "A", "nd"},
            {"two desktops", "AdBdC", "AB", "d"},
            {"no desktop at all", "nAnBn", "", "nn"},
            {"no widgets", "dnd", "", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString(row.stacking) << QString(row.covered) << QString(row.asked);
    }

    void theWidgetsAnotherDesktopCoversAreRaisedFromTheLowestUp()
    {
        QFETCH(QString, stacking);
        const auto windows = [](const QString& letters) {
            std::vector<WId> ids;
            for (const QChar letter : letters)
                ids.push_back(letter.unicode());
            return ids;
        };
        std::vector<WId> own;
        for (const QChar letter : stacking) {
            if (letter.isUpper())
                own.push_back(letter.unicode());
        }
        const auto letters = [](const std::vector<WId>& ids) {
            QString text;
            for (const WId id : ids)
                text += QChar(static_cast<char16_t>(id));
            return text;
        };
        std::vector<WId> asked;
        const std::vector<WId> covered = windowsUnderOtherDesktops(windows(stacking), own, [&](WId window) {
            asked.push_back(window);
            return window == 'd';
        });
        QTEST(letters(covered), "covered");
        // Each question is a round trip to the X server: none about windows the answer cannot change.
        QTEST(letters(asked), "asked");
    }

private:
    static void send(WidgetWindow& window, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, window.mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    static void press(WidgetWindow& window, QPoint at)
    {
        send(window, QEvent::MouseButtonPress, at, Qt::LeftButton);
    }
    // The pointer stays on the grip while the window follows it, so the move is given in the window's
    // coordinates before the window moves.
    static void moveBy(WidgetWindow& window, QPoint grip, QPoint by)
    {
        send(window, QEvent::MouseMove, grip + by, Qt::LeftButton);
    }
    static void release(WidgetWindow& window, QPoint at)
    {
        send(window, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    // The texts of the widget's menu, read while it is open, and of its Size submenu into m_sizes.
    QStringList menuOf(WidgetWindow& window)
    {
        QStringList texts;
        m_sizes.clear();
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu && waited.elapsed() < 5000)
                return;
            poll.stop();
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                texts << action->text();
                if (action->menu()) {
                    for (QAction* size : action->menu()->actions())
                        m_sizes << size->text() + (size->isChecked() ? " (checked)" : "");
                }
            }
            menu->close();
        });
        poll.start(10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), window.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&window, &event);
        if (texts.isEmpty())
            qWarning("no menu opened within 5 s");
        return texts;
    }

    LinkingPlugin m_plugin;
    LinkRecorder m_links;
    QStringList m_sizes;
};

QTEST_MAIN(WidgetWindowTest)
#include "widget_window_test.moc"
