// The SSE2 steps of coverage_blend.cpp at twice the width. AVX2 works on two 128-bit halves: the
// unpacking and packing below keep each pixel in its half, so pixels come out where they went in.
#include "render/coverage_blend_avx2.h"

#include <immintrin.h>

namespace quillon::avx2 {
namespace {

constexpr int kPixelsPerStep = 8;

inline __m256i times255(__m256i value, __m256i fraction)
{
    const __m256i product = _mm256_mullo_epi16(value, fraction);
    return _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_add_epi16(product, _mm256_set1_epi16(128)), _mm256_srli_epi16(product, 8)),
        8);
}

inline __m256i transparencyOf(__m256i pixels)
{
    const __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(pixels, 0xFF), 0xFF);
    return _mm256_sub_epi16(_mm256_set1_epi16(255), alpha);
}

inline __m256i overEight(__m256i source, __m256i target)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i low
        = times255(_mm256_unpacklo_epi8(target, zero), transparencyOf(_mm256_unpacklo_epi8(source, zero)));
    const __m256i high
        = times255(_mm256_unpackhi_epi8(target, zero), transparencyOf(_mm256_unpackhi_epi8(source, zero)));
    return _mm256_add_epi8(source, _mm256_packus_epi16(low, high));
}

inline bool allZero(__m256i pixels)
{
    return _mm256_testz_si256(pixels, pixels) != 0;
}

} // namespace

bool available()
{
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported;
}

int blendPixels(std::uint32_t* target, const std::uint32_t* source, int count)
{
    int index = 0;
    for (; index + kPixelsPerStep <= count; index += kPixelsPerStep) {
        const __m256i from = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + index));
        if (allZero(from))
            continue;
        auto* to = reinterpret_cast<__m256i*>(target + index);
        const __m256i under = _mm256_loadu_si256(to);
        _mm256_storeu_si256(to, allZero(under) ? from : overEight(from, under));
    }
    return index;
}

int blendCoverage(std::uint32_t* target, const std::uint16_t* coverage, int count, PremultipliedPixel colour)
{
    const __m256i colourLanes
        = _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(colour)), _mm256_setzero_si256());
    const __m128i opaque = _mm_set1_epi16(255);
    int index = 0;
    for (; index + kPixelsPerStep <= count; index += kPixelsPerStep) {
        const __m128i amounts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(coverage + index));
        if (_mm_testz_si128(amounts, amounts))
            continue;
        const __m128i clamped = _mm_min_epu16(amounts, opaque);
        const __m128i first = _mm_unpacklo_epi16(clamped, clamped); // a0 a0 a1 a1 a2 a2 a3 a3
        const __m128i second = _mm_unpackhi_epi16(clamped, clamped); // a4 a4 a5 a5 a6 a6 a7 a7
        // Pixels 0 1 | 4 5 and 2 3 | 6 7, as unpacking the target's two halves gives them.
        const __m256i low
            = _mm256_set_m128i(_mm_unpacklo_epi32(second, second), _mm_unpacklo_epi32(first, first));
        const __m256i high
            = _mm256_set_m128i(_mm_unpackhi_epi32(second, second), _mm_unpackhi_epi32(first, first));
        const __m256i source = _mm256_packus_epi16(times255(colourLanes, low), times255(colourLanes, high));
        auto* to = reinterpret_cast<__m256i*>(target + index);
        _mm256_storeu_si256(to, overEight(source, _mm256_loadu_si256(to)));
    }
    return index;
}

} // namespace quillon::avx2
