#include "studio/controls/focus_ring.h"

#include <QEvent>
#include <QPainter>

namespace quillon {
namespace {

constexpr int kRingWidth = 2;
constexpr int kRingRadius = 6;

} // namespace

FocusRing::FocusRing(QWidget& target)
    : QWidget(target.parentWidget())
    , m_target(&target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    target.installEventFilter(this);
    connect(&target, &QObject::destroyed, this, &QObject::deleteLater);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    const bool shown = m_target && m_target->isVisible() && m_target->hasFocus()
        && m_target->parentWidget() == parentWidget();
    if (shown) {
        // On the target's edge rather than around it: a parent's layout may leave no room outside.
        setGeometry(m_target->geometry());
        raise();
    }
    setVisible(shown);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRingRadius, kRingRadius);
}

} // namespace quillon
