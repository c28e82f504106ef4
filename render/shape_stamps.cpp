// Shape and halo masks, computed once and reused for every shape of the same size.
#include "render/shape_stamps.h"

#include "render/box_blur.h"
#include "render/coverage_blend.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {
namespace {

constexpr int kSamples = 8; // per pixel and axis when measuring a small disc's coverage
// From this radius on, the distance of a pixel's centre to the edge measures its coverage as well
// as supersampling does, at a fraction of the cost.
constexpr double kAnalyticRadius = 6.0;
// Masks are kept for every sub-pixel offset, so shapes are bounded in size.
constexpr double kMaxShapePixels = 2048.0;
// Pixels a step of the blending kernels and of adding halos.
constexpr int kBlendStep = 4;
constexpr int kHaloStep = 8;

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

// sums[i] += coverage[i], eight at a time where SSE2 is there.
void addCoverage(std::uint16_t* __restrict sums, const std::uint8_t* __restrict coverage, int count)
{
    int index = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; index + kHaloStep <= count; index += kHaloStep) {
        const __m128i amounts
            = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(coverage + index)), zero);
        auto* to = reinterpret_cast<__m128i*>(sums + index);
        _mm_storeu_si128(to, _mm_add_epi16(_mm_loadu_si128(to), amounts));
    }
#endif
    for (; index < count; ++index)
        sums[index] = static_cast<std::uint16_t>(sums[index] + coverage[index]);
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

void blendGlow(const PixelCanvas& canvas, const GlowBuffer& glow, PremultipliedPixel colour)
{
    const int firstY = std::max(glow.top, canvas.top);
    const int lastY = std::min(glow.top + glow.height, canvas.height);
    const int firstX = std::max(glow.left, canvas.left);
    const int lastX = std::min(glow.left + glow.width, canvas.width);
    if (firstX >= lastX)
        return;
    for (int y = firstY; y < lastY; ++y) {
        const std::uint16_t* sums = glow.sums.data()
            + static_cast<std::size_t>(y - glow.top) * static_cast<std::size_t>(glow.width);
        blendCoverage(canvas.row(y) + firstX, sums + (firstX - glow.left), lastX - firstX, colour);
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
        slot = std::make_unique<Mask>(widenedToSteps(
            m_shape.isDisc ? makeDisc(phaseX, phaseY) : makeRoundedRect(phaseX, phaseY), kBlendStep));
    return *slot;
}

// Rows a whole number of vector steps long, with columns of nothing on the right: a dot a few pixels
// wide would otherwise spend most of its time on the pixels left over after the steps.
ShapeStamps::Mask ShapeStamps::widenedToSteps(const Mask& mask, int step)
{
    const int width = (mask.width + step - 1) / step * step;
    if (width == mask.width)
        return mask;
    Mask widened = mask;
    widened.width = width;
    widened.coverage.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(mask.height), 0);
    for (int y = 0; y < mask.height; ++y)
        std::copy_n(mask.coverage.begin() + y * mask.width, mask.width, widened.coverage.begin() + y * width);
    return widened;
}

// The blur's far tail rounds to nothing: adding those rows and columns of zeros, for every lit dot
// of every frame, would be most of a halo's cost.
ShapeStamps::Mask ShapeStamps::withoutEmptyBorder(const Mask& mask)
{
    int left = mask.width, right = -1, top = mask.height, bottom = -1;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.coverage[static_cast<std::size_t>(y * mask.width + x)] == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    Mask trimmed;
    if (right < 0)
        return trimmed;
    trimmed.originX = mask.originX + left;
    trimmed.originY = mask.originY + top;
    trimmed.width = right - left + 1;
    trimmed.height = bottom - top + 1;
    trimmed.coverage.reserve(
        static_cast<std::size_t>(trimmed.width) * static_cast<std::size_t>(trimmed.height));
    for (int y = top; y <= bottom; ++y) {
        const auto rowStart = mask.coverage.begin() + y * mask.width;
        trimmed.coverage.insert(trimmed.coverage.end(), rowStart + left, rowStart + right + 1);
    }
    return trimmed;
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
    slot = std::make_unique<Mask>(widenedToSteps(withoutEmptyBorder(blurred), kHaloStep));
    return *slot;
}

const std::vector<PremultipliedPixel>& ShapeStamps::inColour(
    PremultipliedPixel colour, int phaseX, int phaseY)
{
    auto found = std::find_if(m_coloured.begin(), m_coloured.end(),
        [colour](const auto& coloured) { return coloured->colour == colour; });
    if (found != m_coloured.end()) {
        std::rotate(found, found + 1, m_coloured.end());
    } else {
        if (m_coloured.size() >= kColours)
            m_coloured.erase(m_coloured.begin());
        m_coloured.push_back(std::make_unique<Coloured>());
        m_coloured.back()->colour = colour;
    }
    auto& pixels = m_coloured.back()->pixels[static_cast<std::size_t>(phaseY * kPhases + phaseX)];
    if (pixels.empty()) {
        const ColourRamp ramp(colour);
        const Mask& mask = sharp(phaseX, phaseY);
        pixels.resize(mask.coverage.size());
        std::transform(mask.coverage.begin(), mask.coverage.end(), pixels.begin(),
            [&ramp](std::uint8_t amount) { return ramp.byCoverage[amount]; });
    }
    return pixels;
}

void ShapeStamps::stamp(const PixelCanvas& canvas, double x, double y, PremultipliedPixel colour)
{
    const Position column = split(x, kPhases);
    const Position row = split(y, kPhases);
    const Mask& mask = sharp(column.phase, row.phase);
    const std::vector<PremultipliedPixel>& pixels = inColour(colour, column.phase, row.phase);
    const int left = column.whole + mask.originX;
    const int top = row.whole + mask.originY;
    const int firstY = std::max(0, canvas.top - top);
    const int lastY = std::min(mask.height, canvas.height - top);
    const int firstX = std::max(0, canvas.left - left);
    const int lastX = std::min(mask.width, canvas.width - left);
    if (firstX >= lastX)
        return;
    for (int my = firstY; my < lastY; ++my) {
        blendPixels(
            canvas.row(top + my) + left + firstX, pixels.data() + my * mask.width + firstX, lastX - firstX);
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
        addCoverage(sums + firstX, coverage + firstX, lastX - firstX);
    }
}

} // namespace quillon
