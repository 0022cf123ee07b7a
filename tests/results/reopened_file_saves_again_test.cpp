// A project file that was accepted can be saved again with the same bytes,
// also when its texts hold the five bytes code page 1250 leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98), which a hand-edited file may carry.

#include "model/error.h"
#include "results/cp1250.h"
#include "results/project_file.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

const std::string kUndefinedBytes = "\x81\x83\x88\x90\x98";

TEST(ReopenedFile, UndefinedBytesReadAsControlCharactersAndWriteBackAsThemselves)
{
    const std::string utf8 = cp1250ToUtf8("a" + kUndefinedBytes + "\xE8");  // "a", the five, "č"
    EXPECT_EQ(utf8, "a\u0081\u0083\u0088\u0090\u0098č");
    Cp1250Encoder encoder;
    std::string back;
    ASSERT_TRUE(encoder.append(back, utf8));
    EXPECT_EQ(back, "a" + kUndefinedBytes + "\xE8");
}

TEST(ReopenedFile, EveryByteReadsAsTheCharacterThatWritesBackAsThatByte)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string utf8 = cp1250ToUtf8(bytes);
    EXPECT_EQ(utf8.substr(0, 0x80), bytes.substr(0, 0x80));
    Cp1250Encoder encoder;
    std::string back;
    ASSERT_TRUE(encoder.append(back, utf8));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(cp1250ToUtf8("\x8A\x9E\xA3\xFF"), "ŠžŁ˙");
}

TEST(ReopenedFile, OtherCharactersOutsideTheCodePageAreStillRefused)
{
    Cp1250Encoder encoder;
    std::string out = "kept";
    for (const char* text : {"\u0080", "\u0082x", "∑", "a\xC2"}) {  // U+0080 and U+0082 are no undefined bytes
        EXPECT_FALSE(encoder.append(out, text)) << text;
        EXPECT_EQ(out, "kept");
    }
}

TEST(ReopenedFile, FileWithUndefinedBytesSavesBackUnchanged)
{
    Project p = testing::sampleProject();
    p.info.name = "Most \u0081";
    p.quantities[0].description = "popis \u0098\u0090";
    p.tendons[1].name = "\u0083\u0088";
    for (SaveVariant variant : {SaveVariant::InputOnly, SaveVariant::WithResults}) {
        const std::string file = encodeProjectFile(p, variant, ',');
        EXPECT_NE(file.find("Most \x81\r\n"), std::string::npos);
        const auto loaded = decodeProjectFile(file, ',');
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(loaded->project.info.name, p.info.name);
        EXPECT_EQ(loaded->project.quantities[0].description, p.quantities[0].description);
        EXPECT_EQ(loaded->project.tendons[1].name, p.tendons[1].name);
        EXPECT_EQ(encodeProjectFile(loaded->project, variant, ','), file);
    }
}

// The windows judge a slot when it is stored; a beam or section changed
// afterwards can leave a slot that the reader refuses. Saving tells of it.
TEST(ReopenedFile, ASlotLeftBehindByTheBeamOrSectionIsFoundBeforeReopening)
{
    EXPECT_EQ(reopeningFault(testing::sampleProject(), ','), std::nullopt);
    Project shorter = testing::sampleProject();
    shorter.beam.members.setRow(2, {"2", "5"});  // 20 m, the lines reach 22,5 m
    ASSERT_TRUE(reopeningFault(shorter, ','));
    EXPECT_NE(reopeningFault(shorter, ',')->find("nemůže být větší než celková délka nosníku"), std::string::npos);
    Project lower = testing::sampleProject();
    lower.section.eBottom = "0,05";
    ASSERT_TRUE(reopeningFault(lower, ','));
    EXPECT_NE(reopeningFault(lower, ',')->find("Kabel musí ležet uvnitř průřezu"), std::string::npos);
}

}  // namespace
}  // namespace kvor
