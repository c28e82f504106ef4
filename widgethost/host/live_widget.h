// One placed widget as both ways of showing it share it: its plug-in, its place and settings, the
// timeline that keeps it current, the face drawn from the current entry, and its menu.
// A window or a layer surface shows it, feeds it the pointer and follows its signals.
#pragma once

#include "widget_plugin/widget_plugin.h"
#include "widgethost/core/placed_widgets.h"
#include "widgethost/core/pointer_gesture.h"
#include "widgethost/core/timeline_driver.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRectF;

namespace quillon::widgethost {

// One line of a widget's menu: an action, a submenu (with `submenu` filled), or a separator (no
// title).
struct WidgetMenuItem {
    QString title;
    std::function<void()> action;
    bool checkable = false;
    bool checked = false;
    std::vector<WidgetMenuItem> submenu;
};

class LiveWidget final : public QObject {
    Q_OBJECT

public:
    static constexpr double kCornerRadius = kWidgetCornerRadius;

    LiveWidget(WidgetPlugin& plugin, WidgetDescription description, PlacedWidget placed);
    ~LiveWidget() override;

    const PlacedWidget& placed() const { return m_placed; }
    const WidgetDescription& description() const { return m_description; }
    QSize size() const { return familyPointSize(m_placed.family).toSize(); }
    int serial() const { return m_serial; }
    TimelineDriver& driver() { return *m_driver; }
    // What the face shows now, in words, as a screen reader reads it.
    const std::string& accessibilityText() const { return m_face.accessibilityText; }

    // The face in `area`; inside rounded corners when `rounded`, on the container's colour.
    void paint(QPainter& painter, const QRectF& area, bool rounded) const;
    // A click: follows the face's link, if it has one. `activationToken`, the Wayland compositor's for
    // the click, lets the studio come forward.
    void openLink(const QString& activationToken = {}) const;
    // Where it is shown, without keeping it (a place corrected at start).
    void showAt(const std::string& screen, double x, double y);
    // Where the user has put it: kept.
    void moveTo(const std::string& screen, double x, double y);
    // A left-button gesture has ended with the widget's corner at `corner` on `screen`: a drag
    // keeps the place, a click follows the link.
    void finishGesture(PointerGesture::Ending ending, const std::string& screen, QPoint corner);
    void setFamily(WidgetFamily family);
    // New settings, a JSON object: a new timeline is asked for, and they are kept.
    void setConfiguration(const std::string& configuration);
    // Edit Widget… (when it has settings), the sizes, Remove Widget, Edit Widgets….
    std::vector<WidgetMenuItem> menu();

signals:
    void faceChanged();
    void sizeChanged();
    void changed(); // moved, resized or edited: the host saves
    void removeRequested();
    void galleryRequested();
    void editRequested(); // Edit Widget…: the editor is another program's window

private:
    void makeDriver();
    void refreshFace();

    WidgetPlugin& m_plugin;
    WidgetDescription m_description;
    PlacedWidget m_placed;
    int m_serial; // names the widget in the log, and with the host's process id on the bus
    std::unique_ptr<TimelineDriver> m_driver;
    Face m_face;
};

} // namespace quillon::widgethost
