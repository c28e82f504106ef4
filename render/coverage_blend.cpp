// Four pixels a step in SSE2, the x86-64 baseline, as two halves of eight 16-bit lanes, one lane
// per channel: every product of two bytes and its rounding fit in 16 bits. Eight a step where the
// processor has AVX2; elsewhere, and for the last pixels of a row, one pixel at a time.
#include "render/coverage_blend.h"

#if defined(QUILLON_AVX2_KERNELS)
#include "render/coverage_blend_avx2.h"
#endif

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {
namespace {

#if defined(__SSE2__)

constexpr int kPixelsPerStep = 4;

// Each lane times a fraction of 255 in the lane beside it, rounded as scaled() rounds.
inline __m128i times255(__m128i value, __m128i fraction)
{
    const __m128i product = _mm_mullo_epi16(value, fraction);
    return _mm_srli_epi16(
        _mm_add_epi16(_mm_add_epi16(product, _mm_set1_epi16(128)), _mm_srli_epi16(product, 8)), 8);
}

// Two pixels' channels in 16-bit lanes: 255 minus each pixel's alpha, in all four of its lanes.
inline __m128i transparencyOf(__m128i twoPixels)
{
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(twoPixels, 0xFF), 0xFF);
    return _mm_sub_epi16(_mm_set1_epi16(255), alpha);
}

// Four premultiplied pixels over four others.
inline __m128i overFour(__m128i source, __m128i target)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i low
        = times255(_mm_unpacklo_epi8(target, zero), transparencyOf(_mm_unpacklo_epi8(source, zero)));
    const __m128i high
        = times255(_mm_unpackhi_epi8(target, zero), transparencyOf(_mm_unpackhi_epi8(source, zero)));
    return _mm_add_epi8(source, _mm_packus_epi16(low, high));
}

inline bool allZero(__m128i pixels)
{
    return _mm_movemask_epi8(_mm_cmpeq_epi8(pixels, _mm_setzero_si128())) == 0xFFFF;
}

#else

constexpr int kPixelsPerStep = 1;

#endif

} // namespace

void blendPixels(std::uint32_t* target, const std::uint32_t* source, int count)
{
    int index = 0;
#if defined(QUILLON_AVX2_KERNELS)
    if (avx2::available())
        index = avx2::blendPixels(target, source, count);
#endif
#if defined(__SSE2__)
    for (; index + kPixelsPerStep <= count; index += kPixelsPerStep) {
        const __m128i from = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + index));
        if (allZero(from))
            continue;
        auto* to = reinterpret_cast<__m128i*>(target + index);
        const __m128i under = _mm_loadu_si128(to);
        // Tiles land on a cleared canvas, and nothing overlaps them.
        _mm_storeu_si128(to, allZero(under) ? from : overFour(from, under));
    }
#endif
    for (; index < count; ++index)
        target[index] = over(source[index], target[index]);
}

void blendCoverage(std::uint32_t* target, const std::uint16_t* coverage, int count, PremultipliedPixel colour)
{
    int index = 0;
#if defined(QUILLON_AVX2_KERNELS)
    if (avx2::available())
        index = avx2::blendCoverage(target, coverage, count, colour);
#endif
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i colourLanes = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colour)), zero);
    const __m128i opaque = _mm_set1_epi16(255);
    for (; index + kPixelsPerStep <= count; index += kPixelsPerStep) {
        const __m128i amounts = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(coverage + index));
        if (allZero(amounts))
            continue;
        // min(amount, 255) without SSE4.1's unsigned minimum: a - max(a - 255, 0).
        const __m128i clamped = _mm_sub_epi16(amounts, _mm_subs_epu16(amounts, opaque));
        const __m128i paired = _mm_unpacklo_epi16(clamped, clamped); // a0 a0 a1 a1 a2 a2 a3 a3
        const __m128i source = _mm_packus_epi16(times255(colourLanes, _mm_unpacklo_epi32(paired, paired)),
            times255(colourLanes, _mm_unpackhi_epi32(paired, paired)));
        auto* to = reinterpret_cast<__m128i*>(target + index);
        _mm_storeu_si128(to, overFour(source, _mm_loadu_si128(to)));
    }
#endif
    for (; index < count; ++index)
        target[index] = over(scaled(colour, std::min<std::uint32_t>(coverage[index], 255)), target[index]);
}

} // namespace quillon
