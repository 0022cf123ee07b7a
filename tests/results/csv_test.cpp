#include "results/csv.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

TEST(DelimitedText, QuotesOnlyFieldsThatNeedIt)
{
    struct Case {
        std::vector<std::string> fields;
        char delimiter;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, ';', ""},
        {{"1,25", "-0,5"}, ';', "1,25;-0,5"},
        {{"a;b", "c"}, ';', "\"a;b\";c"},
        {{"a;b", "c"}, '\t', "a;b\tc"},
        {{"řekl \"ne\""}, ';', "\"řekl \"\"ne\"\"\""},
        {{"dva\nřádky", ""}, ';', "\"dva\nřádky\";"},
        {{"x\ty"}, '\t', "\"x\ty\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(delimitedRecord(c.fields, c.delimiter), c.expected) << c.expected;
    EXPECT_EQ(delimitedText({{"a", "b"}, {"1"}}, ';', "\r\n"), "a;b\r\n1\r\n");
}

}  // namespace
}  // namespace kvor
