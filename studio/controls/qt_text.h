// The studio's texts come from the toolkit-free parts as UTF-8; Qt wants them as QString.
#pragma once

#include <QString>

#include <string_view>

namespace quillon {

inline QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quillon
