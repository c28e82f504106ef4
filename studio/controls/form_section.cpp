#include "studio/controls/form_section.h"

#include "studio/controls/text_styles.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quillon {

// The rounded panel, with a hairline between each pair of rows.
class FormSection::Panel final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        shape.addRoundedRect(area, 8, 8);
        painter.fillPath(shape, palette().color(QPalette::Base));
        painter.setPen(QPen(palette().color(QPalette::Mid), 0.5));
        painter.drawPath(shape);
        const auto* rows = static_cast<const QVBoxLayout*>(layout());
        for (int index = 1; index < rows->count(); ++index) {
            const QWidget* row = rows->itemAt(index)->widget();
            if (!row || !row->isVisible())
                continue;
            const double y = row->geometry().top() - rows->spacing() / 2.0;
            painter.drawLine(QPointF(12, y), QPointF(width() - 0.5, y));
        }
    }
};

FormSection::FormSection(const QString& title, QWidget* parent)
    : QWidget(parent)
{
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(5);
    if (!title.isEmpty()) {
        auto* heading = new QLabel(title, this);
        heading->setFont(captionFont());
        heading->setContentsMargins(12, 0, 0, 0);
        makeSecondary(*heading);
        m_column->addWidget(heading);
    }
    m_panel = new Panel(this);
    m_rows = new QVBoxLayout(m_panel);
    m_rows->setContentsMargins(12, 6, 12, 6);
    m_rows->setSpacing(9);
    m_column->addWidget(m_panel);
}

void FormSection::addRow(QWidget* row)
{
    m_rows->addWidget(row);
}

void FormSection::clearRows()
{
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

QLabel* FormSection::footer()
{
    if (!m_footer) {
        m_footer = new QLabel(this);
        m_footer->setFont(captionFont());
        m_footer->setWordWrap(true);
        m_footer->setContentsMargins(12, 0, 12, 0);
        makeSecondary(*m_footer);
        m_footer->hide();
        m_column->addWidget(m_footer);
    }
    return m_footer;
}

void FormSection::setFooter(const QString& text)
{
    footer()->setText(text);
    m_footer->setVisible(!text.isEmpty());
}

} // namespace quillon
