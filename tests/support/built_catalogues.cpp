#include "tests/support/built_catalogues.h"

namespace quillon::testing {

QStringList builtCatalogueFolders()
{
    return {QUILLON_TEST_CATALOGUES};
}

} // namespace quillon::testing
