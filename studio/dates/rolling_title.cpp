// The month calendar's rolling title.
#include "studio/dates/rolling_title.h"

#include "studio/controls/text_styles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillon {

RollingTitle::RollingTitle(QWidget* parent)
    : QWidget(parent)
{
    setFont(headlineFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RollingTitle::setText(const QString& text, int direction)
{
    m_previous = m_text;
    m_text = text;
    m_direction = direction;
    m_progress = direction == 0 ? 1 : 0;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void RollingTitle::setProgress(double progress)
{
    m_progress = progress;
    update();
}

QSize RollingTitle::sizeHint() const
{
    return sizeHintFor(m_text);
}

QSize RollingTitle::sizeHintFor(const QString& text) const
{
    return {fontMetrics().horizontalAdvance(text) + 4, fontMetrics().height() + 2};
}

void RollingTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::WindowText));
    const int travel = height();
    const auto draw = [&](const QString& text, double offset, double opacity) {
        painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
        painter.drawText(rect().translated(0, static_cast<int>(std::lround(offset))),
            Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    if (m_direction != 0 && m_progress < 1) {
        // The old month leaves the way the new one comes from.
        draw(m_previous, -m_direction * m_progress * travel, 1 - m_progress);
        draw(m_text, m_direction * (1 - m_progress) * travel, m_progress);
    } else {
        draw(m_text, 0, 1);
    }
}

} // namespace quillon
