// Window layout, full view, menus and the links that bring it forward.
#include "studio/window/studio_window.h"

#include "names/display_names.h"
#include "platform/accessibility/accessible_list_widget.h"
#include "platform/accessibility/announcer.h"
#include "platform/info/build_info.h"
#include "platform/session_bus/session_bus.h"
#include "platform/session_bus/widget_host_bus.h"
#include "platform/translations/store_report_text.h"
#include "studio/controls/return_presses_buttons.h"
#include "studio/controls/symbols.h"
#include "studio/window/board_change_text.h"
#include "studio/window/window_frame_autosave.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDateTime>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QSysInfo>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quillon {
namespace {

constexpr int kSidebarMinimum = 190;
constexpr int kSidebarIdeal = 210;
constexpr int kSidebarMaximum = 260;
constexpr int kInspectorMinimum = 260;
constexpr int kInspectorIdeal = 290;
constexpr int kInspectorMaximum = 360;

// A new message to support, with the version of the studio and of the system it runs on.
QUrl supportMail()
{
    const BuildInfo& info = thisBuild();
    const QString version
        = QString::fromStdString(info.version) + " (" + QString::fromStdString(info.build) + ")";
    QUrl mail(QString("mailto:") + QUILLON_SUPPORT_EMAIL);
    QUrlQuery query;
    //: The subject of a new mail to Quillon's support, in the user's mail program
    query.addQueryItem("subject", QCoreApplication::translate("quillon::StudioWindow", "Quillon support"));
    query.addQueryItem(
        "body", QString("\n\n\u2014\nQuillon ") + version + ", Linux " + QSysInfo::prettyProductName());
    mail.setQuery(query);
    return mail;
}

// What the studio says of its settings file: nothing when all is well.
QString storeNoteText(const StoreReport& report, bool saveFailed)
{
    if (report.ok())
        return {};
    const QString reason = storeProblemReason(report);
    if (saveFailed) {
        //: The note under the window when a change could not be saved; %1 says why, as in "the
        //: folder ~/.config/quillon is read-only"
        return StudioWindow::tr(
            "Your changes could not be saved: %1. The settings file is unchanged; your next change is saved "
            "once it can be.")
            .arg(reason);
    }
    if (!report.keptAs.empty()) {
        //: The note under the window when the saved settings could not be read at start; %1 says why,
        //: %2 is where the unreadable file was moved
        return StudioWindow::tr(
            "Your saved settings could not be read: %1. The studio started with the defaults, and kept the "
            "file as %2.")
            .arg(reason, pathForPeople(report.keptAs));
    }
    //: The note under the window when the saved settings could not be read at start and could not be
    //: moved aside; %1 says why
    return StudioWindow::tr(
        "Your saved settings could not be read: %1. The studio started with the defaults and leaves the file "
        "as it is.")
        .arg(reason);
}

} // namespace

StudioWindow::StudioWindow(StateStore& store, TimelineReloader& reloader, QWidget* parent)
    : QMainWindow(parent)
    , m_model(std::make_unique<StudioModel>(store, reloader, Instant::now()))
{
    setMinimumSize(kMinimumSize);
    resize(kDefaultSize);
    letReturnPressButtons(*this);
    m_announcer = new Announcer(this);

    // Made in reading order, which Tab follows: the sidebar, the stage, the settings column.
    QWidget* sidebar = makeSidebar();
    m_stage = new StageView(*m_model, this);
    m_columns = new QSplitter(Qt::Horizontal, this);
    m_columns->setChildrenCollapsible(false);
    m_columns->addWidget(sidebar);
    m_columns->addWidget(m_stage);
    m_columns->addWidget(makeInspector());
    m_columns->setStretchFactor(1, 1);
    m_preferredSidebarWidth = kSidebarIdeal;
    m_preferredInspectorWidth = kInspectorIdeal;
    m_columns->setSizes(
        {kSidebarIdeal, kDefaultSize.width() - kSidebarIdeal - kInspectorIdeal, kInspectorIdeal});
    connect(m_columns, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_columns->sizes();
        if (sizes[0] > 0)
            m_preferredSidebarWidth = sizes[0];
        if (sizes[2] > 0)
            m_preferredInspectorWidth = sizes[2];
    });
    setCentralWidget(m_columns);

    // A failed save, or saved settings that could not be read, are said with the reason where they
    // do not stand in the way.
    m_saveNote = new QLabel(this);
    m_saveNote->setObjectName("saveNote");
    m_saveNote->setWordWrap(true);
    m_saveNote->setTextFormat(Qt::PlainText);
    m_saveNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_saveNote, 1);
    const auto showSaveState = [this] {
        m_saveNote->setText(storeNoteText(m_model->storeReport(), m_model->isSaveFailed()));
        statusBar()->setVisible(!m_saveNote->text().isEmpty());
    };
    connect(m_model.get(), &StudioModel::storeReportChanged, this, showSaveState);
    showSaveState();

    m_howTo = new HowToAddView(this);
    connect(m_howTo, &HowToAddView::closed, this, [this] { m_addToDesktop->setDown(false); });
    // The bus starts the desktop widget host when it is not running; its answer, or the bus's,
    // comes back to the popover, which opens again for it if it was closed meanwhile.
    connect(m_howTo, &HowToAddView::placeOnDesktopRequested, this, [this] {
        const DotWidgetKind kind = m_model->state().kind;
        askHostToPlaceWidget(widgetKindString(kind), widgetFamilyName(m_model->sizeForKind(kind)),
            [howTo = QPointer(m_howTo), anchor = QPointer(m_addToDesktop), announcer = QPointer(m_announcer)](
                bool placed, const QString& message) {
                if (!howTo || !anchor)
                    return;
                if (!howTo->isVisible() && anchor->isVisible())
                    howTo->showAt(anchor);
                howTo->showAnswer(placed, message);
                // The keyboard stays on the popover's button; the answer is read out.
                if (announcer)
                    announcer->announce(message);
            });
    });
    m_howToDelay.setSingleShot(true);
    m_howToDelay.setInterval(kHowToDelayMilliseconds);
    connect(&m_howToDelay, &QTimer::timeout, this, [this] { m_howTo->showAt(m_addToDesktop); });

    makeToolbarAndMenus();
    updateTitleAndSelection();
    new WindowFrameAutosave(*this, "studio", m_programSettings);

    connect(m_model.get(), &StudioModel::kindChanged, this, [this] {
        updateTitleAndSelection();
        focusSidebar();
    });
    connect(m_model.get(), &StudioModel::linkOpened, this, &StudioWindow::openLink);
    m_boardCities = m_model->state().boardCities;
    connect(m_model.get(), &StudioModel::boardCitiesChanged, this, [this] {
        m_announcer->announce(boardChangeText(m_boardCities, m_model->state().boardCities));
        m_boardCities = m_model->state().boardCities;
    });

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, [this] { m_model->setNow(Instant::now()); });
    m_tick.start();
    m_sidebarList->setFocus();
}

StudioWindow::~StudioWindow() = default;

QWidget* StudioWindow::makeSidebar()
{
    m_sidebar = new QWidget(this);
    m_sidebar->setMinimumWidth(kSidebarMinimum);
    m_sidebar->setMaximumWidth(kSidebarMaximum);
    auto* column = new QVBoxLayout(m_sidebar);
    column->setContentsMargins(8, 8, 8, 8);
    auto* section = new QLabel(tr("Widgets", "sidebar heading"), m_sidebar);
    QFont heading = section->font();
    heading.setBold(true);
    section->setFont(heading);
    column->addWidget(section);

    m_sidebarList = new AccessibleListWidget(m_sidebar);
    m_sidebarList->setAccessibleName(tr("Widgets", "sidebar heading"));
    m_sidebarList->setFrameShape(QFrame::NoFrame);
    m_sidebarList->setIconSize(QSize(18, 18));
    for (DotWidgetKind kind : kAllWidgetKinds) {
        auto* row = new QListWidgetItem(symbolIcon(kindSymbol(kind)), displayName(kind), m_sidebarList);
        row->setData(Qt::UserRole, static_cast<int>(kind));
        row->setSizeHint(QSize(0, 30));
    }
    connect(m_sidebarList, &QListWidget::currentRowChanged, this, [this](int row) {
        // An empty selection is ignored.
        if (row >= 0 && row < static_cast<int>(kAllWidgetKinds.size())
            && kAllWidgetKinds[static_cast<std::size_t>(row)] != m_model->state().kind)
            m_model->selectKind(kAllWidgetKinds[static_cast<std::size_t>(row)]);
    });
    column->addWidget(m_sidebarList, 1);

    m_addToDesktop = new QPushButton(symbolIcon(Symbol::addToDesktop), tr("Add to Desktop"), m_sidebar);
    m_addToDesktop->setStyleSheet("QPushButton { padding: 12px; }");
    connect(m_addToDesktop, &QPushButton::clicked, this, [this] {
        if (m_howTo->isVisible())
            m_howTo->hide();
        else
            m_howTo->showAt(m_addToDesktop);
    });
    column->addWidget(m_addToDesktop);
    return m_sidebar;
}

QWidget* StudioWindow::makeInspector()
{
    m_inspector = new InspectorView(*m_model, this);
    m_inspector->setMinimumWidth(kInspectorMinimum);
    m_inspector->setMaximumWidth(kInspectorMaximum);
    return m_inspector;
}

void StudioWindow::makeToolbarAndMenus()
{
    auto* toolbar = addToolBar(tr("Toolbar"));
    m_toolbar = toolbar;
    toolbar->setObjectName("studio-toolbar");
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The button Qt shows when the window is too narrow for every tool has no text of its own.
    if (auto* more = toolbar->findChild<QToolButton*>("qt_toolbar_ext_button"))
        more->setAccessibleName(tr("More Tools"));
    auto* spacer = new QWidget(toolbar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    m_fullViewAction = toolbar->addAction(
        symbolIcon(Symbol::expand), tr("Full View"), this, &StudioWindow::toggleFullView);
    m_fullViewAction->setToolTip(tr("Show the widget big, without panels"));
    m_widgetSettingsAction = toolbar->addAction(
        symbolIcon(Symbol::sliders), tr("Widget Settings"), this, &StudioWindow::toggleWidgetSettings);
    m_widgetSettingsAction->setToolTip(tr("Show or hide widget settings"));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_fileMenu = file;
    file->addAction(tr("Quit"), QKeySequence::Quit, qApp, &QApplication::quit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    m_sidebarMenuAction = view->addAction(
        tr("Hide Sidebar"), QKeySequence("Ctrl+Alt+S"), this, [this] { setSidebarShown(!m_sidebarShown); });
    view->addSeparator();
    m_widgetSettingsMenuAction = view->addAction(
        tr("Hide Widget Settings"), QKeySequence("Ctrl+Alt+I"), this, &StudioWindow::toggleWidgetSettings);
    m_fullViewMenuAction
        = view->addAction(tr("Full View"), QKeySequence("Ctrl+Shift+F"), this, &StudioWindow::toggleFullView);
    view->addSeparator();
    //: Opens the list of the widgets on the desktop, where each is edited, resized, moved or removed
    view->addAction(tr("Placed Widgets\u2026"), this, [this] {
        askHostToShowGallery([window = QPointer(this)](const QString& reason) {
            if (window)
                QMessageBox::warning(window, tr("Placed Widgets"), reason);
        });
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_helpMenu = help;
    help->addAction(tr("How to Add Widgets"), this, &StudioWindow::showHowToAdd);
    help->addSeparator();
    help->addAction(tr("Quillon Website"), [] { QDesktopServices::openUrl(QUrl(QUILLON_WEBSITE_URL)); });
    help->addAction(tr("Contact Support…"), [] { QDesktopServices::openUrl(supportMail()); });
    help->addSeparator();
    help->addAction(tr("Privacy Policy"), [] { QDesktopServices::openUrl(QUrl(QUILLON_PRIVACY_URL)); });

    // Escape leaves full view, and only there.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &StudioWindow::toggleFullView);
    m_escape->setEnabled(false);
    // F10 opens the menu bar, as in the desktop's other programs: Qt leaves it to Alt alone.
    new QShortcut(QKeySequence(Qt::Key_F10), this, this,
        [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    applyColumns();
}

void StudioWindow::setUpdater(Updater& updater)
{
    QAction* first = m_helpMenu->actions().value(0);
    auto* about = new QAction(tr("About Quillon"), m_helpMenu);
    connect(about, &QAction::triggered, this, [this] {
        const BuildInfo& info = thisBuild();
        QMessageBox::about(this, tr("About Quillon"),
            //: %1 is the version, %2 the build number, %3 the web site's address and %4 its host name.
            tr("<b>Quillon</b><br>Version %1 (%2)<br><br>Dot-matrix displays for your desktop.<br>"
               "<a href=\"%3\">%4</a>")
                .arg(QString::fromStdString(info.version), QString::fromStdString(info.build),
                    QUILLON_WEBSITE_URL, QUrl(QUILLON_WEBSITE_URL).host()));
    });
    m_checkForUpdatesAction = new QAction(tr("Check for Updates…"), m_helpMenu);
    connect(m_checkForUpdatesAction, &QAction::triggered, &updater, &Updater::checkForUpdates);
    // A development build keeps the item so that it can say why nothing happens.
    const auto enable = [this, &updater] {
        m_checkForUpdatesAction->setEnabled(!updater.isEnabled() || updater.canCheckForUpdates());
    };
    connect(&updater, &Updater::canCheckForUpdatesChanged, this, enable);
    enable();
    m_helpMenu->insertAction(first, about);
    m_helpMenu->insertAction(first, m_checkForUpdatesAction);
    m_helpMenu->insertSeparator(first);

    m_settingsView = new SettingsView(
        updater, [this] { return m_model->now(); }, this);
    m_settingsAction = new QAction(tr("Settings…"), m_fileMenu);
    m_settingsAction->setShortcut(QKeySequence::Preferences);
    if (m_settingsAction->shortcut().isEmpty())
        m_settingsAction->setShortcut(QKeySequence("Ctrl+,"));
    m_settingsAction->setMenuRole(QAction::PreferencesRole);
    connect(m_settingsAction, &QAction::triggered, this, [this] {
        m_settingsView->show();
        m_settingsView->raise();
        m_settingsView->activateWindow();
    });
    m_fileMenu->insertAction(m_fileMenu->actions().value(0), m_settingsAction);
    m_fileMenu->insertSeparator(m_fileMenu->actions().value(1));
}

void StudioWindow::applyColumns()
{
    // Before the columns go: Qt would first hand the keyboard to the next control, which full view
    // hides in turn, and screen readers would read both.
    if (m_presenting)
        keepKeyboardInSight();
    m_sidebar->setVisible(m_sidebarShown && !m_presenting);
    m_inspector->setVisible(m_showInspector && !m_presenting);
    m_stage->setPresenting(m_presenting);
    m_escape->setEnabled(m_presenting);

    m_fullViewAction->setText(m_presenting ? tr("Exit Full View") : tr("Full View"));
    m_fullViewAction->setIcon(symbolIcon(m_presenting ? Symbol::collapse : Symbol::expand));
    m_fullViewAction->setToolTip(
        m_presenting ? tr("Exit full view (Esc)") : tr("Show the widget big, without panels"));
    m_fullViewMenuAction->setText(m_presenting ? tr("Exit Full View") : tr("Full View"));
    m_widgetSettingsMenuAction->setText(
        m_showInspector ? tr("Hide Widget Settings") : tr("Show Widget Settings"));
    m_widgetSettingsMenuAction->setEnabled(!m_presenting);
    m_sidebarMenuAction->setText(m_sidebarShown && !m_presenting ? tr("Hide Sidebar") : tr("Show Sidebar"));
    // Full view has no sidebar to show, as it has no widget settings.
    m_sidebarMenuAction->setEnabled(!m_presenting);
    if (!m_presenting)
        keepKeyboardInSight();
}

void StudioWindow::keepKeyboardInSight()
{
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return;
    // Full view hides every control but the toolbar's, the stage's bar as it slides away; out of it,
    // the sidebar is where Tab begins.
    if (m_presenting) {
        QWidget* exit = m_toolbar->widgetForAction(m_fullViewAction);
        if (exit && !m_toolbar->isAncestorOf(focus))
            exit->setFocus(Qt::OtherFocusReason);
    } else if (!focus->isVisible() && m_sidebar->isVisible()) {
        m_sidebarList->setFocus(Qt::OtherFocusReason);
    }
}

void StudioWindow::toggleFullView()
{
    m_presenting = !m_presenting;
    m_sidebarShown = !m_presenting;
    m_showInspector = !m_presenting;
    applyColumns();
}

void StudioWindow::toggleWidgetSettings()
{
    m_showInspector = !m_showInspector;
    applyColumns();
}

void StudioWindow::setSidebarShown(bool shown)
{
    m_sidebarShown = shown;
    applyColumns();
}

void StudioWindow::showHowToAdd()
{
    if (!m_presenting && m_sidebarShown) {
        m_howTo->showAt(m_addToDesktop);
        return;
    }
    if (m_presenting)
        toggleFullView();
    else
        setSidebarShown(true);
    m_howToDelay.start();
}

void StudioWindow::updateTitleAndSelection()
{
    const DotWidgetKind kind = m_model->state().kind;
    // The program's name too: task lists and window switchers show the title, and "Clock" alone
    // is also the name of a widget's editor and of the widget itself.
    //: The studio window's title; %1 is the display shown, such as "Clock"
    setWindowTitle(tr("%1 — Quillon").arg(displayName(kind)));
    const int row = static_cast<int>(kind);
    if (m_sidebarList->currentRow() != row)
        m_sidebarList->setCurrentRow(row);
}

void StudioWindow::focusSidebar()
{
    // Once now and once on the next turn of the event loop, after whatever moved the focus away.
    m_sidebarList->setFocus();
    QTimer::singleShot(0, m_sidebarList, [list = m_sidebarList] { list->setFocus(); });
}

void StudioWindow::openLink(DotWidgetKind)
{
    focusSidebar();
    if (m_presenting)
        toggleFullView();
    m_showInspector = true;
    applyColumns();
    bringForward();
}

void StudioWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void StudioWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    makeRoomForTheControlBar();
}

// The side columns keep the widths the user gave them (at first their ideal ones). On a narrow
// window they give way to their minimums before the stage is too narrow for the control bar in one
// row, and take their widths back as the window grows again; the bar takes two rows only when that
// is not enough.
void StudioWindow::makeRoomForTheControlBar()
{
    QList<int> sizes = m_columns->sizes();
    if (sizes.size() != 3)
        return;
    const int total = sizes[0] + sizes[1] + sizes[2];
    const int wanted = m_stage->controlBar()->oneRowWidth() + 2 * StageView::kControlBarSideMargin;
    const bool sidebarShown = sizes[0] > 0;
    const bool inspectorShown = sizes[2] > 0;
    int sidebar = sidebarShown ? m_preferredSidebarWidth : 0;
    int inspector = inspectorShown ? m_preferredInspectorWidth : 0;
    int missing = wanted - (total - sidebar - inspector);
    const auto giveWay = [&missing](int& width, int minimum) {
        const int given = std::clamp(missing, 0, std::max(width - minimum, 0));
        width -= given;
        missing -= given;
    };
    if (inspectorShown)
        giveWay(inspector, kInspectorMinimum);
    if (sidebarShown)
        giveWay(sidebar, kSidebarMinimum);
    const QList<int> fitted {sidebar, total - sidebar - inspector, inspector};
    if (fitted != sizes && fitted[1] > 0)
        m_columns->setSizes(fitted);
}

} // namespace quillon
