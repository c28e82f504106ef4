// The user's locale as the POSIX environment names it, in ICU's spelling.
#pragma once

#include <string>
#include <string_view>

namespace quillon::text {

// The locale for one category, such as "LC_TIME" or "LC_COLLATE": LC_ALL, then the category's own
// variable, then LANG, the first that is set and not empty. "C" and "POSIX" mean "en_US_POSIX";
// the codeset and modifier are dropped ("de_DE.UTF-8@euro" gives "de_DE").
std::string userLocaleIdentifier(std::string_view categoryVariable);

// The same rule applied to a POSIX locale name, for callers that have one in hand.
std::string icuLocaleIdentifier(std::string_view posixLocaleName);

} // namespace quillon::text
