// Size segments, theme swatches and the translucent capsules behind them.
#include "studio/stage/control_bar.h"

#include "studio/stage/stage_accessibility.h"

#include "names/display_names.h"
#include "render/dot_painter.h"
#include "studio/controls/choice_accessibility.h"
#include "studio/controls/spring.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quillon {
namespace {

constexpr double kSegmentPaddingX = 10;
constexpr double kSegmentPaddingY = 7;
constexpr double kSegmentGap = 2;
constexpr double kPickerInset = 4;
constexpr int kSwatchSize = 22;
constexpr int kGroupSpacing = 12;

QFont segmentFont(const QFont& base, bool selected)
{
    QFont font = base;
    font.setPixelSize(12);
    font.setWeight(selected ? QFont::DemiBold : QFont::Normal);
    return font;
}

// The surface of a capsule group where no glass material exists: a translucent fill of the window
// colour with a faint white outline.
void paintCapsule(QPainter& painter, const QRectF& rect, const QPalette& palette)
{
    QColor fill = palette.color(QPalette::Window);
    fill.setAlphaF(0.78f);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 31), 0.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.25, 0.25, -0.25, -0.25), rect.height() / 2, rect.height() / 2);
}

} // namespace

SizePicker::SizePicker(StudioModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    // Before the name below is set: with a screen reader on, that makes the picker's interface.
    installStageAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Size", "display size"));
    const double duration = kSelectionSpring.settlingSeconds();
    m_glide.setDuration(static_cast<int>(duration * 1000));
    m_glide.setStartValue(0.0);
    m_glide.setEndValue(1.0);
    connect(&m_glide, &QVariantAnimation::valueChanged, this, [this, duration](const QVariant& value) {
        const double from = m_glide.property("from").toDouble();
        const double progress = kSelectionSpring.progress(value.toDouble() * duration);
        m_highlight = from + (static_cast<double>(m_selected) - from) * progress;
        update();
    });
    connect(&m_model, &StudioModel::kindChanged, this, &SizePicker::refresh);
    connect(&m_model, &StudioModel::sizesChanged, this, &SizePicker::refresh);
    refresh();
    m_highlight = static_cast<double>(m_selected);
}

void SizePicker::refresh()
{
    const DotWidgetKind kind = m_model.state().kind;
    const auto supported = supportedSizes(kind);
    const std::vector<DotSize> sizes(supported.begin(), supported.end());
    const DotSize current = m_model.sizeForKind(kind);
    const auto selected
        = static_cast<std::size_t>(std::find(sizes.begin(), sizes.end(), current) - sizes.begin());
    const bool sameSegments = sizes == m_sizes;
    m_sizes = sizes;
    if (sameSegments && selected != m_selected) {
        m_glide.stop();
        m_glide.setProperty("from", m_highlight);
        m_selected = selected;
        m_glide.start();
    } else {
        m_selected = selected;
        m_highlight = static_cast<double>(selected);
    }
    updateGeometry();
    update();
    if (hasFocus())
        announceSelectedSegment();
}

void SizePicker::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After the picker's own focus event, which Qt sends once this returns: screen readers keep
    // the last of two at once.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                announceSelectedSegment();
        },
        Qt::QueuedConnection);
}

void SizePicker::announceSelectedSegment()
{
    if (!QAccessible::isActive() || m_selected >= m_sizes.size())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(static_cast<int>(m_selected));
    QAccessible::updateAccessibility(&event);
}

QSize SizePicker::sizeHint() const
{
    const QFontMetricsF metrics(segmentFont(font(), true));
    double width = 2 * kPickerInset;
    for (DotSize size : m_sizes)
        width += metrics.horizontalAdvance(displayName(size)) + 2 * kSegmentPaddingX;
    width += kSegmentGap * static_cast<double>(std::max<std::size_t>(m_sizes.size(), 1) - 1);
    return QSizeF(width, metrics.height() + 2 * kSegmentPaddingY + 2 * kPickerInset).toSize();
}

QRectF SizePicker::segmentRect(std::size_t index) const
{
    const QFontMetricsF metrics(segmentFont(font(), true));
    double x = kPickerInset;
    for (std::size_t segment = 0; segment < m_sizes.size(); ++segment) {
        const double width = metrics.horizontalAdvance(displayName(m_sizes[segment])) + 2 * kSegmentPaddingX;
        if (segment == index)
            return {x, kPickerInset, width, height() - 2 * kPickerInset};
        x += width + kSegmentGap;
    }
    return {};
}

void SizePicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCapsule(painter, rect(), palette());
    if (m_sizes.empty())
        return;
    // The highlight between two segments while gliding.
    const auto lower
        = static_cast<std::size_t>(std::clamp(std::floor(m_highlight), 0.0, double(m_sizes.size() - 1)));
    const std::size_t upper = std::min(lower + 1, m_sizes.size() - 1);
    const double blend = std::clamp(m_highlight - static_cast<double>(lower), 0.0, 1.0);
    const QRectF from = segmentRect(lower);
    const QRectF to = segmentRect(upper);
    const QRectF highlight(from.x() + (to.x() - from.x()) * blend, from.y(),
        from.width() + (to.width() - from.width()) * blend, from.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(highlight, highlight.height() / 2, highlight.height() / 2);
    for (std::size_t index = 0; index < m_sizes.size(); ++index) {
        const bool selected = index == m_selected;
        painter.setFont(segmentFont(font(), selected));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(segmentRect(index), Qt::AlignCenter, displayName(m_sizes[index]));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            segmentRect(m_selected), height() / 2.0 - kPickerInset, height() / 2.0 - kPickerInset);
    }
}

void SizePicker::choose(std::size_t index)
{
    if (index < m_sizes.size())
        m_model.setSize(m_sizes[index]);
}

void SizePicker::mousePressEvent(QMouseEvent* event)
{
    for (std::size_t index = 0; index < m_sizes.size(); ++index) {
        if (segmentRect(index).contains(event->position()))
            choose(index);
    }
}

void SizePicker::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left && m_selected > 0)
        choose(m_selected - 1);
    else if (event->key() == Qt::Key_Right)
        choose(m_selected + 1);
    else
        QWidget::keyPressEvent(event);
}

ThemeButton::ThemeButton(StudioModel& model, ThemeID theme, QWidget* parent)
    : QAbstractButton(parent)
    , m_model(model)
    , m_theme(theme)
{
    presentAsRadioButton(*this);
    const QString name = displayName(theme);
    setToolTip(name);
    setAccessibleName(name);
    setCheckable(true);
    showSelection(model.state().theme == theme);
    connect(this, &QAbstractButton::clicked, &model, [&model, theme] { model.selectTheme(theme); });
    connect(&model, &StudioModel::themeChanged, this,
        [this] { showSelection(m_model.state().theme == m_theme); });
}

void ThemeButton::showSelection(bool selected)
{
    setChecked(selected);
    setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void ThemeButton::keyPressEvent(QKeyEvent* event)
{
    const bool reversed = layoutDirection() == Qt::RightToLeft;
    int step = 0;
    if (event->key() == Qt::Key_Up || event->key() == (reversed ? Qt::Key_Right : Qt::Key_Left))
        step = -1;
    else if (event->key() == Qt::Key_Down || event->key() == (reversed ? Qt::Key_Left : Qt::Key_Right))
        step = 1;
    if (step == 0) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    const auto count = std::ssize(kAllThemeIDs);
    const auto here = std::find(kAllThemeIDs.begin(), kAllThemeIDs.end(), m_theme) - kAllThemeIDs.begin();
    const ThemeID next = kAllThemeIDs[static_cast<std::size_t>((here + step + count) % count)];
    m_model.selectTheme(next);
    // The swatch of the new theme takes the focus, as the next radio button of a group does.
    for (auto* sibling : parentWidget()->findChildren<ThemeButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->theme() == next)
            sibling->setFocus(Qt::TabFocusReason);
    }
}

void ThemeButton::paintEvent(QPaintEvent*)
{
    const DotTheme& colours = themeTable()[m_theme];
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF swatch(QPointF((width() - kSwatchSize) / 2.0, (height() - kSwatchSize) / 2.0),
        QSizeF(kSwatchSize, kSwatchSize));
    // Selection is a solid ring close to the swatch; keyboard focus a dashed one further out, so
    // that the two never look alike and both show on the selected swatch.
    painter.setBrush(Qt::NoBrush);
    if (isChecked()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawEllipse(swatch.adjusted(-2.5, -2.5, 2.5, 2.5));
    }
    if (hasFocus()) {
        QPen dashed(palette().color(QPalette::Highlight), 1.5, Qt::DashLine);
        dashed.setDashPattern({2, 2});
        painter.setPen(dashed);
        painter.drawEllipse(swatch.adjusted(-5.5, -5.5, 5.5, 5.5));
    }
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(toQColor(colours.background));
    painter.drawEllipse(swatch.adjusted(0.5, 0.5, -0.5, -0.5));
    // Two by two dots of 4 points, 2 apart: lit on the diagonal from top left.
    painter.setPen(Qt::NoPen);
    const QPointF origin = swatch.center() - QPointF(5, 5);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            painter.setBrush(toQColor(row == column ? colours.lit : colours.unlit));
            painter.drawEllipse(QRectF(origin + QPointF(column * 6.0, row * 6.0), QSizeF(4, 4)));
        }
    }
}

ControlBar::ControlBar(StudioModel& model, QWidget* parent)
    : QWidget(parent)
    , m_sizePicker(new SizePicker(model, this))
{
    m_themes = new QWidget(this);
    auto* themes = new QHBoxLayout(m_themes);
    themes->setContentsMargins(8, 4, 8, 4);
    themes->setSpacing(0);
    for (ThemeID theme : kAllThemeIDs) {
        auto* button = new ThemeButton(model, theme, m_themes);
        themes->addWidget(button);
        m_themeButtons.push_back(button);
    }
    m_rows = new QBoxLayout(QBoxLayout::LeftToRight, this);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(kGroupSpacing);
    m_rows->addWidget(m_sizePicker, 0, Qt::AlignHCenter);
    m_rows->addWidget(m_themes, 0, Qt::AlignHCenter);
    setAttribute(Qt::WA_TranslucentBackground);
}

int ControlBar::oneRowWidth() const
{
    return m_sizePicker->sizeHint().width() + kGroupSpacing + m_themes->sizeHint().width();
}

void ControlBar::fitWidth(int available)
{
    const auto direction = oneRowWidth() <= available ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (m_rows->direction() != direction)
        m_rows->setDirection(direction);
}

bool ControlBar::isInTwoRows() const
{
    return m_rows->direction() == QBoxLayout::TopToBottom;
}

void ControlBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCapsule(painter, m_themes->geometry(), palette());
}

} // namespace quillon
