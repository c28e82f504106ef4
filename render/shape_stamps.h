// Shapes of one size (dots, tiles) stamped from coverage masks computed once per sub-pixel
// offset, and the halos of dots summed into a glow buffer.
#pragma once

#include "render/pixel_canvas.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace quillon {

// Summed halo coverage over a region of a canvas. Blurring is linear and the dots never overlap,
// so the sum of each dot's blurred disc is exactly the blur of all of them together.
struct GlowBuffer {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> sums;

    void reset(int regionLeft, int regionTop, int regionWidth, int regionHeight);
};

// Blends the colour, scaled by each pixel's summed coverage, over the canvas.
void blendGlow(const PixelCanvas& canvas, const GlowBuffer& glow, PremultipliedPixel colour);

// A disc (width = height = diameter) or a rounded rectangle, in pixels.
struct StampShape {
    double width = 0;
    double height = 0;
    double cornerRadius = 0;
    bool isDisc = false;
    bool operator==(const StampShape&) const = default;

    static StampShape disc(double diameter) { return {diameter, diameter, diameter / 2, true}; }
    static StampShape roundedRect(double width, double height, double radius)
    {
        return {width, height, radius, false};
    }
};

class ShapeStamps {
public:
    // glowSigma is the halo's standard deviation in pixels, 0 for none.
    ShapeStamps(StampShape shape, double glowSigma);
    ~ShapeStamps();
    ShapeStamps(const ShapeStamps&) = delete;
    ShapeStamps& operator=(const ShapeStamps&) = delete;

    const StampShape& shape() const { return m_shape; }
    double glowSigma() const { return m_glowSigma; }

    // The shape whose bounding box starts at (x, y), in pixels, in a colour.
    void stamp(const PixelCanvas& canvas, double x, double y, PremultipliedPixel colour);
    void addHalo(GlowBuffer& glow, double x, double y);

private:
    struct Mask {
        int originX = 0; // position of the mask's first pixel relative to the dot's whole pixel
        int originY = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage;
    };
    static constexpr int kPhases = 8; // sub-pixel positions per axis: at most 1/16 pixel off

    // A mask in one colour: its coverage turned into premultiplied pixels once, not at every stamp.
    struct Coloured {
        PremultipliedPixel colour = 0;
        std::array<std::vector<PremultipliedPixel>, kPhases * kPhases> pixels;
    };
    static constexpr std::size_t kColours = 4; // a board uses two: unlit and lit dots

    const Mask& sharp(int phaseX, int phaseY);
    const std::vector<PremultipliedPixel>& inColour(PremultipliedPixel colour, int phaseX, int phaseY);
    const Mask& halo(int phaseX, int phaseY);
    Mask makeDisc(int phaseX, int phaseY) const;
    Mask makeRoundedRect(int phaseX, int phaseY) const;
    static Mask withoutEmptyBorder(const Mask& mask);
    static Mask widenedToSteps(const Mask& mask, int step);

    StampShape m_shape;
    double m_glowSigma;
    std::array<std::unique_ptr<Mask>, kPhases * kPhases> m_sharp;
    std::array<std::unique_ptr<Mask>, kPhases * kPhases> m_halos;
    std::vector<std::unique_ptr<Coloured>> m_coloured; // most recently used last
};

} // namespace quillon
