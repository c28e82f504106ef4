#include "names/dot_text_notes.h"

#include "core/dot_font.h"
#include "platform/text/text_folding.h"
#include "platform/text/utf.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillon {
namespace {

// Past this many characters the quoted text ends in an ellipsis: the note is a hint, not a copy.
constexpr qsizetype kQuotedLength = 40;

bool isBlank(std::u32string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c == U' '; });
}

// Line ends are laid out before the characters are looked up: here they count as spaces.
std::u32string withLineEndsAsSpaces(std::u32string text)
{
    std::replace(text.begin(), text.end(), U'\n', U' ');
    return text;
}

// The text as the dots would show it if they had every character: upper-cased, CR LF one line end.
std::u32string upperCasedAsTyped(std::string_view text)
{
    QString upper = QString::fromStdU16String(text::upperCased(text::utf16FromUtf8(text)));
    upper.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return withLineEndsAsSpaces(upper.toStdU32String());
}

} // namespace

QString dotCharactersNote()
{
    return QCoreApplication::translate("quillon::DotTextNotes",
        "Letters A to Z without accents, numbers, $ \u20AC \u00A3 \u00A5 \u20B9 and ! ? % & # + - / : . , "
        "are shown; anything else becomes a space.");
}

QString dotRenderingNote(std::string_view text)
{
    const std::u32string shown = withLineEndsAsSpaces(DotFont::normalize(text));
    const std::u32string typed = upperCasedAsTyped(text);
    if (shown == typed || isBlank(typed))
        return {};
    if (isBlank(shown))
        return QCoreApplication::translate(
            "quillon::DotTextNotes", "None of these characters show on the dots.");

    QString quoted = QString::fromStdU32String(shown).trimmed();
    if (quoted.size() > kQuotedLength)
        quoted = quoted.left(kQuotedLength).trimmed() + QChar(0x2026);
    //: %1 is the text as the dots show it, in capitals, with accents dropped and other characters
    //: as spaces. Use the quotation marks of the language.
    return QCoreApplication::translate("quillon::DotTextNotes", "The dots show this as \u201C%1\u201D.")
        .arg(quoted);
}

} // namespace quillon
