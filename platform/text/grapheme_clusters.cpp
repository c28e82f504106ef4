// Grapheme clusters on ICU's character break iterator.
#include "platform/text/grapheme_clusters.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <memory>

namespace quillon::text {
namespace {

// Building a break iterator loads and compiles rules; a clone is cheap. Iterators are not safe to
// share between threads, so each thread keeps its own clone of one process-wide original.
const icu::BreakIterator* prototype()
{
    static const std::unique_ptr<icu::BreakIterator> original = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> iterator(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(iterator) : nullptr;
    }();
    return original.get();
}

icu::BreakIterator* threadIterator()
{
    thread_local const std::unique_ptr<icu::BreakIterator> iterator(
        prototype() ? prototype()->clone() : nullptr);
    return iterator.get();
}

bool isAsciiWithoutCarriageReturn(std::u16string_view text)
{
    for (char16_t unit : text) {
        if (unit >= 0x80 || unit == u'\r')
            return false;
    }
    return true;
}

} // namespace

void forEachGraphemeCluster(
    std::u16string_view text, const std::function<void(std::u16string_view cluster)>& visit)
{
    // Every ASCII character but CR (which joins a following LF) is a cluster of its own.
    if (isAsciiWithoutCarriageReturn(text)) {
        for (std::size_t index = 0; index < text.size(); ++index)
            visit(text.substr(index, 1));
        return;
    }

    icu::BreakIterator* iterator = threadIterator();
    UErrorCode status = U_ZERO_ERROR;
    UText source = UTEXT_INITIALIZER;
    utext_openUChars(&source, text.data(), static_cast<int64_t>(text.size()), &status);
    if (iterator)
        iterator->setText(&source, status);
    if (!iterator || U_FAILURE(status)) {
        // Without ICU's rules, code points are the best approximation left.
        for (std::size_t index = 0; index < text.size();) {
            const bool pair = index + 1 < text.size() && (text[index] & 0xFC00) == 0xD800
                && (text[index + 1] & 0xFC00) == 0xDC00;
            const std::size_t length = pair ? 2 : 1;
            visit(text.substr(index, length));
            index += length;
        }
        utext_close(&source);
        return;
    }

    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator->next()) {
        visit(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
    }
    // The iterator keeps its own shallow copy of `source`; it is not read again before the next
    // setText, so the caller's buffer may go away now.
    utext_close(&source);
}

} // namespace quillon::text
