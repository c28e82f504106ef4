// The studio's single window: the sidebar of kinds, the stage, the settings column, the toolbar,
// full view, the how-to popover and the menus.
#pragma once

#include "studio/inspector/inspector_view.h"
#include "studio/model/studio_model.h"
#include "studio/stage/stage_view.h"
#include "studio/window/how_to_add_view.h"
#include "studio/window/settings_view.h"

#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QToolBar;

namespace quillon {

class Announcer;

class StudioWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize kMinimumSize {860, 540};
    static constexpr QSize kDefaultSize {1180, 740};
    static constexpr int kHowToDelayMilliseconds = 450;

    // The window's model, made with the store and the reloader; the window owns it.
    StudioWindow(StateStore& store, TimelineReloader& reloader, QWidget* parent = nullptr);
    ~StudioWindow() override;

    StudioModel& model() { return *m_model; }
    StageView* stage() const { return m_stage; }
    QListWidget* sidebarList() const { return m_sidebarList; }
    InspectorView* inspector() const { return m_inspector; }

    bool isPresenting() const { return m_presenting; }
    bool isSidebarShown() const { return m_sidebarShown; }
    bool isInspectorShown() const { return m_showInspector; }
    bool isHowToShown() const { return m_howTo->isVisible(); }

    void toggleFullView();
    void toggleWidgetSettings();
    void setSidebarShown(bool shown);
    // Opens the how-to popover at the sidebar's button, first leaving full view or showing the
    // sidebar when the button cannot be seen, then opening after a moment.
    void showHowToAdd();
    void bringForward();
    // Adds "About Quillon" and "Check for Updates…" to the Help menu and "Settings…" to the File
    // menu; the updater outlives the window.
    void setUpdater(Updater& updater);
    QAction* checkForUpdatesAction() const { return m_checkForUpdatesAction; }
    QAction* settingsAction() const { return m_settingsAction; }
    SettingsView* settingsView() const { return m_settingsView; }

    QAction* fullViewAction() const { return m_fullViewAction; }
    QAction* widgetSettingsAction() const { return m_widgetSettingsAction; }
    QAction* widgetSettingsMenuAction() const { return m_widgetSettingsMenuAction; }
    QAction* sidebarMenuAction() const { return m_sidebarMenuAction; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeSidebar();
    void makeRoomForTheControlBar();
    QWidget* makeInspector();
    void makeToolbarAndMenus();
    void applyColumns();
    void updateTitleAndSelection();
    void focusSidebar();
    // Where the keyboard was on a control that full view hides, or that leaving it shows again.
    void keepKeyboardInSight();
    void openLink(DotWidgetKind kind);

    std::unique_ptr<StudioModel> m_model;
    QSettings m_programSettings; // the studio's own settings, apart from the shared record
    StageView* m_stage = nullptr;
    QSplitter* m_columns = nullptr;
    QLabel* m_saveNote = nullptr;
    int m_preferredSidebarWidth = 0; // what the user dragged it to, else its ideal width
    int m_preferredInspectorWidth = 0;
    QWidget* m_sidebar = nullptr;
    QListWidget* m_sidebarList = nullptr;
    QPushButton* m_addToDesktop = nullptr;
    InspectorView* m_inspector = nullptr;
    HowToAddView* m_howTo = nullptr;
    QAction* m_fullViewAction = nullptr;
    QAction* m_widgetSettingsAction = nullptr;
    QAction* m_sidebarMenuAction = nullptr;
    QAction* m_widgetSettingsMenuAction = nullptr;
    QAction* m_fullViewMenuAction = nullptr;
    QShortcut* m_escape = nullptr;
    QToolBar* m_toolbar = nullptr;
    Announcer* m_announcer = nullptr;
    std::vector<std::string> m_boardCities; // as they were before the last change, to say what changed
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_checkForUpdatesAction = nullptr;
    QAction* m_settingsAction = nullptr;
    SettingsView* m_settingsView = nullptr;
    QTimer m_tick;
    QTimer m_howToDelay;
    bool m_presenting = false;
    bool m_sidebarShown = true;
    bool m_showInspector = true;
};

} // namespace quillon
