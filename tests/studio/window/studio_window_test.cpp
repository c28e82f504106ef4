// The studio window: full view, the settings column, the how-to popover, links, and the stage.
#include "names/display_names.h"
#include "studio/controls/focus_ring.h"
#include "studio/inspector/board_city_list.h"
#include "studio/window/studio_window.h"

#include "platform/info/build_info.h"
#include "tests/support/recording_update_engine.h"
#include "updater/updater.h"

#include "render/dot_painter.h"
#include "tests/support/accessibility_checks.h"
#include "tests/support/memory_state_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QDebug>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

using namespace quillon;

namespace {

class SilentReloader final : public TimelineReloader {
public:
    void reloadAllTimelines() override { }
};

using CountingEngine = testing::RecordingUpdateEngine;

// The regions of a widget's paint events, as Qt asked for them.
class PaintRecorder final : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class StudioWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The window keeps its frame in the program's settings: here in Qt's test location, not the user's.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("LC_ALL", "en_US.UTF-8");
    }

    void init()
    {
        m_store = std::make_unique<testing::MemoryStateStore>(
            StudioState::makeDefault(Instant::fromUnixSeconds(1796000000), Calendar(TimeZone::utc(), 1, 1)));
        m_window = std::make_unique<StudioWindow>(*m_store, m_reloader);
        m_window->show();
        QVERIFY2(QTest::qWaitForWindowExposed(m_window.get(), 20000), "the window was not shown within 20 s");
    }
    void cleanup() { m_window.reset(); }

    void fullViewHidesThePanelsAndLeavingShowsThemAgain()
    {
        StudioWindow& window = *m_window;
        window.toggleWidgetSettings();
        QVERIFY(!window.isInspectorShown());
        window.toggleFullView();
        QVERIFY(window.isPresenting());
        QVERIFY(!window.sidebarList()->isVisible());
        QVERIFY(!window.widgetSettingsMenuAction()->isEnabled());
        QVERIFY(!window.sidebarMenuAction()->isEnabled()); // nothing it could show there
        QCOMPARE(window.fullViewAction()->text(), QString("Exit Full View"));
        QCOMPARE(window.fullViewAction()->toolTip(), QString("Exit full view (Esc)"));

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isPresenting());
        // leaving full view shows the settings even if they were hidden
        QVERIFY(window.isInspectorShown());
        QVERIFY(window.sidebarList()->isVisible());
        QVERIFY(window.widgetSettingsMenuAction()->isEnabled());
        QVERIFY(window.sidebarMenuAction()->isEnabled());

        QTest::keyClick(&window, Qt::Key_Escape);
        // outside full view Escape does nothing
        QVERIFY(!window.isPresenting());
    }

    void howToFromFullViewOrAHiddenSidebarOpensAfterAMoment()
    {
        StudioWindow& window = *m_window;
        for (bool fromFullView : {true, false}) {
            if (fromFullView)
                window.toggleFullView();
            else
                window.setSidebarShown(false);
            QElapsedTimer clock;
            clock.start();
            window.showHowToAdd();
            QVERIFY(!window.isPresenting());
            QVERIFY(window.isSidebarShown());
            QVERIFY(!window.isHowToShown());
            QTRY_VERIFY2_WITH_TIMEOUT(window.isHowToShown(),
                qPrintable(QString("not shown after %1 ms").arg(clock.elapsed())), 15000);
            QCOMPARE_GE(clock.elapsed(), qint64 {400});
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY2(popup, "the how-to is shown, yet no popup is active");
            QTest::keyClick(popup, Qt::Key_Escape);
            QTRY_VERIFY2_WITH_TIMEOUT(!window.isHowToShown(), "still shown after Escape", 15000);
        }
        window.showHowToAdd();
        // with the button in view it opens at once
        QVERIFY(window.isHowToShown());
    }

    void aLinkSelectsTheKindLeavesFullViewAndShowsTheSettings()
    {
        StudioWindow& window = *m_window;
        window.toggleWidgetSettings();
        window.toggleFullView();
        QVERIFY(window.model().openLink("quillon://widget/countdown"));
        QCOMPARE(window.windowTitle(), QString("Countdown — Quillon"));
        QVERIFY(!window.isPresenting());
        QVERIFY(window.isInspectorShown());
        QCOMPARE(window.sidebarList()->currentRow(), static_cast<int>(DotWidgetKind::countdown));
        QTRY_VERIFY2_WITH_TIMEOUT(window.sidebarList()->hasFocus(), qPrintable(focusDescription()), 15000);
    }

    // Every control whole and inside the stage, at the smallest window and the default one, for a
    // kind with three sizes and one with four; the bar is placed again when only its contents
    // change.
    void everyControlStaysWholeAtEverySize()
    {
        const auto describe = [&](const QWidget* control) {
            QString text;
            QDebug(&text).nospace() << control->accessibleName() << " at "
                                    << QRect(control->mapTo(m_window.get(), QPoint(0, 0)), control->size())
                                    << " wants " << control->sizeHint().width() << " wide; window "
                                    << m_window->size();
            return text;
        };
        // Whole: as wide as it asks to be, and within the stage it floats on.
        const auto isWhole = [&](const QWidget* control) {
            const QRect stage(QPoint(0, 0), m_window->stage()->size());
            const QRect at(control->mapTo(m_window->stage(), QPoint(0, 0)), control->size());
            return control->isVisible() && stage.contains(at)
                && control->width() >= control->sizeHint().width();
        };
        ControlBar* bar = m_window->stage()->controlBar();
        const auto columnWidths = [&] {
            return std::make_pair(m_window->sidebarList()->width(), m_window->inspector()->width());
        };
        m_window->resize(StudioWindow::kDefaultSize);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->size(), StudioWindow::kDefaultSize, 15000);
        const auto defaultColumns = columnWidths();
        for (const QSize windowSize : {StudioWindow::kMinimumSize, StudioWindow::kDefaultSize}) {
            m_window->model().selectKind(DotWidgetKind::worldBoard);
            m_window->resize(windowSize);
            QTRY_COMPARE_WITH_TIMEOUT(m_window->size(), windowSize, 15000);
            // Only the contents change: a kind with four sizes.
            m_window->model().selectKind(DotWidgetKind::sign);
            QTRY_VERIFY2_WITH_TIMEOUT(
                isWhole(bar->sizePicker()), qPrintable(describe(bar->sizePicker())), 15000);
            for (ThemeButton* swatch : bar->themeButtons())
                QVERIFY2(isWhole(swatch), qPrintable(describe(swatch)));
            m_window->model().selectKind(DotWidgetKind::worldBoard);
            QTRY_VERIFY2_WITH_TIMEOUT(
                isWhole(bar->sizePicker()), qPrintable(describe(bar->sizePicker())), 15000);
            // The city rows' remove buttons stay clear of the settings column's scroll bar.
            for (QToolButton* remove : m_window->inspector()->findChildren<QToolButton*>("removeCity")) {
                QWidget* viewport = m_window->inspector()->viewport();
                const QRect at(remove->mapTo(viewport, QPoint(0, 0)), remove->size());
                QVERIFY2(QRect(QPoint(0, 0), viewport->size()).contains(at)
                        && remove->visibleRegion().boundingRect().size() == remove->size(),
                    qPrintable(describe(remove)));
            }
        }
        QVERIFY2(!bar->isInTwoRows(), "at the default size the bar is one row");
        // Back at the default size, the side columns have their widths back.
        QCOMPARE(columnWidths(), defaultColumns);
    }

    // In a small window, between the minimum and the default: every field of the settings column
    // stays within its width (the column scrolls, so only across), and the control bar keeps clear
    // of the card, for every kind at each of its sizes.
    void theSettingsFitTheColumnAndTheBarKeepsClearOfTheCardInSmallWindows()
    {
        // In the larger type of a desktop (11 points at 96 dots an inch) rather than the offscreen
        // platform's 9 points; the window is made again in it.
        const QFont font = QApplication::font();
        QFont larger = font;
        larger.setPixelSize(15);
        QApplication::setFont(larger);
        const auto restoreFont = qScopeGuard([font] { QApplication::setFont(font); });
        cleanup();
        init();
        StageView* stage = m_window->stage();
        InspectorView* inspector = m_window->inspector();
        // The shown fields that run past the column's sides, as "Class 'name' at x..right".
        const auto fieldsOutside = [&] {
            QStringList outside;
            QWidget* viewport = inspector->viewport();
            if (inspector->widget()->width() > viewport->width())
                outside << QString("the column's content is %1 wide").arg(inspector->widget()->width());
            for (QWidget* field : inspector->widget()->findChildren<QWidget*>()) {
                if (!field->isVisibleTo(inspector->widget()))
                    continue;
                const QRect at(field->mapTo(viewport, QPoint(0, 0)), field->size());
                if (at.left() < 0 || at.right() >= viewport->width())
                    outside << QString("%1 at %2..%3 of %4")
                                   .arg(testing::describeWidget(field))
                                   .arg(at.left())
                                   .arg(at.right())
                                   .arg(viewport->width());
            }
            return outside.join("; ");
        };
        // Where the bar and the card meet, if they do.
        const auto barOnCard = [&] {
            const QRectF card = stage->cardRect();
            const QRectF bar = QRectF(stage->controlBar()->geometry());
            if (!stage->controlBar()->isVisible() || !bar.intersects(card))
                return QString();
            QString text;
            QDebug(&text).nospace() << "bar " << bar << " on card " << card << " in a stage of "
                                    << stage->size() << ", window " << m_window->size();
            return text;
        };
        // The layouts follow a change on later turns of the event loop (wrapped labels on the second):
        // checked before that, a column about to grow past its viewport would still pass.
        const auto settle = [] {
            for (int pass = 0; pass < 4; ++pass)
                QCoreApplication::processEvents();
        };
        for (const QSize windowSize : {QSize(1000, 700), QSize(900, 560), StudioWindow::kMinimumSize}) {
            m_window->resize(windowSize);
            QTRY_COMPARE_WITH_TIMEOUT(m_window->size(), windowSize, 15000);
            const QString window
                = QString(" in a window of %1x%2: ").arg(windowSize.width()).arg(windowSize.height());
            for (DotWidgetKind kind : kAllWidgetKinds) {
                m_window->model().selectKind(kind);
                for (DotSize size : supportedSizes(kind)) {
                    m_window->model().setSize(size);
                    settle();
                    QVERIFY2(barOnCard().isEmpty(),
                        qPrintable(displayName(kind) + " " + displayName(size) + window + barOnCard()));
                }
                settle();
                QVERIFY2(fieldsOutside().isEmpty(), qPrintable(displayName(kind) + window + fieldsOutside()));
            }
        }
    }

    // Keyboard focus shows wherever it lands, and never looks like selection.
    void focusIsVisibleAndUnlikeSelection()
    {
        m_window->activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(m_window.get(), 20000), "the window did not become active");
        QCOMPARE(m_window->inspector()->focusPolicy(), Qt::NoFocus); // no Tab stop that shows nothing

        ThemeButton* swatch = m_window->stage()->controlBar()->themeButtons().at(2);
        QVERIFY(!swatch->isChecked());
        swatch->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(swatch->hasFocus(), 15000);
        const QImage focused = swatch->grab().toImage();
        swatch->click(); // selects its theme, keeps the focus
        QVERIFY(swatch->isChecked());
        const QImage focusedAndSelected = swatch->grab().toImage();
        m_window->sidebarList()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(!swatch->hasFocus(), 15000);
        const QImage selected = swatch->grab().toImage();
        QVERIFY2(focused != selected, "focus looks exactly like selection");
        QVERIFY2(focusedAndSelected != selected, "focus does not show on the selected swatch");

        auto* cities = m_window->inspector()->findChild<BoardCityList*>();
        QVERIFY(cities);
        auto* ring = cities->parentWidget()->findChild<FocusRing*>();
        QVERIFY(ring);
        QVERIFY2(!ring->isVisible(), qPrintable(focusDescription()));
        cities->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(ring->isVisible(), 15000);
        QCOMPARE(ring->geometry(), cities->geometry());
    }

    void everyControlIsNamedAndTabGoesFromTheSidebarToTheStageToTheSettings()
    {
        m_window->activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(m_window.get(), 20000), "the window did not become active");
        const QList<QWidget*> panes {
            m_window->sidebarList()->parentWidget(), m_window->stage(), m_window->inspector()};
        for (DotWidgetKind kind : kAllWidgetKinds) {
            m_window->model().selectKind(kind);
            const QList<QWidget*> stops = testing::walkTabOrder(*m_window->sidebarList());
            QStringList faults = testing::unnamedControls(*m_window);
            faults << testing::tabOrderFaults(*m_window, stops, panes);
            QVERIFY2(faults.isEmpty(), qPrintable(displayName(kind) + ": " + faults.join("; ")));
            // The themes are one stop, at the chosen one.
            const auto themes = std::count_if(stops.begin(), stops.end(),
                [](QWidget* stop) { return qobject_cast<ThemeButton*>(stop) != nullptr; });
            QCOMPARE(themes, 1);
        }
    }

    void theArrowsChooseAmongTheThemesAndTheFocusFollows()
    {
        m_window->activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(m_window.get(), 20000), "the window did not become active");
        const std::vector<ThemeButton*>& swatches = m_window->stage()->controlBar()->themeButtons();
        const auto chosen = [&] {
            return std::find_if(swatches.begin(), swatches.end(), [](ThemeButton* swatch) {
                return swatch->isChecked();
            }) - swatches.begin();
        };
        swatches.front()->click();
        swatches.front()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(swatches.front(), Qt::Key_Right);
        QCOMPARE(chosen(), 1);
        QCOMPARE(m_window->model().state().theme, swatches[1]->theme());
        QVERIFY(swatches[1]->hasFocus());
        // Round from the first to the last, and back.
        QTest::keyClick(swatches[1], Qt::Key_Up);
        QTest::keyClick(swatches[0], Qt::Key_Left);
        QCOMPARE(chosen(), std::ssize(swatches) - 1);
        QVERIFY(swatches.back()->hasFocus());
        QTest::keyClick(swatches.back(), Qt::Key_Down);
        QCOMPARE(chosen(), 0);
    }

    void aFailedSaveShowsANoteUntilASaveSucceeds()
    {
        auto* note = m_window->findChild<QLabel*>("saveNote");
        QVERIFY(note);
        QVERIFY(!note->isVisible());
        m_store->savesWork = false;
        m_window->model().setSignText("not kept");
        QTRY_VERIFY_WITH_TIMEOUT(note->isVisible(), 15000);
        QVERIFY2(note->text().contains("/.config/quillon is read-only"), qPrintable(note->text()));
        QVERIFY(!QApplication::activeModalWidget()); // it does not stand in the way
        m_store->savesWork = true;
        m_window->model().setSignText("kept");
        QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 15000);
    }

    void theSizePickerOffersTheKindsSizes()
    {
        SizePicker* picker = m_window->stage()->controlBar()->sizePicker();
        QCOMPARE(
            picker->sizes(), (std::vector<DotSize> {DotSize::medium, DotSize::large, DotSize::extraLarge}));
        m_window->model().selectKind(DotWidgetKind::sign);
        QCOMPARE(picker->sizes().size(), std::size_t {4});
        m_window->model().selectKind(DotWidgetKind::clock);
        QCOMPARE(picker->sizes(), (std::vector<DotSize> {DotSize::small, DotSize::medium, DotSize::large}));
        for (ThemeButton* button : m_window->stage()->controlBar()->themeButtons())
            QCOMPARE(button->accessibleName(), QString::fromStdString(themeTable()[button->theme()].name));
    }

    // A flip repaints the turning cells' rectangles; what the screen shows at its end is what
    // painting the whole stage again gives.
    void aFlipRepaintsTheTurningCellsAndEndsAsAWholeRepaint()
    {
        StageView* stage = m_window->stage();
        const QPoint at = stage->mapTo(m_window.get(), QPoint(0, 0));
        const auto screen = [&] {
            return m_window->screen()
                ->grabWindow(m_window->winId(), at.x(), at.y(), stage->width(), stage->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        // The first pixel of the card where the screen is not what painting the whole stage gives.
        const auto staleOnScreen = [&]() -> QString {
            const QImage shown = screen();
            stage->repaint();
            const QImage whole = screen();
            const QRect card = stage->cardRect().toAlignedRect() & QRect(QPoint(0, 0), shown.size());
            for (int y = card.top(); y <= card.bottom(); ++y) {
                for (int x = card.left(); x <= card.right(); ++x) {
                    if (shown.pixel(x, y) != whole.pixel(x, y))
                        return QString(
                            "%1, %2 (#%3 on the screen, #%4 painted whole; the card at %5, %6, %7 x %8)")
                            .arg(x)
                            .arg(y)
                            .arg(shown.pixel(x, y), 6, 16, QChar('0'))
                            .arg(whole.pixel(x, y), 6, 16, QChar('0'))
                            .arg(card.x())
                            .arg(card.y())
                            .arg(card.width())
                            .arg(card.height());
                }
            }
            return {};
        };

        m_window->model().selectKind(DotWidgetKind::worldBoard);
        m_window->model().setSize(DotSize::extraLarge);
        m_window->model().selectTheme(ThemeID::midnight); // with the halo, which reaches past its cell
        QTRY_VERIFY2_WITH_TIMEOUT(!stage->isFlipping(), "the card is still turning", 15000);
        QTest::qWait(100);
        // A change of card ends on the still card, not on its last frame growing and fading in.
        QString stale = staleOnScreen();
        QVERIFY2(stale.isEmpty(), qPrintable("after the change of size the screen differs at " + stale));

        PaintRecorder recorder;
        stage->installEventFilter(&recorder);
        m_window->model().setUse24h(!m_window->model().state().use24h);
        QTRY_VERIFY2_WITH_TIMEOUT(stage->isFlipping(), "the card did not turn", 15000);
        QTRY_VERIFY2_WITH_TIMEOUT(!stage->isFlipping(), "the card is still turning", 15000);
        QTest::qWait(100);
        stage->removeEventFilter(&recorder);
        const QRect card = stage->cardRect().toAlignedRect();
        const auto partial = std::count_if(recorder.regions.begin(), recorder.regions.end(),
            [&](const QRegion& region) { return region.boundingRect().width() < card.width() / 2; });
        QVERIFY2(partial > 3,
            qPrintable(QString("%1 of %2 paints were of a part of the card")
                           .arg(partial)
                           .arg(recorder.regions.size())));
        stale = staleOnScreen();
        QVERIFY2(stale.isEmpty(), qPrintable("after the flip the screen differs at " + stale));
    }

    void theStageShowsBackdropDotsAndTheCardInTheTheme()
    {
        m_window->model().selectTheme(ThemeID::paper);
        StageView* stage = m_window->stage();
        QTRY_VERIFY2_WITH_TIMEOUT(!stage->isFlipping(), "the card is still turning", 15000);
        const QImage picture = stage->grab().toImage();
        const double ratio = picture.devicePixelRatio();
        const auto at = [&](QPointF point) { return picture.pixelColor((point * ratio).toPoint()); };
        // A backdrop dot at (7, 7) against the bare backdrop between dots.
        QCOMPARE_NE(at({7, 7}), at({14, 14}));
        // Inside the card's corner, away from dots and tiles: the theme's panel.
        const QRectF card = stage->cardRect();
        const QColor panel = at(card.topLeft() + QPointF(12, card.height() / 2));
        const QColor expected = toQColor(themeTable()[ThemeID::paper].background);
        QVERIFY2(std::abs(panel.red() - expected.red()) <= 3 && std::abs(panel.blue() - expected.blue()) <= 3,
            qPrintable(panel.name()));
        // the card speaks its text
        QVERIFY(!stage->accessibleName().isEmpty());
    }

    void checkForUpdatesAndSettingsFollowTheKindOfBuild()
    {
        // A development build: the menu item stays on and explains; the settings say why.
        int notices = 0;
        auto developmentEngine = std::make_unique<CountingEngine>();
        CountingEngine& untouched = *developmentEngine;
        Updater development(BuildInfo {.feedURL = "  "}, std::move(developmentEngine), [&] { ++notices; });
        m_window->setUpdater(development);
        QAction* check = m_window->checkForUpdatesAction();
        QCOMPARE(check->text(), QString("Check for Updates\u2026"));
        untouched.reportCanCheck(false);
        QVERIFY(check->isEnabled());
        check->trigger();
        QCOMPARE(notices, 1);
        QCOMPARE(untouched.checks, 0);
        m_window->settingsAction()->trigger();
        SettingsView* settings = m_window->settingsView();
        QVERIFY(settings->isVisible());
        QVERIFY(
            settings->developmentNote() && !settings->automaticChecksToggle() && !settings->checkNowButton());
        QVERIFY(!settings->versionLabel()->text().isEmpty());
        QVERIFY(settings->websiteLink()->text().contains(">quillon.com<"));
        QStringList faults = testing::accessibilityFaults(*settings);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        settings->close();

        // A release build: the item and "Check Now" follow whether a check may start.
        cleanup();
        init();
        auto releaseEngine = std::make_unique<CountingEngine>();
        CountingEngine& engine = *releaseEngine;
        Updater release(BuildInfo {.feedURL = "https://quillon.com/appcast.xml"}, std::move(releaseEngine),
            [&] { ++notices; });
        m_window->setUpdater(release);
        check = m_window->checkForUpdatesAction();
        QVERIFY(check->isEnabled());
        engine.reportCanCheck(false);
        QVERIFY(!check->isEnabled());
        engine.reportCanCheck(true);
        check->trigger();
        QCOMPARE(engine.checks, 1);
        QCOMPARE(m_window->settingsAction()->shortcut(), QKeySequence("Ctrl+,"));
        m_window->settingsAction()->trigger();
        settings = m_window->settingsView();
        QCOMPARE(settings->lastCheckedLabel()->text(), QString("Never"));
        QVERIFY(!settings->automaticChecksToggle()->isChecked());
        settings->automaticChecksToggle()->click();
        QCOMPARE(engine.writes, 1);
        QVERIFY(engine.automatic);
        faults = testing::accessibilityFaults(*settings);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        settings->close();
        // Opened again, the window reads the values anew.
        engine.lastCheck
            = m_window->model().now() + -2 * 3600.0; // the studio's time, which the view tells from
        engine.reportCanCheck(false);
        m_window->settingsAction()->trigger();
        QCOMPARE(settings->lastCheckedLabel()->text(), QString("2 hours ago"));
        QVERIFY(!settings->checkNowButton()->isEnabled());
        QCOMPARE(engine.writes, 1);
        QCOMPARE(notices, 1);
    }

private:
    static QString focusDescription()
    {
        const QWidget* focused = QApplication::focusWidget();
        if (!focused)
            return "nothing has the focus";
        return QString("the focus is on a %1 named \"%2\"")
            .arg(focused->metaObject()->className(), focused->objectName());
    }

    std::unique_ptr<testing::MemoryStateStore> m_store;
    SilentReloader m_reloader;
    std::unique_ptr<StudioWindow> m_window;
};

QTEST_MAIN(StudioWindowTest)
#include "studio_window_test.moc"
