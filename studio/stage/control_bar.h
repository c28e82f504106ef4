// The floating bar under the card: the size picker and the theme swatches.
#pragma once

#include "studio/model/studio_model.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QVariantAnimation>
#include <QWidget>

#include <vector>

namespace quillon {

// One segment per size the selected kind offers; a capsule glides to the selected one.
class SizePicker final : public QWidget {
    Q_OBJECT

public:
    explicit SizePicker(StudioModel& model, QWidget* parent = nullptr);

    std::vector<DotSize> sizes() const { return m_sizes; }
    std::size_t selected() const { return m_selected; }
    // Where a segment is drawn, in the picker's coordinates.
    QRect segmentGeometry(std::size_t index) const { return segmentRect(index).toAlignedRect(); }
    void choose(std::size_t index);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void refresh();
    QRectF segmentRect(std::size_t index) const;
    // Tells screen readers that the keyboard is on the selected segment, which they then read.
    void announceSelectedSegment();

    StudioModel& m_model;
    std::vector<DotSize> m_sizes;
    std::size_t m_selected = 0;
    double m_highlight = 0; // segment index the capsule stands at, fractional while gliding
    QVariantAnimation m_glide;
};

// A 22-point swatch of a theme: its panel, two lit and two unlit dots, a solid ring when selected
// and a dashed one further out when it has the keyboard focus. The swatches are one group of radio
// buttons: Tab stops at the selected one only, and the arrow keys choose the one beside it.
class ThemeButton final : public QAbstractButton {
    Q_OBJECT

public:
    ThemeButton(StudioModel& model, ThemeID theme, QWidget* parent = nullptr);
    ThemeID theme() const { return m_theme; }
    QSize sizeHint() const override { return {34, 34}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSelection(bool selected);

    StudioModel& m_model;
    ThemeID m_theme;
};

class ControlBar final : public QWidget {
    Q_OBJECT

public:
    explicit ControlBar(StudioModel& model, QWidget* parent = nullptr);
    SizePicker* sizePicker() const { return m_sizePicker; }
    const std::vector<ThemeButton*>& themeButtons() const { return m_themeButtons; }

    // The width the sizes and the themes take side by side.
    int oneRowWidth() const;
    // Side by side where `available` allows, else the themes under the sizes, so that every
    // control stays whole on a narrow stage.
    void fitWidth(int available);
    bool isInTwoRows() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SizePicker* m_sizePicker;
    QWidget* m_themes;
    QBoxLayout* m_rows;
    std::vector<ThemeButton*> m_themeButtons;
};

} // namespace quillon
