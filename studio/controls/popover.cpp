#include "studio/controls/popover.h"

#include "studio/controls/popup_accessibility.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace quillon {

Popover::Popover(QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    presentAsPopover(*this);
    setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
}

void Popover::setContent(QWidget* content)
{
    delete m_content;
    m_content = content;
    layout()->addWidget(content);
}

void Popover::showAt(QWidget* anchor)
{
    m_anchor = anchor;
    adjustSize();
    const QRect bounds(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(bounds.topLeft(), size());
    QPoint corner(bounds.center().x() - width() / 2, bounds.bottom() + 6);
    if (corner.y() + height() > available.bottom() && bounds.top() - 6 - height() >= available.top())
        corner.setY(bounds.top() - 6 - height());
    corner.setX(
        std::clamp(corner.x(), available.left(), std::max(available.left(), available.right() - width())));
    corner.setY(
        std::clamp(corner.y(), available.top(), std::max(available.top(), available.bottom() - height())));
    move(corner);
    show();
    if (m_content) {
        QWidget* first = m_content->focusProxy() ? m_content->focusProxy() : m_content->nextInFocusChain();
        if (first)
            first->setFocus(Qt::PopupFocusReason);
    }
}

void Popover::setVisible(bool visible)
{
    if (!visible && isVisible())
        returnKeyboardTo(m_anchor, *this);
    QFrame::setVisible(visible);
}

void Popover::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    emit closed();
}

} // namespace quillon
