// Ordering version strings the way update feeds do.
#include "updater/version_order.h"

#include <algorithm>
#include <cstddef>

namespace quillon {
namespace {

// Declared from oldest to newest: where two versions first differ in the kind of run, more release
// components ("1.0.1", "1.01") are newer than a pre-release suffix ("1.0b1"), and a number is newer
// than a stray period.
enum class RunKind { text, period, number };

struct Run {
    RunKind kind;
    std::string_view characters;
};

RunKind kindOf(char character)
{
    if (character == '.')
        return RunKind::period;
    // Only ASCII digits: a locale's idea of a digit must not change which release is newer.
    if (character >= '0' && character <= '9')
        return RunKind::number;
    return RunKind::text;
}

// The run that starts at `position`. Each period stands alone, so "1..2" has an empty component
// rather than reading the same as "1.2".
Run runAt(std::string_view version, std::size_t position)
{
    const RunKind kind = kindOf(version[position]);
    std::size_t end = position + 1;
    if (kind != RunKind::period) {
        while (end < version.size() && kindOf(version[end]) == kind)
            ++end;
    }
    return {kind, version.substr(position, end - position)};
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compared as digit strings, so a build number longer than any integer type still orders.
int compareNumbers(std::string_view a, std::string_view b)
{
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

} // namespace

int compareVersions(std::string_view a, std::string_view b)
{
    // Without this an empty version would be newer than "b1", by the suffix rule below.
    if (a.empty() || b.empty())
        return (!a.empty()) - (!b.empty());

    std::size_t positionA = 0;
    std::size_t positionB = 0;
    while (positionA < a.size() && positionB < b.size()) {
        const Run runA = runAt(a, positionA);
        const Run runB = runAt(b, positionB);
        if (runA.kind != runB.kind)
            return runA.kind < runB.kind ? -1 : 1;
        const int order = runA.kind == RunKind::number ? compareNumbers(runA.characters, runB.characters)
                                                       : sign(runA.characters.compare(runB.characters));
        if (order != 0)
            return order;
        positionA += runA.characters.size();
        positionB += runB.characters.size();
    }
    if (positionA == a.size() && positionB == b.size())
        return 0;

    // One ran out. What the other goes on with decides: a suffix such as "b1" marks a pre-release of
    // the shorter version, anything else ("1.0" → "1.0.1") a later release.
    const bool aIsLonger = positionA < a.size();
    const RunKind next = aIsLonger ? kindOf(a[positionA]) : kindOf(b[positionB]);
    const int longerIsNewer = next == RunKind::text ? -1 : 1;
    return aIsLonger ? longerIsNewer : -longerIsNewer;
}

} // namespace quillon
