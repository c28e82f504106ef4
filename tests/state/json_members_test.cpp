// Splitting an object's text into its members, without parsing the values.
#include "state/json_members.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(JsonObjectMembers, DelimitsEachValueByItsOwnSyntaxWhateverItHolds)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const struct {
        std::string text;
        std::vector<JsonMember> members;
    } cases[] = {
        {"{}", {}},
        {" \n{ }\t", {}},
        {R"( { "a" : 1 , "b":"x,}" } )", {{R"("a")", "1"}, {R"("b")", R"("x,}")"}}},
        {R"({"a":{"b":[1,{"c":"]"}]},"d":null})", {{R"("a")", R"({"b":[1,{"c":"]"}]})"}, {R"("d")", "null"}}},
        {R"({"a\"}":"\"}\\"})", {{R"("a\"}")", R"("\"}\\")"}}},
        {R"({"a":1,"a":2})", {{R"("a")", "1"}, {R"("a")", "2"}}},
        // Values are delimited, not judged: the parser of each one decides.
        {R"({"n":1e400,"s":"\ud800","t":tru})",
            {{R"("n")", "1e400"}, {R"("s")", R"("\ud800")"}, {R"("t")", "tru"}}},
        {R"({"deep":)" + deep + "}", {{R"("deep")", deep}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        const auto members = jsonObjectMembers(c.text);
        ASSERT_TRUE(members.has_value());
        EXPECT_EQ(*members, c.members);
    }
}

} // namespace
} // namespace quillon
