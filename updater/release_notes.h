// Release notes from an update feed, cut down to HTML that shows simple formatting and can make the
// viewer load nothing: the feed is not signed, and a viewer given its markup as it stands fetches
// images, style sheets and local files on the feed's say-so.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Of the notes as read; the rest is dropped and an ellipsis ("…") shows where they were cut.
inline constexpr std::size_t kMaxReleaseNotesBytes = 64 * 1024;

// The notes as HTML made only of bare p, br, ul, ol, li, b, strong, i, em, code, pre, blockquote and
// small headings (h3, h4), every element closed and at most 32 deep, with all other text escaped.
// Other elements give their text (links, spans) or nothing (images, scripts, style sheets, frames);
// comments and declarations are dropped. Character references are decoded and escaped again where
// needed, bytes that are not UTF-8 become U+FFFD, and text without markup comes out as the same text.
std::string safeReleaseNotesHtml(std::string_view html);

} // namespace quillon
