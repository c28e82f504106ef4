#include "studio/inspector/column_fit.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWidget>

#include <algorithm>

namespace quillon {
namespace {

constexpr int kIconGap = 4; // between a button's icon and its text, as QPushButton has it
constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

TrailingRowLayout::TrailingRowLayout(QWidget* leading, QWidget* trailing, QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(10);
    addWidget(leading);
    addWidget(trailing);
}

TrailingRowLayout::~TrailingRowLayout()
{
    qDeleteAll(m_items);
}

void TrailingRowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

QLayoutItem* TrailingRowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* TrailingRowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int TrailingRowLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem* TrailingRowLayout::leading() const
{
    return m_items.value(0);
}

QLayoutItem* TrailingRowLayout::trailing() const
{
    return m_items.value(1);
}

int TrailingRowLayout::inner(int width) const
{
    const QMargins margins = contentsMargins();
    return width - margins.left() - margins.right();
}

int TrailingRowLayout::leadingHeight(int width) const
{
    QLayoutItem* item = leading();
    if (!item)
        return 0;
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
}

bool TrailingRowLayout::isStacked(int width) const
{
    if (!leading() || !trailing())
        return false;
    return inner(width) < leading()->minimumSize().width() + spacing() + trailing()->sizeHint().width();
}

QSize TrailingRowLayout::sizeHint() const
{
    QSize size;
    if (leading() && trailing()) {
        size = QSize(leading()->sizeHint().width() + spacing() + trailing()->sizeHint().width(),
            std::max(leading()->sizeHint().height(), trailing()->sizeHint().height()));
    } else if (QLayoutItem* only = leading()) {
        size = only->sizeHint();
    }
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

// As narrow as either widget can be, the trailing one under the other.
QSize TrailingRowLayout::minimumSize() const
{
    QSize size;
    for (QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    return size.grownBy(contentsMargins());
}

Qt::Orientations TrailingRowLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

bool TrailingRowLayout::hasHeightForWidth() const
{
    return true;
}

int TrailingRowLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int available = inner(width);
    int height = 0;
    if (!trailing()) {
        height = leadingHeight(available);
    } else if (isStacked(width)) {
        height = leadingHeight(available) + spacing() + trailing()->sizeHint().height();
    } else {
        const int trailingWidth = trailing()->sizeHint().width();
        height
            = std::max(leadingHeight(available - spacing() - trailingWidth), trailing()->sizeHint().height());
    }
    return height + margins.top() + margins.bottom();
}

void TrailingRowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = contentsRect();
    QLayoutItem* first = leading();
    QLayoutItem* second = trailing();
    if (!first)
        return;
    const Qt::LayoutDirection direction
        = parentWidget() ? parentWidget()->layoutDirection() : Qt::LeftToRight;
    const auto place = [&](QLayoutItem* item, const QRect& logical) {
        item->setGeometry(QStyle::visualRect(direction, area, logical));
    };
    if (!second) {
        place(first, area);
        return;
    }
    const int trailingWidth = std::min(second->sizeHint().width(), area.width());
    const int trailingHeight = second->sizeHint().height();
    if (isStacked(rect.width())) {
        const int firstHeight = leadingHeight(area.width());
        place(first, QRect(area.left(), area.top(), area.width(), firstHeight));
        place(second,
            QRect(area.right() + 1 - trailingWidth, area.top() + firstHeight + spacing(), trailingWidth,
                trailingHeight));
        return;
    }
    place(first, QRect(area.left(), area.top(), area.width() - spacing() - trailingWidth, area.height()));
    place(second,
        QRect(area.right() + 1 - trailingWidth, area.top() + (area.height() - trailingHeight) / 2,
            trailingWidth, trailingHeight));
}

WrappingPushButton::WrappingPushButton(const QIcon& icon, const QString& text, QWidget* parent)
    : QPushButton(icon, text, parent)
{
    // Narrower than one line of text, it grows taller instead.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize WrappingPushButton::chrome() const
{
    // Measured around large contents: a style may give a button with text a least width.
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize large(10000, 1000);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, large, this) - large;
}

int WrappingPushButton::iconPart() const
{
    return icon().isNull() ? 0 : iconSize().width() + kIconGap;
}

QRect WrappingPushButton::textBounds(int width) const
{
    // Wrapped at a width narrower than a word, the bounds are as wide as the widest word.
    return fontMetrics().boundingRect(QRect(0, 0, std::max(width, 1), 100000), kTextFlags, text());
}

QSize WrappingPushButton::sizeForTextWidth(int textWidth) const
{
    const QRect bounds = textBounds(textWidth);
    int height = std::max(bounds.height(), fontMetrics().height());
    if (!icon().isNull())
        height = std::max(height, iconSize().height());
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(
        QStyle::CT_PushButton, &option, QSize(iconPart() + bounds.width(), height), this);
}

QSize WrappingPushButton::sizeHint() const
{
    return sizeForTextWidth(fontMetrics().size(Qt::TextShowMnemonic, text()).width());
}

QSize WrappingPushButton::minimumSizeHint() const
{
    // As narrow as its widest word, as tall as one line: the height comes from heightForWidth.
    const QSize narrowest = sizeForTextWidth(1);
    return {narrowest.width(),
        sizeForTextWidth(fontMetrics().size(Qt::TextShowMnemonic, text()).width()).height()};
}

bool WrappingPushButton::hasHeightForWidth() const
{
    return true;
}

int WrappingPushButton::heightForWidth(int width) const
{
    return sizeForTextWidth(width - chrome().width() - iconPart()).height();
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the button without its label; the label is drawn here, wrapped.
    const QString label = option.text;
    const QIcon symbol = option.icon;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked()) {
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const int textWidth = std::max(contents.width() - iconPart(), 1);
    const QRect bounds = textBounds(textWidth);
    // The icon and the text as one block in the middle, as a push button centres its label.
    const int blockWidth = std::min(iconPart() + bounds.width(), contents.width());
    QRect block((contents.width() - blockWidth) / 2, 0, blockWidth, contents.height());
    block.translate(contents.topLeft());
    if (!symbol.isNull()) {
        const QRect iconRect(block.left(), block.top() + (block.height() - iconSize().height()) / 2,
            iconSize().width(), iconSize().height());
        symbol.paint(&painter, QStyle::visualRect(layoutDirection(), contents, iconRect), Qt::AlignCenter,
            isEnabled() ? QIcon::Normal : QIcon::Disabled, isChecked() ? QIcon::On : QIcon::Off);
    }
    const QRect textRect(block.left() + iconPart(), block.top(), block.width() - iconPart(), block.height());
    style()->drawItemText(&painter, QStyle::visualRect(layoutDirection(), contents, textRect),
        Qt::AlignLeading | Qt::AlignVCenter | kTextFlags, palette(), isEnabled(), label,
        QPalette::ButtonText);
}

} // namespace quillon
