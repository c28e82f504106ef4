#include "platform/accessibility/read_only_text.h"

namespace quillon {

QString ReadOnlyTextInterface::text(int startOffset, int endOffset) const
{
    return content().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextInterface::characterCount() const
{
    return static_cast<int>(content().size());
}

void ReadOnlyTextInterface::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString ReadOnlyTextInterface::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace quillon
