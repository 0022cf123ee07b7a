#include "model/file_name_stem.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

TEST(FileNameStem, TitlesBecomePlainLowerCaseWordsJoinedByHyphens)
{
    const struct {
        const char* title;
        const char* stem;
    } cases[] = {
        {"Ohybový moment X = 12,5", "ohybovy-moment-x-12-5"},
        {"Síla v kabelu po délce nosníku", "sila-v-kabelu-po-delce-nosniku"},
        {"ŽLUŤOUČKÝ KŮŇ ĎÁBELSKÉ ÓDY", "zlutoucky-kun-dabelske-ody"},
        {"  --Výsledky--  ", "vysledky"},
        {"σ_h [MPa]", "h-mpa"},            // a letter beyond the table is a gap, not garbage
        {"a\xff\xfe" "b", "a-b"},          // broken UTF-8 is a gap too
        {"\xc4", "kvor"},                  // a sequence cut short at the end
        {"", "kvor"},
        {"∑ ∫", "kvor"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileNameStem(c.title), c.stem) << c.title;
    EXPECT_EQ(fileNameStem("", "tabulka"), "tabulka");
}

}  // namespace
}  // namespace kvor
