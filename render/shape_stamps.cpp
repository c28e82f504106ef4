// Shape and halo masks, computed once and reused for every shape of the same size.
#include "render/shape_stamps.h"

#include "render/box_blur.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

constexpr int kSamples = 8; // per pixel and axis when measuring a small disc's coverage
// From this radius on, the distance of a pixel's centre to the edge measures its coverage as well
// as supersampling does, at a fraction of the cost.
constexpr double kAnalyticRadius = 6.0;
// Masks are kept for every sub-pixel offset, so shapes are bounded in size.
constexpr double kMaxShapePixels = 2048.0;

struct Position {
    int whole;
    int phase;
};

Position split(double coordinate, int phases)
{
    const double scaled = std::round(coordinate * phases);
    const auto steps = static_cast<long long>(scaled);
    const long long whole = steps >= 0 ? steps / phases : -((-steps + phases - 1) / phases);
    return {static_cast<int>(whole), static_cast<int>(steps - whole * phases)};
}

} // namespace

void GlowBuffer::reset(int regionLeft, int regionTop, int regionWidth, int regionHeight)
{
    left = regionLeft;
    top = regionTop;
    width = std::max(regionWidth, 0);
    height = std::max(regionHeight, 0);
    sums.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

void blendGlow(const PixelCanvas& canvas, const GlowBuffer& glow, const ColourRamp& colour)
{
    const int firstY = std::max(glow.top, 0);
    const int lastY = std::min(glow.top + glow.height, canvas.height);
    const int firstX = std::max(glow.left, 0);
    const int lastX = std::min(glow.left + glow.width, canvas.width);
    for (int y = firstY; y < lastY; ++y) {
        const std::uint16_t* sums = glow.sums.data()
            + static_cast<std::size_t>(y - glow.top) * static_cast<std::size_t>(glow.width);
        std::uint32_t* line = canvas.row(y);
        for (int x = firstX; x < lastX; ++x) {
            const std::uint32_t coverage = std::min<std::uint32_t>(sums[x - glow.left], 255);
            if (coverage)
                line[x] = over(colour.byCoverage[coverage], line[x]);
        }
    }
}

ShapeStamps::ShapeStamps(StampShape shape, double glowSigma)
    : m_shape(shape)
    , m_glowSigma(std::clamp(glowSigma, 0.0, 512.0))
{
    m_shape.width = std::clamp(m_shape.width, 0.0, kMaxShapePixels);
    m_shape.height = std::clamp(m_shape.height, 0.0, kMaxShapePixels);
}

ShapeStamps::~ShapeStamps() = default;

ShapeStamps::Mask ShapeStamps::makeRoundedRect(int phaseX, int phaseY) const
{
    const double offsetX = static_cast<double>(phaseX) / kPhases;
    const double offsetY = static_cast<double>(phaseY) / kPhases;
    Mask mask;
    mask.width = static_cast<int>(std::ceil(offsetX + m_shape.width));
    mask.height = static_cast<int>(std::ceil(offsetY + m_shape.height));
    std::vector<std::uint32_t> pixels(
        static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
    const PixelCanvas canvas {pixels.data(), mask.width, mask.height, mask.width};
    fillRoundedRect(canvas, {offsetX, offsetY, offsetX + m_shape.width, offsetY + m_shape.height},
        m_shape.cornerRadius, 0xFF000000);
    mask.coverage.resize(pixels.size());
    std::transform(pixels.begin(), pixels.end(), mask.coverage.begin(),
        [](std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel >> 24); });
    return mask;
}

ShapeStamps::Mask ShapeStamps::makeDisc(int phaseX, int phaseY) const
{
    const double offsetX = static_cast<double>(phaseX) / kPhases;
    const double offsetY = static_cast<double>(phaseY) / kPhases;
    const double radius = m_shape.width / 2;
    Mask mask;
    mask.width = static_cast<int>(std::ceil(offsetX + m_shape.width));
    mask.height = static_cast<int>(std::ceil(offsetY + m_shape.width));
    mask.coverage.resize(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
    const double centreX = offsetX + radius;
    const double centreY = offsetY + radius;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            auto& target = mask.coverage[static_cast<std::size_t>(y * mask.width + x)];
            if (radius >= kAnalyticRadius) {
                const double distance = std::hypot(x + 0.5 - centreX, y + 0.5 - centreY);
                target = static_cast<std::uint8_t>(
                    std::lround(std::clamp(radius - distance + 0.5, 0.0, 1.0) * 255));
                continue;
            }
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                const double dy = y + (sy + 0.5) / kSamples - centreY;
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double dx = x + (sx + 0.5) / kSamples - centreX;
                    inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
                }
            }
            target
                = static_cast<std::uint8_t>((inside * 255 + kSamples * kSamples / 2) / (kSamples * kSamples));
        }
    }
    return mask;
}

const ShapeStamps::Mask& ShapeStamps::sharp(int phaseX, int phaseY)
{
    auto& slot = m_sharp[static_cast<std::size_t>(phaseY * kPhases + phaseX)];
    if (!slot)
        slot = std::make_unique<Mask>(
            m_shape.isDisc ? makeDisc(phaseX, phaseY) : makeRoundedRect(phaseX, phaseY));
    return *slot;
}

const ShapeStamps::Mask& ShapeStamps::halo(int phaseX, int phaseY)
{
    auto& slot = m_halos[static_cast<std::size_t>(phaseY * kPhases + phaseX)];
    if (slot)
        return *slot;
    const Mask& shape = sharp(phaseX, phaseY);
    const int margin = static_cast<int>(std::ceil(3 * m_glowSigma)) + 1;
    Mask blurred;
    blurred.originX = -margin;
    blurred.originY = -margin;
    blurred.width = shape.width + 2 * margin;
    blurred.height = shape.height + 2 * margin;
    blurred.coverage.assign(
        static_cast<std::size_t>(blurred.width) * static_cast<std::size_t>(blurred.height), 0);
    for (int y = 0; y < shape.height; ++y) {
        std::copy_n(shape.coverage.begin() + y * shape.width, shape.width,
            blurred.coverage.begin() + (y + margin) * blurred.width + margin);
    }
    gaussianBlurCoverage(blurred.coverage.data(), blurred.width, blurred.height, blurred.width, m_glowSigma);
    slot = std::make_unique<Mask>(std::move(blurred));
    return *slot;
}

void ShapeStamps::stamp(const PixelCanvas& canvas, double x, double y, const ColourRamp& colour)
{
    const Position column = split(x, kPhases);
    const Position row = split(y, kPhases);
    const Mask& mask = sharp(column.phase, row.phase);
    const int left = column.whole + mask.originX;
    const int top = row.whole + mask.originY;
    const int firstY = std::max(0, -top);
    const int lastY = std::min(mask.height, canvas.height - top);
    const int firstX = std::max(0, -left);
    const int lastX = std::min(mask.width, canvas.width - left);
    for (int my = firstY; my < lastY; ++my) {
        const std::uint8_t* coverage = mask.coverage.data() + my * mask.width;
        std::uint32_t* line = canvas.row(top + my) + left;
        for (int mx = firstX; mx < lastX; ++mx) {
            const std::uint32_t amount = coverage[mx];
            if (amount)
                line[mx] = over(colour.byCoverage[amount], line[mx]);
        }
    }
}

void ShapeStamps::addHalo(GlowBuffer& glow, double x, double y)
{
    if (m_glowSigma <= 0)
        return;
    const Position column = split(x, kPhases);
    const Position row = split(y, kPhases);
    const Mask& mask = halo(column.phase, row.phase);
    const int left = column.whole + mask.originX - glow.left;
    const int top = row.whole + mask.originY - glow.top;
    const int firstY = std::max(0, -top);
    const int lastY = std::min(mask.height, glow.height - top);
    const int firstX = std::max(0, -left);
    const int lastX = std::min(mask.width, glow.width - left);
    for (int my = firstY; my < lastY; ++my) {
        const std::uint8_t* coverage = mask.coverage.data() + my * mask.width;
        std::uint16_t* sums = glow.sums.data()
            + static_cast<std::size_t>(top + my) * static_cast<std::size_t>(glow.width)
            + static_cast<std::size_t>(left);
        for (int mx = firstX; mx < lastX; ++mx)
            sums[mx] = static_cast<std::uint16_t>(sums[mx] + coverage[mx]);
    }
}

} // namespace quillon
