// The how-to popover's content.
#include "studio/window/how_to_add_view.h"

#include "studio/controls/popup_accessibility.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {
namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(boldMarkup(text), parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

constexpr int kBadgeSide = 20;

QWidget* step(int number, const QString& text, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto* badge = new QLabel(QString::number(number), row);
    badge->setFixedSize(kBadgeSide, kBadgeSide);
    badge->setAlignment(Qt::AlignCenter);
    QFont bold = badge->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 0.85);
    badge->setFont(bold);
    badge->setStyleSheet("background: palette(midlight); border-radius: 10px;");
    badge->setObjectName("stepNumber");
    auto* label = new QLabel(boldMarkup(text), row);
    label->setObjectName("stepText");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The number sits on the first line's baseline: a label taller than one line centred its text
    // below the badge, and the badge's text is smaller and centred in its circle.
    const QFontMetrics badgeMetrics(badge->font());
    const QFontMetrics textMetrics(label->font());
    const int badgeBaseline = (kBadgeSide - badgeMetrics.height()) / 2 + badgeMetrics.ascent();
    const int shift = textMetrics.ascent() - badgeBaseline;
    auto* badgeColumn = new QVBoxLayout;
    badgeColumn->setContentsMargins(0, std::max(shift, 0), 0, 0);
    badgeColumn->addWidget(badge);
    badgeColumn->addStretch();
    label->setContentsMargins(0, std::max(-shift, 0), 0, 0);
    layout->addLayout(badgeColumn);
    layout->addWidget(label, 1);
    return row;
}

} // namespace

QString boldMarkup(const QString& text)
{
    const QStringList parts = text.split("**");
    QString html;
    for (qsizetype index = 0; index < parts.size(); ++index)
        html += index % 2 ? "<b>" + parts[index].toHtmlEscaped() + "</b>" : parts[index].toHtmlEscaped();
    return html;
}

HowToAddView::HowToAddView(QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    presentAsPopover(*this);
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(320 + 2 * 18);
    setAccessibleName(tr("Add a widget to your desktop"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 18);
    column->setSpacing(12);
    auto* title = new QLabel(tr("Add a widget to your desktop"), this);
    QFont headline = title->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() * 1.1);
    title->setFont(headline);
    column->addWidget(title);
    column->addWidget(caption(tr("Widgets live on your desktop, drawn by Quillon Widgets."), this));
    //: Text between ** and ** is shown in bold. "Place on Desktop" is the button below the steps;
    //: "Edit Widgets…" is an item of the Quillon Widgets menu.
    column->addWidget(step(1,
        tr("Click **Place on Desktop** below, or open **Quillon Widgets** and choose **Edit Widgets…**"),
        this));
    column->addWidget(step(2, tr("Pick a widget and a size."), this));
    column->addWidget(step(3, tr("Drag it where you want it."), this));
    //: Text between ** and ** is shown in bold. "Edit Widget" is an item of a placed widget's
    //: right-click menu.
    column->addWidget(
        caption(tr("Placed widgets follow the settings in this app and update as you change them. Click a "
                   "widget to jump back here; use **Edit Widget** on its right-click menu only to give one "
                   "widget its own settings."),
            this));
    m_answer = new QLabel(this);
    m_answer->setObjectName("placeAnswer");
    m_answer->setWordWrap(true);
    m_answer->setTextFormat(Qt::PlainText);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_answer->hide();
    column->addWidget(m_answer);
    m_place = new QPushButton(tr("Place on Desktop"), this);
    m_place->setDefault(true);
    connect(m_place, &QPushButton::clicked, this, [this] {
        showPlacing();
        emit placeOnDesktopRequested();
    });
    column->addWidget(m_place, 0, Qt::AlignRight);
}

void HowToAddView::showPlacing()
{
    m_placing = true;
    m_place->setEnabled(false);
    //: Shown in the how-to popover while the desktop is asked to place the widget
    m_answer->setText(tr("Placing the widget…"));
    m_answer->show();
    growUpwards();
}

void HowToAddView::fitHeight()
{
    // The height its wrapped lines take at its fixed width: the size hint, taken at another width,
    // left gaps between the steps.
    const int height = heightForWidth(width());
    resize(width(), height > 0 ? height : sizeHint().height());
}

void HowToAddView::growUpwards()
{
    // It stands on its button's bottom edge: a longer text takes room above, not below the window.
    const int bottom = geometry().bottom();
    fitHeight();
    if (isVisible())
        move(x(), bottom - height() + 1);
}

void HowToAddView::showAnswer(bool placed, const QString& text)
{
    m_placing = false;
    m_place->setEnabled(true);
    m_answer->setText(text);
    m_answer->setAccessibleName(text);
    // A refusal is in bold: it asks to be read before the popover goes.
    QFont font = m_answer->font();
    font.setBold(!placed);
    m_answer->setFont(font);
    m_answer->show();
    growUpwards();
}

QString HowToAddView::answer() const
{
    return m_answer->isVisible() ? m_answer->text() : QString();
}

void HowToAddView::showAt(QWidget* anchor)
{
    // An earlier answer is old news at the next opening, unless the desktop has yet to answer.
    if (!m_placing)
        m_answer->hide();
    fitHeight();
    const QPoint corner = anchor->mapToGlobal(QPoint(anchor->width() + 8, anchor->height() - height()));
    move(corner);
    m_anchor = anchor;
    show();
    m_place->setFocus(Qt::PopupFocusReason);
}

void HowToAddView::setVisible(bool visible)
{
    if (!visible && isVisible())
        returnKeyboardTo(m_anchor, *this);
    QFrame::setVisible(visible);
}

void HowToAddView::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    emit closed();
}

} // namespace quillon
