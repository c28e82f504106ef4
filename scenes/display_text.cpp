#include "scenes/display_text.h"

namespace quillon {

std::string firstCharacters(std::string_view text, std::size_t characters)
{
    // A code point starts at every byte that is not a continuation byte (10xxxxxx), also in
    // ill-formed text: cutting before a lead byte never splits a sequence.
    std::size_t seen = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if ((static_cast<unsigned char>(text[index]) & 0xC0) != 0x80 && seen++ == characters)
            return std::string(text.substr(0, index));
    }
    return std::string(text);
}

} // namespace quillon
