// Fuzz target for the settings record decoder: any bytes must decode or be refused without a
// crash, and whatever decodes must survive writing and reading back unchanged.
#include "state/studio_state.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillon;
    static const Calendar calendar(TimeZone::utc(), 1, 1);
    const Instant now = Instant::fromUnixSeconds(1796000000);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto decoded = decodeStudioState(text, now, calendar);
    if (!decoded)
        return 0;
    const auto again = decodeStudioState(encodeJSON(*decoded), now, calendar);
    if (!again || !(*again == *decoded))
        std::abort();
    return 0;
}
