// One widget on the desktop: a frameless window below the others that paints the plug-in's face,
// follows its timeline, moves when dragged and opens its link when clicked.
#pragma once

#include "widgethost/host/widget_editor.h"
#include "widgethost/placed_widgets.h"
#include "widgethost/timeline_driver.h"
#include "widgethost/widget_plugin.h"

#include <QWidget>

#include <memory>

namespace quillon::widgethost {

class WidgetWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr double kCornerRadius = 22;

    WidgetWindow(WidgetPlugin& plugin, WidgetDescription description, PlacedWidget placed);

    const PlacedWidget& placed() const { return m_placed; }
    TimelineDriver& driver() { return *m_driver; }
    void setFamily(WidgetFamily family);
    void editConfiguration();

signals:
    void changed(); // moved or resized: the host saves
    void removeRequested();
    void galleryRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void makeDriver();
    void refreshFace();

    WidgetPlugin& m_plugin;
    WidgetDescription m_description;
    PlacedWidget m_placed;
    int m_serial; // names the widget in the log
    std::unique_ptr<TimelineDriver> m_driver;
    std::unique_ptr<WidgetEditor> m_editor; // while open
    Face m_face;
    bool m_rounded = false;
    QPoint m_pressOffset;
    QPoint m_pressGlobal;
    bool m_dragging = false;
};

} // namespace quillon::widgethost
