#include "studio/window/window_frame_autosave.h"

#include <QEvent>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace quillon {
namespace {

// The window property that names the frame a window is saved under; a window that carries it is
// not restored a second time.
constexpr const char* kAutosaveNameProperty = "frameAutosaveName";

} // namespace

WindowFrameAutosave::WindowFrameAutosave(QWidget& window, QString name, QSettings& settings)
    : QObject(&window)
    , m_window(&window)
    , m_name(std::move(name))
    , m_settings(settings)
{
    QTimer::singleShot(0, this, &WindowFrameAutosave::restoreOnce);
}

QString WindowFrameAutosave::settingsKey(const QString& name)
{
    return "WindowFrames/" + name;
}

void WindowFrameAutosave::restoreOnce()
{
    if (!m_window || m_window->property(kAutosaveNameProperty).toString() == m_name)
        return;
    // Qt brings a frame saved on a screen that is gone back onto one that is there, and the window
    // keeps its minimum size.
    m_window->restoreGeometry(m_settings.value(settingsKey(m_name)).toByteArray());
    m_window->setProperty(kAutosaveNameProperty, m_name);
    m_window->installEventFilter(this);
    save(); // kept from now on, also when the window never moves
}

bool WindowFrameAutosave::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize
            || event->type() == QEvent::Close))
        save();
    return QObject::eventFilter(watched, event);
}

void WindowFrameAutosave::save()
{
    // Full view is a moment, not a frame to come back to.
    if (m_window && !m_window->isFullScreen())
        m_settings.setValue(settingsKey(m_name), m_window->saveGeometry());
}

} // namespace quillon
