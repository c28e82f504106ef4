// The host's own connection to the Wayland compositor: the globals it binds, the outputs with their
// names, places and scales, the pointer, the first finger and the keyboard, and the connection's part
// of Qt's event loop. Qt draws its own windows over a connection of its own; this one carries the
// layer surfaces Qt cannot make.
#pragma once

#include "widgethost/layer_shell/first_touch.h"
#include "widgethost/layer_shell/output_geometry.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct wl_compositor;
struct wl_cursor_theme;
struct wl_display;
struct wl_keyboard;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct wl_touch;
struct xdg_activation_v1;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct zwp_relative_pointer_manager_v1;
struct zwp_relative_pointer_v1;
class QSocketNotifier;

namespace quillon::widgethost {

struct WaylandOutput : OutputGeometry {
    wl_output* proxy = nullptr;
    std::uint32_t global = 0;
    bool described = false; // its first round of events is complete
};

// What a surface of ours is told of the pointer, in its own points.
class PointerTarget {
public:
    virtual ~PointerTarget() = default;
    virtual void pointerEntered(QPointF) { }
    virtual void pointerMoved(QPointF) { }
    // How far the pointer moved, wherever the surface now is; only where the compositor tells.
    virtual void pointerMovedBy(QPointF) { }
    // `button` is a Linux input event code (BTN_LEFT, …); `serial` is the compositor's, for grabs.
    virtual void pointerButton(std::uint32_t button, bool pressed, std::uint32_t serial) = 0;
    virtual void pointerLeft() { }
};

// What a surface of ours is told of the first finger that comes down on it, in its own points, until
// that finger lifts; `serial` is the compositor's, as for a button.
class TouchTarget {
public:
    virtual ~TouchTarget() = default;
    virtual void touchDown(QPointF at, std::uint32_t serial) = 0;
    virtual void touchMotion(QPointF at) = 0;
    virtual void touchUp(std::uint32_t serial) = 0;
    // The compositor has taken the touch for a gesture of its own: the finger is not followed any more.
    virtual void touchCancel() = 0;
};

// What a taker of keys is told while one of our surfaces has the keyboard's focus: the one that has
// taken them (an open menu), whichever of our surfaces the compositor chose, or else the surface
// with the focus. Keys are Linux input event codes (KEY_ESC, …), which name the keys themselves
// whatever the keyboard's layout; only presses are told. `serial` is the compositor's, for grabs.
class KeyTarget {
public:
    virtual ~KeyTarget() = default;
    virtual void keyPressed(std::uint32_t key, std::uint32_t serial) = 0;
    // The focus has left one of our surfaces; another of ours may have it with the next event.
    virtual void keyboardLeft() { }
};

class WaylandDisplay final : public QObject {
    Q_OBJECT

public:
    // Connects to the compositor WAYLAND_DISPLAY names and learns its globals and outputs. Null, with
    // the reason in `why`, when there is none to connect to.
    static std::unique_ptr<WaylandDisplay> connect(std::string& why);
    ~WaylandDisplay() override;

    bool offersLayerShell() const { return m_layerShell != nullptr; }
    // Starts reading the connection within Qt's event loop; needs the application object.
    void startDispatching();

    wl_display* display() const { return m_display; }
    wl_compositor* compositor() const { return m_compositor; }
    wl_shm* shm() const { return m_shm; }
    zwlr_layer_shell_v1* layerShell() const { return m_layerShell; }
    xdg_wm_base* windowManagerBase() const { return m_wmBase; }
    wl_seat* seat() const { return m_seat; }
    // Null where the compositor cannot let another program's window come forward on our behalf.
    xdg_activation_v1* activation() const { return m_activation; }

    // The outputs that are described, in the order the compositor announced them.
    std::vector<const WaylandOutput*> outputs() const;
    const WaylandOutput* output(const std::string& name) const;
    const WaylandOutput* output(const wl_output* proxy) const;

    void addPointerTarget(wl_surface* surface, PointerTarget* target);
    void removePointerTarget(wl_surface* surface);
    void addTouchTarget(wl_surface* surface, TouchTarget* target);
    void removeTouchTarget(wl_surface* surface);
    // The keys pressed while `surface` has the keyboard's focus go to `target`, unless one has taken them.
    void addKeyTarget(wl_surface* surface, KeyTarget* target);
    void removeKeyTarget(wl_surface* surface);
    // Keys go to `target` from now on, until it lets them go.
    void takeKeys(KeyTarget* target) { m_keyTarget = target; }
    void letKeysGo(const KeyTarget* target);
    // Where the pointer last was over one of our surfaces: that surface and the point on it.
    std::optional<std::pair<wl_surface*, QPointF>> lastPointer() const { return m_lastPointer; }
    // Our surface under the pointer, and ours with the keyboard's focus: null while another
    // program's has it, or none does.
    wl_surface* pointerSurface() const { return m_pointerSurface; }
    wl_surface* keyboardSurface() const { return m_keyboardSurface; }

    // Sends what is queued, now rather than when the event loop next waits.
    void flush();

signals:
    void outputAdded(const std::string& name);
    void outputRemoved(const std::string& name);
    void outputChanged(const std::string& name); // its place, size or scale
    // The compositor has gone or ended the connection; nothing works after it.
    void lost();

private:
    explicit WaylandDisplay(wl_display* display);
    void dispatch();
    void checkConnection();
    void setPointer(bool present);
    void setKeyboard(bool present);
    void setTouch(bool present);

    void bindGlobal(std::uint32_t global, const char* interface, std::uint32_t version);
    void removeGlobal(std::uint32_t global);
    void outputDescribed(WaylandOutput& output);
    friend struct WaylandListeners;
    struct OutputRecord;

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    wl_shm* m_shm = nullptr;
    zwlr_layer_shell_v1* m_layerShell = nullptr;
    xdg_wm_base* m_wmBase = nullptr;
    wl_seat* m_seat = nullptr;
    std::uint32_t m_seatGlobal = 0;
    wl_pointer* m_pointer = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    wl_touch* m_touch = nullptr;
    zwp_relative_pointer_manager_v1* m_relativePointers = nullptr;
    zwp_relative_pointer_v1* m_relativePointer = nullptr;
    xdg_activation_v1* m_activation = nullptr;
    std::vector<std::unique_ptr<OutputRecord>> m_outputs;
    std::map<wl_surface*, PointerTarget*> m_targets;
    std::map<wl_surface*, TouchTarget*> m_touchTargets;
    std::map<wl_surface*, KeyTarget*> m_keyTargets;
    wl_surface* m_pointerSurface = nullptr; // under the pointer, ours
    wl_surface* m_keyboardSurface = nullptr; // with the keyboard's focus, ours
    KeyTarget* m_keyTarget = nullptr;
    FirstTouch m_firstTouch;
    wl_surface* m_touchSurface = nullptr; // under the followed finger, while it is ours
    std::optional<std::pair<wl_surface*, QPointF>> m_lastPointer;
    std::uint32_t m_enterSerial = 0;
    wl_cursor_theme* m_cursorTheme = nullptr;
    wl_surface* m_cursorSurface = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_lost = false;
};

} // namespace quillon::widgethost
