// The middle of the studio window: the selected display as a widget card on a dotted backdrop,
// flipping as its text changes, with the control bar floating below it.
#pragma once

#include "render/retained_scene.h"
#include "scenes/flap_animation.h"
#include "studio/model/studio_model.h"
#include "studio/stage/control_bar.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

namespace quillon {

class StageView final : public QWidget {
    Q_OBJECT

public:
    // At most this many frames a second while cells flip; none while nothing does. The interval is
    // rounded up: 1000 / 30 = 33 ms would allow 30.3 frames a second.
    static constexpr int kFramesPerSecond = 30;
    static constexpr int kFrameIntervalMilliseconds = (1000 + kFramesPerSecond - 1) / kFramesPerSecond;
    static_assert(kFrameIntervalMilliseconds * kFramesPerSecond >= 1000, "more frames a second than allowed");
    // The least room kept between the control bar and the stage's sides.
    static constexpr int kControlBarSideMargin = 8;

    explicit StageView(StudioModel& model, QWidget* parent = nullptr);

    // Full view: the control bar leaves and the card may grow; the change runs on a spring.
    void setPresenting(bool presenting);
    bool isPresenting() const { return m_presenting; }

    // Where the card is now, and at what scale, in the stage's coordinates.
    QRectF cardRect() const;
    double cardScale() const;
    bool isFlipping() const { return m_frameTimer.isActive(); }
    int framesPainted() const { return m_framesPainted; }
    ControlBar* controlBar() const { return m_controlBar; }
    const DotScene& scene() const { return m_scene; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuildScene();
    void startFrames();
    void placeControlBar();
    bool darkAppearance() const;
    QRectF cardRectAt(double scale, double entry) const;
    // Lays out the card's dots as they are at this moment.
    void layOutFrame(double seconds);
    // Brings the card's kept pixels up to date with the last frame laid out; returns the part of the
    // stage that changed.
    QRegion keepPixelsCurrent();
    QTransform cardToPixels(const QRectF& card) const;
    // `still`: the card is where cardRect() says, not growing or fading through a change of card.
    void paintCard(QPainter& painter, const QRectF& card, double scale, bool still);
    void paintKeptDots(QPainter& painter);
    void paintDotsThroughPainter(QPainter& painter, const QRectF& card);
    QImage snapshotCard();

    StudioModel& m_model;
    ControlBar* m_controlBar;
    DotScene m_scene;
    FlapAnimation m_animation;
    DotScene m_shownScene; // the animated scene at the last frame's moment
    std::vector<BoardLayers> m_shownBoards; // laid out on a card of m_shownPoints
    DotSizeF m_shownPoints;
    RetainedScene m_cardPixels;
    QRectF m_keptCard; // where the card was when its pixels were last brought up to date
    QTimer m_frameTimer;
    double m_flipsUntil = 0; // seconds since 2001: the last flip window's end
    QString m_cardIdentity;
    QImage m_leavingCard; // the card that leaves during a change of kind or size
    QRectF m_leavingRect;
    QVariantAnimation m_cardChange; // 0 to 1 through the change
    QVariantAnimation m_presentation; // 0 normal view to 1 full view
    double m_presentingProgress = 0;
    bool m_presenting = false;
    QImage m_backdrop;
    int m_framesPainted = 0;
    QElapsedTimer m_flipClock;
    int m_flipFrames = 0;
};

} // namespace quillon
