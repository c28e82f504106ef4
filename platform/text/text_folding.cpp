// Folding and upper-casing on ICU's normalizer and case mappings.
#include "platform/text/text_folding.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <utility>

namespace quillon::text {
namespace {

// Letters with a stroke or bar have no canonical decomposition, so taking marks off the
// decomposed text leaves them alone; a reader still sees the plain letter in them.
constexpr std::array<std::pair<char16_t, char16_t>, 18> kLettersWithStroke {{
    {u'\u00D8', u'O'},
    {u'\u00F8', u'o'},
    {u'\u0110', u'D'},
    {u'\u0111', u'd'},
    {u'\u0126', u'H'},
    {u'\u0127', u'h'},
    {u'\u0141', u'L'},
    {u'\u0142', u'l'},
    {u'\u0166', u'T'},
    {u'\u0167', u't'},
    {u'\u0180', u'b'},
    {u'\u01B5', u'Z'},
    {u'\u01B6', u'z'},
    {u'\u01E4', u'G'},
    {u'\u01E5', u'g'},
    {u'\u0197', u'I'},
    {u'\u0268', u'i'},
    {u'\u023A', u'A'},
}};

char16_t withoutStroke(char16_t unit)
{
    for (auto [letter, plain] : kLettersWithStroke) {
        if (letter == unit)
            return plain;
    }
    return unit;
}

icu::UnicodeString view(std::u16string_view text)
{
    // Read-only aliasing constructor: no copy of the caller's text.
    return icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size()));
}

std::u16string toStd(const icu::UnicodeString& text)
{
    return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

bool isAscii(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit < 0x80; });
}

} // namespace

std::u16string foldCaseAndDiacritics(std::u16string_view text)
{
    if (isAscii(text)) {
        std::u16string folded(text);
        for (char16_t& unit : folded) {
            if (unit >= u'A' && unit <= u'Z')
                unit = static_cast<char16_t>(unit - u'A' + u'a');
        }
        return folded;
    }

    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decomposer = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* composer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::u16string(text);

    icu::UnicodeString decomposed = decomposer->normalize(view(text), status);
    if (U_FAILURE(status))
        return std::u16string(text);

    icu::UnicodeString bare;
    bare.getBuffer(decomposed.length());
    bare.releaseBuffer(0);
    for (int32_t index = 0; index < decomposed.length();) {
        const UChar32 character = decomposed.char32At(index);
        index += U16_LENGTH(character);
        if (u_charType(character) == U_NON_SPACING_MARK)
            continue;
        if (character < 0x10000)
            bare.append(withoutStroke(static_cast<char16_t>(character)));
        else
            bare.append(character);
    }
    bare.foldCase(U_FOLD_CASE_DEFAULT);

    icu::UnicodeString composed = composer->normalize(bare, status);
    if (U_FAILURE(status))
        return toStd(bare);
    return toStd(composed);
}

std::u16string upperCased(std::u16string_view text)
{
    if (isAscii(text)) {
        std::u16string upper(text);
        for (char16_t& unit : upper) {
            if (unit >= u'a' && unit <= u'z')
                unit = static_cast<char16_t>(unit - u'a' + u'A');
        }
        return upper;
    }
    icu::UnicodeString upper = view(text);
    upper.toUpper(icu::Locale::getRoot());
    return toStd(upper);
}

} // namespace quillon::text
