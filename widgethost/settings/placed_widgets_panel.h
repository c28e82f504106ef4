// The widgets placed on the desktop as a list the keyboard and screen readers go through: each by its
// name, its size, its screen where there are several and what it shows now, with what its own menu
// offers (edit, size, move to another screen, remove) as buttons for the one chosen, in the list's
// menu (the Menu key) and, for removing, the Delete key.
#pragma once

#include "widgethost/core/placed_widget_list.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace quillon::widgethost {

class PlacedWidgetsPanel final : public QWidget {
    Q_OBJECT

public:
    explicit PlacedWidgetsPanel(QWidget* parent = nullptr);

    // Shows the widgets as the host lists them, keeping the one chosen, and the keyboard, where they
    // were: in place where the same widgets are listed again, as each minute brings new texts.
    void setList(const PlacedWidgetList& list);
    QListWidget* list() const { return m_list; }

signals:
    void editRequested(const QString& id);
    void sizeRequested(const QString& id, WidgetFamily family);
    void moveRequested(const QString& id, const QString& screen);
    void removeRequested(const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PlacedWidgetEntry* chosen() const;
    // The buttons and their menus for the widget chosen now.
    void refreshActions();
    // The actions of the chosen widget into `menu`: the list's own menu, or the buttons' submenus.
    void fillSizeMenu(QMenu& menu);
    void fillMoveMenu(QMenu& menu);

    PlacedWidgetList m_entries;
    QLabel* m_heading = nullptr;
    QLabel* m_empty = nullptr;
    QListWidget* m_list = nullptr;
    QWidget* m_buttons = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_size = nullptr;
    QPushButton* m_move = nullptr;
    QPushButton* m_remove = nullptr;
};

// "World Board, Medium", with ", on HDMI-1" where the entry names its screen, in the user's language.
QString placedWidgetTitle(const PlacedWidgetEntry& entry);
// A row of the list: the title, then what the widget shows, "World Board, Medium — London 14:05".
QString placedWidgetRowText(const PlacedWidgetEntry& entry);

} // namespace quillon::widgethost
