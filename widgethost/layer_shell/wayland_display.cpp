// Binding the globals, following outputs, the pointer, the first finger and the keyboard, and reading
// the connection when Qt's event loop says it has something to read.
#include "widgethost/layer_shell/wayland_display.h"

#include "layer_shell-client.h"
#include "relative-pointer-unstable-v1-client.h"
#include "xdg-activation-v1-client.h"
#include "xdg-shell-client.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <wayland-client.h>
#include <wayland-cursor.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quillon::widgethost {

struct WaylandDisplay::OutputRecord {
    WaylandDisplay* display;
    WaylandOutput output;
    std::uint32_t version;
};

// The C callbacks, each handing its event on to the display or the output it is about.
struct WaylandListeners {
    using Record = WaylandDisplay::OutputRecord;
    static WaylandOutput& outputOf(void* data) { return static_cast<Record*>(data)->output; }
    static WaylandDisplay& displayOf(void* data) { return *static_cast<WaylandDisplay*>(data); }

    static void global(
        void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t version)
    {
        displayOf(data).bindGlobal(name, interface, version);
    }
    static void globalRemove(void* data, wl_registry*, std::uint32_t name)
    {
        displayOf(data).removeGlobal(name);
    }
    static constexpr wl_registry_listener registry {global, globalRemove};

    static void outputGeometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t,
        std::int32_t, std::int32_t, const char*, const char*, std::int32_t transform)
    {
        outputOf(data).position = {x, y};
        outputOf(data).transposed = transformTransposes(transform);
        if (static_cast<Record*>(data)->version < WL_OUTPUT_DONE_SINCE_VERSION)
            displayOf(static_cast<Record*>(data)->display).outputDescribed(outputOf(data));
    }
    static void outputMode(
        void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t)
    {
        if (flags & WL_OUTPUT_MODE_CURRENT)
            outputOf(data).pixels = modePixels(width, height);
    }
    static void outputDone(void* data, wl_output*)
    {
        static_cast<Record*>(data)->display->outputDescribed(outputOf(data));
    }
    static void outputScale(void* data, wl_output*, std::int32_t factor)
    {
        outputOf(data).scale = outputScaleOf(factor);
    }
    static void outputName(void* data, wl_output*, const char* name)
    {
        if (auto taken = outputNameFrom(name, outputOf(data).described))
            outputOf(data).name = std::move(*taken);
    }
    static void outputDescription(void*, wl_output*, const char*) { }
    static constexpr wl_output_listener output {
        outputGeometry, outputMode, outputDone, outputScale, outputName, outputDescription};

    static void seatCapabilities(void* data, wl_seat*, std::uint32_t capabilities)
    {
        displayOf(data).setPointer(capabilities & WL_SEAT_CAPABILITY_POINTER);
        displayOf(data).setKeyboard(capabilities & WL_SEAT_CAPABILITY_KEYBOARD);
        displayOf(data).setTouch(capabilities & WL_SEAT_CAPABILITY_TOUCH);
    }
    static void seatName(void*, wl_seat*, const char*) { }
    static constexpr wl_seat_listener seat {seatCapabilities, seatName};

    static void ping(void*, xdg_wm_base* base, std::uint32_t serial) { xdg_wm_base_pong(base, serial); }
    static constexpr xdg_wm_base_listener wmBase {ping};

    static PointerTarget* targetOf(WaylandDisplay& display, wl_surface* surface)
    {
        const auto found = display.m_targets.find(surface);
        return found == display.m_targets.end() ? nullptr : found->second;
    }
    static QPointF point(wl_fixed_t x, wl_fixed_t y)
    {
        return {wl_fixed_to_double(x), wl_fixed_to_double(y)};
    }

    static void enter(void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface* surface,
        wl_fixed_t x, wl_fixed_t y)
    {
        WaylandDisplay& display = displayOf(data);
        display.m_pointerSurface = surface;
        display.m_enterSerial = serial;
        if (display.m_cursorSurface) {
            wl_cursor* cursor = wl_cursor_theme_get_cursor(display.m_cursorTheme, "left_ptr");
            wl_pointer_set_cursor(pointer, serial, display.m_cursorSurface,
                static_cast<std::int32_t>(cursor->images[0]->hotspot_x),
                static_cast<std::int32_t>(cursor->images[0]->hotspot_y));
        }
        if (PointerTarget* target = targetOf(display, surface)) {
            display.m_lastPointer = {{surface, point(x, y)}};
            target->pointerEntered(point(x, y));
        }
    }
    static void leave(void* data, wl_pointer*, std::uint32_t, wl_surface* surface)
    {
        WaylandDisplay& display = displayOf(data);
        display.m_pointerSurface = nullptr;
        if (PointerTarget* target = targetOf(display, surface))
            target->pointerLeft();
    }
    static void motion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y)
    {
        WaylandDisplay& display = displayOf(data);
        if (PointerTarget* target = targetOf(display, display.m_pointerSurface)) {
            display.m_lastPointer = {{display.m_pointerSurface, point(x, y)}};
            target->pointerMoved(point(x, y));
        }
    }
    static void button(void* data, wl_pointer*, std::uint32_t serial, std::uint32_t, std::uint32_t button,
        std::uint32_t state)
    {
        WaylandDisplay& display = displayOf(data);
        if (PointerTarget* target = targetOf(display, display.m_pointerSurface))
            target->pointerButton(button, state == WL_POINTER_BUTTON_STATE_PRESSED, serial);
    }
    static void axis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) { }
    static void frame(void*, wl_pointer*) { }
    static void axisSource(void*, wl_pointer*, std::uint32_t) { }
    static void axisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) { }
    static void axisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) { }
    static void axisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) { }
    static constexpr wl_pointer_listener pointer {
        enter, leave, motion, button, axis, frame, axisSource, axisStop, axisDiscrete, axisValue120};

    static void relativeMotion(void* data, zwp_relative_pointer_v1*, std::uint32_t, std::uint32_t,
        wl_fixed_t dx, wl_fixed_t dy, wl_fixed_t, wl_fixed_t)
    {
        WaylandDisplay& display = displayOf(data);
        if (PointerTarget* target = targetOf(display, display.m_pointerSurface))
            target->pointerMovedBy(point(dx, dy));
    }
    static constexpr zwp_relative_pointer_v1_listener relativePointer {relativeMotion};

    static TouchTarget* touchTargetOf(WaylandDisplay& display, wl_surface* surface)
    {
        const auto found = display.m_touchTargets.find(surface);
        return found == display.m_touchTargets.end() ? nullptr : found->second;
    }
    static void touchDown(void* data, wl_touch*, std::uint32_t serial, std::uint32_t, wl_surface* surface,
        std::int32_t id, wl_fixed_t x, wl_fixed_t y)
    {
        WaylandDisplay& display = displayOf(data);
        if (!display.m_firstTouch.down(id))
            return;
        // A finger stays with the surface it came down on, wherever it goes.
        display.m_touchSurface = surface;
        if (TouchTarget* target = touchTargetOf(display, surface))
            target->touchDown(point(x, y), serial);
    }
    static void touchUp(void* data, wl_touch*, std::uint32_t serial, std::uint32_t, std::int32_t id)
    {
        WaylandDisplay& display = displayOf(data);
        if (!display.m_firstTouch.up(id))
            return;
        TouchTarget* target = touchTargetOf(display, display.m_touchSurface);
        display.m_touchSurface = nullptr;
        if (target)
            target->touchUp(serial);
    }
    static void touchMotion(void* data, wl_touch*, std::uint32_t, std::int32_t id, wl_fixed_t x, wl_fixed_t y)
    {
        WaylandDisplay& display = displayOf(data);
        if (!display.m_firstTouch.follows(id))
            return;
        if (TouchTarget* target = touchTargetOf(display, display.m_touchSurface))
            target->touchMotion(point(x, y));
    }
    static void touchFrame(void*, wl_touch*) { }
    static void touchCancel(void* data, wl_touch*)
    {
        WaylandDisplay& display = displayOf(data);
        if (!display.m_firstTouch.cancel())
            return;
        TouchTarget* target = touchTargetOf(display, display.m_touchSurface);
        display.m_touchSurface = nullptr;
        if (target)
            target->touchCancel();
    }
    static void touchShape(void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) { }
    static void touchOrientation(void*, wl_touch*, std::int32_t, wl_fixed_t) { }
    static constexpr wl_touch_listener touch {
        touchDown, touchUp, touchMotion, touchFrame, touchCancel, touchShape, touchOrientation};

    // The keys are told by their codes, so the keymap is of no use; its file is ours to close.
    static void keymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) { ::close(fd); }
    static void keyboardEnter(void* data, wl_keyboard*, std::uint32_t, wl_surface* surface, wl_array*)
    {
        displayOf(data).m_keyboardSurface = surface;
    }
    static void keyboardLeave(void* data, wl_keyboard*, std::uint32_t, wl_surface*)
    {
        WaylandDisplay& display = displayOf(data);
        display.m_keyboardSurface = nullptr;
        if (display.m_keyTarget)
            display.m_keyTarget->keyboardLeft();
    }
    static void key(void* data, wl_keyboard*, std::uint32_t serial, std::uint32_t, std::uint32_t code,
        std::uint32_t state)
    {
        WaylandDisplay& display = displayOf(data);
        if (state != WL_KEYBOARD_KEY_STATE_PRESSED || !display.m_keyboardSurface)
            return;
        KeyTarget* target = display.m_keyTarget;
        if (!target) {
            const auto found = display.m_keyTargets.find(display.m_keyboardSurface);
            target = found == display.m_keyTargets.end() ? nullptr : found->second;
        }
        if (target)
            target->keyPressed(code, serial);
    }
    static void modifiers(
        void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t)
    {
    }
    static void repeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) { }
    static constexpr wl_keyboard_listener keyboard {
        keymap, keyboardEnter, keyboardLeave, key, modifiers, repeatInfo};
};

std::unique_ptr<WaylandDisplay> WaylandDisplay::connect(std::string& why)
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) {
        why = "WAYLAND_DISPLAY is not set";
        return nullptr;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        why = std::string("cannot connect to the Wayland compositor at ") + name + ": "
            + std::strerror(errno);
        return nullptr;
    }
    std::unique_ptr<WaylandDisplay> connection(new WaylandDisplay(display));
    // The first round trip brings the globals; the second what the bound ones say of themselves.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0) {
        why = std::string("the Wayland compositor at ") + name + " ended the connection";
        return nullptr;
    }
    if (!connection->m_compositor || !connection->m_shm) {
        why = std::string("the Wayland compositor at ") + name + " offers no wl_compositor or wl_shm";
        return nullptr;
    }
    return connection;
}

WaylandDisplay::WaylandDisplay(wl_display* display)
    : m_display(display)
{
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &WaylandListeners::registry, this);
}

WaylandDisplay::~WaylandDisplay()
{
    m_notifier.reset();
    setPointer(false);
    setKeyboard(false);
    setTouch(false);
    for (const auto& record : m_outputs)
        wl_output_destroy(record->output.proxy);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_wmBase)
        xdg_wm_base_destroy(m_wmBase);
    if (m_relativePointers)
        zwp_relative_pointer_manager_v1_destroy(m_relativePointers);
    if (m_activation)
        xdg_activation_v1_destroy(m_activation);
    if (m_layerShell)
        zwlr_layer_shell_v1_destroy(m_layerShell);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    wl_registry_destroy(m_registry);
    wl_display_flush(m_display);
    wl_display_disconnect(m_display);
}

void WaylandDisplay::bindGlobal(std::uint32_t global, const char* interface, std::uint32_t version)
{
    const auto bind = [&](const wl_interface& wanted, std::uint32_t newest) {
        return wl_registry_bind(m_registry, global, &wanted, std::min(version, newest));
    };
    const std::string_view name(interface);
    if (name == wl_compositor_interface.name && !m_compositor) {
        m_compositor = static_cast<wl_compositor*>(bind(wl_compositor_interface, 4));
    } else if (name == wl_shm_interface.name && !m_shm) {
        m_shm = static_cast<wl_shm*>(bind(wl_shm_interface, 1));
    } else if (name == zwlr_layer_shell_v1_interface.name && !m_layerShell) {
        m_layerShell = static_cast<zwlr_layer_shell_v1*>(bind(zwlr_layer_shell_v1_interface, 4));
    } else if (name == zwp_relative_pointer_manager_v1_interface.name && !m_relativePointers) {
        m_relativePointers = static_cast<zwp_relative_pointer_manager_v1*>(
            bind(zwp_relative_pointer_manager_v1_interface, 1));
    } else if (name == xdg_activation_v1_interface.name && !m_activation) {
        m_activation = static_cast<xdg_activation_v1*>(bind(xdg_activation_v1_interface, 1));
    } else if (name == xdg_wm_base_interface.name && !m_wmBase) {
        m_wmBase = static_cast<xdg_wm_base*>(bind(xdg_wm_base_interface, 3));
        xdg_wm_base_add_listener(m_wmBase, &WaylandListeners::wmBase, this);
    } else if (name == wl_seat_interface.name && !m_seat) {
        m_seat = static_cast<wl_seat*>(bind(wl_seat_interface, 5));
        m_seatGlobal = global;
        wl_seat_add_listener(m_seat, &WaylandListeners::seat, this);
    } else if (name == wl_output_interface.name) {
        auto record = std::make_unique<OutputRecord>(OutputRecord {this, {}, std::min(version, 4u)});
        record->output.global = global;
        record->output.name = "output-" + std::to_string(global);
        record->output.proxy = static_cast<wl_output*>(bind(wl_output_interface, 4));
        wl_output_add_listener(record->output.proxy, &WaylandListeners::output, record.get());
        m_outputs.push_back(std::move(record));
    }
}

void WaylandDisplay::removeGlobal(std::uint32_t global)
{
    if (global == m_seatGlobal && m_seat) {
        setPointer(false);
        setKeyboard(false);
        setTouch(false);
        wl_seat_destroy(m_seat);
        m_seat = nullptr;
        return;
    }
    const auto found = std::find_if(m_outputs.begin(), m_outputs.end(),
        [global](const auto& record) { return record->output.global == global; });
    if (found == m_outputs.end())
        return;
    const std::unique_ptr<OutputRecord> record = std::move(*found);
    m_outputs.erase(found);
    if (record->output.described)
        emit outputRemoved(record->output.name);
    wl_output_destroy(record->output.proxy);
}

void WaylandDisplay::outputDescribed(WaylandOutput& output)
{
    const bool first = !output.described;
    output.described = true;
    if (first)
        emit outputAdded(output.name);
    else
        emit outputChanged(output.name);
}

std::vector<const WaylandOutput*> WaylandDisplay::outputs() const
{
    std::vector<const WaylandOutput*> described;
    for (const auto& record : m_outputs) {
        if (offersRoom(record->output, record->output.described))
            described.push_back(&record->output);
    }
    return described;
}

const WaylandOutput* WaylandDisplay::output(const std::string& name) const
{
    for (const WaylandOutput* output : outputs()) {
        if (output->name == name)
            return output;
    }
    return nullptr;
}

const WaylandOutput* WaylandDisplay::output(const wl_output* proxy) const
{
    for (const WaylandOutput* output : outputs()) {
        if (output->proxy == proxy)
            return output;
    }
    return nullptr;
}

void WaylandDisplay::setPointer(bool present)
{
    if (present && !m_pointer && m_seat) {
        m_pointer = wl_seat_get_pointer(m_seat);
        wl_pointer_add_listener(m_pointer, &WaylandListeners::pointer, this);
        if (m_relativePointers) {
            m_relativePointer
                = zwp_relative_pointer_manager_v1_get_relative_pointer(m_relativePointers, m_pointer);
            zwp_relative_pointer_v1_add_listener(m_relativePointer, &WaylandListeners::relativePointer, this);
        }
        if (!m_cursorTheme) {
            // The user's cursor theme and size, as other programs take them.
            const char* size = std::getenv("XCURSOR_SIZE");
            const int pixels = size ? std::clamp(std::atoi(size), 8, 256) : 24;
            m_cursorTheme = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), pixels, m_shm);
            wl_cursor* cursor
                = m_cursorTheme ? wl_cursor_theme_get_cursor(m_cursorTheme, "left_ptr") : nullptr;
            if (cursor && cursor->image_count > 0) {
                m_cursorSurface = wl_compositor_create_surface(m_compositor);
                wl_surface_attach(m_cursorSurface, wl_cursor_image_get_buffer(cursor->images[0]), 0, 0);
                wl_surface_commit(m_cursorSurface);
            }
        }
    } else if (!present && m_pointer) {
        if (m_relativePointer) {
            zwp_relative_pointer_v1_destroy(m_relativePointer);
            m_relativePointer = nullptr;
        }
        if (wl_pointer_get_version(m_pointer) >= WL_POINTER_RELEASE_SINCE_VERSION)
            wl_pointer_release(m_pointer);
        else
            wl_pointer_destroy(m_pointer);
        m_pointer = nullptr;
        m_pointerSurface = nullptr;
    }
    if (!present && m_cursorSurface) {
        wl_surface_destroy(m_cursorSurface);
        m_cursorSurface = nullptr;
    }
    if (!present && m_cursorTheme) {
        wl_cursor_theme_destroy(m_cursorTheme);
        m_cursorTheme = nullptr;
    }
}

void WaylandDisplay::setKeyboard(bool present)
{
    if (present && !m_keyboard && m_seat) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &WaylandListeners::keyboard, this);
    } else if (!present && m_keyboard) {
        if (wl_keyboard_get_version(m_keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
            wl_keyboard_release(m_keyboard);
        else
            wl_keyboard_destroy(m_keyboard);
        m_keyboard = nullptr;
        m_keyboardSurface = nullptr;
    }
}

void WaylandDisplay::setTouch(bool present)
{
    if (present && !m_touch && m_seat) {
        m_touch = wl_seat_get_touch(m_seat);
        wl_touch_add_listener(m_touch, &WaylandListeners::touch, this);
    } else if (!present && m_touch) {
        if (wl_touch_get_version(m_touch) >= WL_TOUCH_RELEASE_SINCE_VERSION)
            wl_touch_release(m_touch);
        else
            wl_touch_destroy(m_touch);
        m_touch = nullptr;
        m_firstTouch.cancel();
        m_touchSurface = nullptr;
    }
}

void WaylandDisplay::addPointerTarget(wl_surface* surface, PointerTarget* target)
{
    m_targets[surface] = target;
}

void WaylandDisplay::addTouchTarget(wl_surface* surface, TouchTarget* target)
{
    m_touchTargets[surface] = target;
}

void WaylandDisplay::removeTouchTarget(wl_surface* surface)
{
    m_touchTargets.erase(surface);
    // The finger on it is still the one followed until it lifts, telling no one.
    if (m_touchSurface == surface)
        m_touchSurface = nullptr;
}

void WaylandDisplay::addKeyTarget(wl_surface* surface, KeyTarget* target)
{
    m_keyTargets[surface] = target;
}

void WaylandDisplay::removeKeyTarget(wl_surface* surface)
{
    m_keyTargets.erase(surface);
}

void WaylandDisplay::letKeysGo(const KeyTarget* target)
{
    if (m_keyTarget == target)
        m_keyTarget = nullptr;
}

void WaylandDisplay::removePointerTarget(wl_surface* surface)
{
    m_targets.erase(surface);
    if (m_pointerSurface == surface)
        m_pointerSurface = nullptr;
    if (m_keyboardSurface == surface)
        m_keyboardSurface = nullptr;
    if (m_lastPointer && m_lastPointer->first == surface)
        m_lastPointer.reset();
}

void WaylandDisplay::startDispatching()
{
    if (m_notifier)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, &WaylandDisplay::dispatch);
    // Requests made while handling any event go out before the loop waits again.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
        &WaylandDisplay::flush);
    dispatch(); // events read during the round trips may wait in the queue
}

void WaylandDisplay::dispatch()
{
    if (m_lost)
        return;
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0)
            return checkConnection();
    }
    flush();
    // The notifier says there is something to read; reading takes what is there without waiting.
    if (wl_display_read_events(m_display) < 0)
        return checkConnection();
    if (wl_display_dispatch_pending(m_display) < 0)
        return checkConnection();
    flush();
}

void WaylandDisplay::flush()
{
    if (m_lost)
        return;
    if (wl_display_flush(m_display) < 0 && errno != EAGAIN)
        checkConnection();
}

void WaylandDisplay::checkConnection()
{
    if (m_lost || wl_display_get_error(m_display) == 0)
        return;
    m_lost = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    emit lost();
}

} // namespace quillon::widgethost
