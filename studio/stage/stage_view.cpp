// Stage painting and the scheduling of its redraws.
#include "studio/stage/stage_view.h"

#include "studio/stage/stage_accessibility.h"

#include "render/board_style.h"
#include "render/dot_painter.h"
#include "scenes/scene_geometry.h"
#include "studio/controls/spring.h"
#include "studio/stage/stage_metrics.h"
#include "studio/stage/stage_painting.h"

#include <QAccessible>
#include <QDateTime>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace quillon {
namespace {

constexpr double kCardEntryScale = 0.96;

QString cardIdentity(DotWidgetKind kind, DotSize size)
{
    return QString::fromUtf8((std::string(rawValue(kind)) + "-" + std::string(rawValue(size))).c_str());
}

// Runs a spring from 0 to 1 as a property animation over its settling time.
void setUpSpring(QVariantAnimation& animation, const Spring& spring)
{
    animation.setDuration(static_cast<int>(spring.settlingSeconds() * 1000));
    animation.setStartValue(0.0);
    animation.setEndValue(1.0);
}

} // namespace

StageView::StageView(StudioModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_controlBar(new ControlBar(model, this))
{
    installStageAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);

    // Every redraw while something moves comes from this timer, so there are never more than
    // kFramesPerSecond of them; when nothing moves it stops and the last frame stays.
    m_frameTimer.setInterval(kFrameIntervalMilliseconds);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        ++m_flipFrames;
        const bool resizing = m_cardChange.state() == QAbstractAnimation::Running
            || m_presentation.state() == QAbstractAnimation::Running;
        layOutFrame(Instant::now().secondsSinceReferenceDate);
        // While the card grows or moves, all of it is drawn again anyway.
        if (resizing) {
            update();
        } else {
            const QRegion changed = keepPixelsCurrent();
            if (!changed.isEmpty())
                update(changed);
        }
        if (resizing || Instant::now().secondsSinceReferenceDate <= m_flipsUntil + 0.1)
            return;
        m_frameTimer.stop();
        if (std::getenv("QUILLON_FRAME_STATS")) {
            const double seconds = static_cast<double>(m_flipClock.elapsed()) / 1000.0;
            std::fprintf(stderr, "flip: %d frames in %.3f s\n", m_flipFrames, seconds);
        }
    });

    setUpSpring(m_cardChange, kCardChangeSpring);
    connect(&m_cardChange, &QVariantAnimation::valueChanged, this, &StageView::startFrames);
    // The last frame of a change of card or of full view is the still card, drawn whole: the frames
    // after it repaint only what turns.
    connect(&m_cardChange, &QVariantAnimation::finished, this, [this] {
        m_leavingCard = {};
        update();
    });
    connect(&m_presentation, &QVariantAnimation::finished, this, qOverload<>(&QWidget::update));
    setUpSpring(m_presentation, kFullViewSpring);
    connect(&m_presentation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double progress
            = kFullViewSpring.progress(value.toDouble() * kFullViewSpring.settlingSeconds());
        const double from = m_presentation.property("from").toDouble();
        m_presentingProgress = from + ((m_presenting ? 1.0 : 0.0) - from) * progress;
        placeControlBar();
        startFrames();
    });

    for (auto changed : {&StudioModel::kindChanged, &StudioModel::sizesChanged, &StudioModel::use24hChanged,
             &StudioModel::boardCitiesChanged, &StudioModel::clockCityChanged, &StudioModel::periodChanged,
             &StudioModel::countdownTitleChanged, &StudioModel::countdownDateChanged,
             &StudioModel::signTextChanged, &StudioModel::nowChanged})
        connect(&m_model, changed, this, &StageView::rebuildScene);
    connect(&m_model, &StudioModel::themeChanged, this, [this] {
        m_backdrop = {};
        update();
    });
    m_cardIdentity = cardIdentity(m_model.state().kind, m_model.sizeForKind(m_model.state().kind));
    rebuildScene();
}

void StageView::rebuildScene()
{
    const DotWidgetKind kind = m_model.state().kind;
    const DotSize size = m_model.sizeForKind(kind);
    const QString identity = cardIdentity(kind, size);
    const bool newCard = identity != m_cardIdentity;
    if (newCard) {
        // The old card fades out while the new one fades in, both scaling about the centre.
        m_leavingCard = snapshotCard();
        m_leavingRect = cardRect();
        m_cardIdentity = identity;
        m_cardChange.stop();
        m_cardChange.start();
        // Cells that happen to match the old card's flip in too: it is a new card.
        m_animation.restart();
    }
    DotScene scene = m_model.sceneFor(kind, size);
    // The clock ticks every second; a display whose text did not change asks for nothing.
    if (scene == m_scene && !m_scene.blocks.empty() && !newCard)
        return;
    m_scene = std::move(scene);
    // The card speaks as its text: one element for the whole display.
    const QString before = accessibleName();
    setAccessibleName(QString::fromStdString(accessibilityText(m_scene.blocks)));
    if (QAccessible::isActive() && accessibleName() != before) {
        QAccessibleTextUpdateEvent changed(this, 0, before, accessibleName());
        QAccessible::updateAccessibility(&changed);
    }

    const double now = Instant::now().secondsSinceReferenceDate;
    m_flipsUntil = std::max(m_flipsUntil, m_animation.sync(m_scene, now));
    layOutFrame(now);
    if (m_flipsUntil > now)
        startFrames();
    else
        update();
}

void StageView::layOutFrame(double seconds)
{
    DotScene frame = m_animation.animatedScene(m_scene, seconds);
    // The same text on a card of another size is laid out again.
    const DotSizeF points = widgetPointSize(m_model.sizeForKind(m_model.state().kind));
    if (frame == m_shownScene && points == m_shownPoints)
        return;
    m_shownBoards = sceneLayers(frame, {0, 0, points.width, points.height});
    m_shownScene = std::move(frame);
    m_shownPoints = points;
}

QRegion StageView::keepPixelsCurrent()
{
    const DotTheme& theme = themeTable()[m_model.state().theme];
    const QRectF card = cardRect();
    const std::optional<QRegion> changed = m_cardPixels.update(m_shownBoards, theme,
        drawsGlow(BoardSurface::studioCard, theme) ? kGlowRadius : 0.0, cardToPixels(card));
    // A card that moved or grew (the control bar's height decides its room) leaves its frame
    // behind: all of the stage is painted again.
    if (!changed || card != m_keptCard) {
        m_keptCard = card;
        return QRegion(rect());
    }
    // Device pixels to the stage's points, rounded outwards.
    const double ratio = devicePixelRatioF();
    QRegion stage;
    for (const QRect& pixels : *changed)
        stage
            += QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio, pixels.height() / ratio)
                   .toAlignedRect();
    return stage;
}

// The card's points to the stage's device pixels, as paintCard's painter maps them.
QTransform StageView::cardToPixels(const QRectF& card) const
{
    const double scale = card.width() / widgetPointSize(m_model.sizeForKind(m_model.state().kind)).width;
    QTransform toPixels;
    toPixels.translate(card.left(), card.top());
    toPixels.scale(scale, scale);
    return toPixels * QTransform::fromScale(devicePixelRatioF(), devicePixelRatioF());
}

void StageView::startFrames()
{
    if (m_frameTimer.isActive())
        return;
    m_flipClock.start();
    m_flipFrames = 0;
    m_frameTimer.start();
}

double StageView::cardScale() const
{
    const DotSizeF stage {static_cast<double>(width()), static_cast<double>(height())};
    const DotSize size = m_model.sizeForKind(m_model.state().kind);
    // The bar as it is laid out for this width, in one row or two: the card leaves it its room.
    const double normal = stageScale(stage, size, false, m_controlBar->sizeHint().height());
    const double full = stageScale(stage, size, true);
    return normal + (full - normal) * m_presentingProgress;
}

QRectF StageView::cardRectAt(double scale, double entry) const
{
    const DotSizeF card = widgetPointSize(m_model.sizeForKind(m_model.state().kind));
    const QSizeF size(card.width * scale * entry, card.height * scale * entry);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QRectF StageView::cardRect() const
{
    return cardRectAt(cardScale(), 1.0);
}

bool StageView::darkAppearance() const
{
    return palette().color(QPalette::Window).lightness() < 128;
}

void StageView::setPresenting(bool presenting)
{
    if (presenting == m_presenting)
        return;
    m_presenting = presenting;
    m_presentation.stop();
    m_presentation.setProperty("from", m_presentingProgress);
    m_presentation.start();
}

void StageView::placeControlBar()
{
    m_controlBar->fitWidth(width() - 2 * kControlBarSideMargin);
    const QSize bar = m_controlBar->sizeHint();
    const double hidden = m_presentingProgress * (bar.height() + kControlBarMargin);
    m_controlBar->setGeometry(
        QRect(QPoint((width() - bar.width()) / 2,
                  static_cast<int>(height() - kControlBarMargin - bar.height() + hidden)),
            bar));
    m_controlBar->setVisible(m_presentingProgress < 0.999);
}

// The bar asks for a new layout when its contents change (a kind with other sizes): it is placed
// again then, not only when the stage is resized.
bool StageView::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        const QRectF card = cardRect();
        placeControlBar();
        // A bar of another height leaves the card another room.
        if (cardRect() != card)
            update();
    }
    return QWidget::event(event);
}

void StageView::resizeEvent(QResizeEvent*)
{
    m_backdrop = {};
    placeControlBar();
}

void StageView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        m_backdrop = {};
    QWidget::changeEvent(event);
}

void StageView::paintCard(QPainter& painter, const QRectF& card, double scale, bool still)
{
    const DotTheme& theme = themeTable()[m_model.state().theme];
    paintCardFrame(painter, card, kCardCornerRadius * scale, theme);
    if (still && !m_cardPixels.image().isNull()) {
        paintKeptDots(painter);
        return;
    }
    // Growing or fading, the card is drawn through the painter's transform, frame by frame.
    paintDotsThroughPainter(painter, card);
}

void StageView::paintDotsThroughPainter(QPainter& painter, const QRectF& card)
{
    const DotTheme& theme = themeTable()[m_model.state().theme];
    const DotSizeF points = widgetPointSize(m_model.sizeForKind(m_model.state().kind));
    painter.save();
    painter.translate(card.topLeft());
    painter.scale(card.width() / points.width, card.width() / points.width);
    paintScene(painter, m_shownScene, theme, drawsGlow(BoardSurface::studioCard, theme),
        QRectF(0, 0, points.width, points.height));
    painter.restore();
}

// The kept pixels are the stage's device pixels: drawn unscaled wherever the stage is in its window.
void StageView::paintKeptDots(QPainter& painter)
{
    const QRect pixels = m_cardPixels.area();
    const double ratio = devicePixelRatioF();
    painter.save();
    painter.resetTransform();
    painter.drawImage(
        QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio, pixels.height() / ratio),
        m_cardPixels.image());
    painter.restore();
}

QImage StageView::snapshotCard()
{
    const QRectF card = cardRect();
    const double ratio = devicePixelRatioF();
    QImage image((card.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-card.topLeft());
    paintCardFrame(painter, card, kCardCornerRadius * cardScale(), themeTable()[m_model.state().theme]);
    // Once, in its own image: the kept pixels stay those of the stage.
    paintDotsThroughPainter(painter, card);
    return image;
}

void StageView::paintEvent(QPaintEvent* event)
{
    ++m_framesPainted;
    QPainter painter(this);
    const DotTheme& theme = themeTable()[m_model.state().theme];
    if (m_backdrop.size() != size() * devicePixelRatioF()) {
        m_backdrop = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
        m_backdrop.setDevicePixelRatio(devicePixelRatioF());
        QPainter backdrop(&m_backdrop);
        paintBackdrop(backdrop, rect(), theme, darkAppearance());
    }
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0, 0), m_backdrop);

    const double change = m_cardChange.state() == QAbstractAnimation::Running ? kCardChangeSpring.progress(
                              m_cardChange.currentValue().toDouble() * kCardChangeSpring.settlingSeconds())
                                                                              : 1.0;
    if (!m_leavingCard.isNull() && change < 1.0) {
        painter.save();
        painter.setOpacity(std::clamp(1.0 - change, 0.0, 1.0));
        const double shrink = 1.0 - (1.0 - kCardEntryScale) * change;
        const QPointF centre = m_leavingRect.center();
        painter.translate(centre);
        painter.scale(shrink, shrink);
        painter.translate(-centre);
        painter.drawImage(m_leavingRect.topLeft(), m_leavingCard);
        painter.restore();
    }

    const double scale = cardScale();
    const QRectF card = cardRect();
    const bool still = change >= 1.0;
    if (still) {
        // After a change of theme, size or place no frame has brought the pixels up to date yet.
        const QRegion stale = keepPixelsCurrent() - event->region();
        if (!stale.isEmpty() && !m_cardPixels.image().isNull())
            update(stale);
    }
    painter.save();
    if (change < 1.0) {
        painter.setOpacity(std::clamp(change, 0.0, 1.0));
        const double grow = kCardEntryScale + (1.0 - kCardEntryScale) * change;
        painter.translate(card.center());
        painter.scale(grow, grow);
        painter.translate(-card.center());
    }
    paintCard(painter, card, scale, still);
    painter.restore();
}

} // namespace quillon
