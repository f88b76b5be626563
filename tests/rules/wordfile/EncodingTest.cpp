#include "Encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "Utf16.h"

namespace {

using namespace std::string_literals;

TEST(WordFileText, keepsUtf8AndReadsAnythingElseAsWindows1252) {
    EXPECT_EQ(wordFileText("Caf\xC3\xA9\nOTTER"), "Caf\xC3\xA9\nOTTER");
    EXPECT_EQ(wordFileText("Caf\xE9\nOTTER"), "Caf\xC3\xA9\nOTTER");
    // Notepad's euro, quotes, dashes and ellipsis; the five codes Windows-1252 leaves
    // undefined stay Latin-1's.
    EXPECT_EQ(wordFileText("\x80\x96\x97\x85\x91\x92\x93\x94\x9F"),
              "\u20AC\u2013\u2014\u2026\u2018\u2019\u201C\u201D\u0178");
    EXPECT_EQ(wordFileText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    // A lone continuation byte, an overlong form and a surrogate are not UTF-8.
    EXPECT_EQ(wordFileText("\xA0"), "\xC2\xA0");
    EXPECT_EQ(wordFileText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(wordFileText("\xED\xA0\xBF"), "\xC3\xAD\xC2\xA0\xC2\xBF");
}

TEST(WordFileText, dropsAByteOrderMarkAtTheStartOnly) {
    EXPECT_EQ(wordFileText("\xEF\xBB\xBF"
                           "Animals\nOTTER"),
              "Animals\nOTTER");
    EXPECT_EQ(wordFileText("\xEF\xBB\xBF"), "");
    EXPECT_EQ(wordFileText("A\xEF\xBB\xBF"), "A\xEF\xBB\xBF");
}

TEST(WordFileText, readsUtf16AcrossEveryKindOfCodeUnit) {
    // Long enough that a run of code units is taken at once, and one is broken by a letter
    // past ASCII.
    std::string ascii = "Birds\r\n";
    for (int i = 0; i < 20; ++i) {
        ascii += "WREN,ROBIN,THRUSH,SPARROW\r\n";
    }
    EXPECT_EQ(wordFileText(utf16(ascii + "CR\xC8ME" + ascii)), ascii + "CR\xC3\x88ME" + ascii);
    // A pair of surrogates is one character; one alone, or an odd last byte, is replaced.
    EXPECT_EQ(wordFileText("\xFE\xFF\xD8\x3D\xDE\x00\x00Z"s), "\xF0\x9F\x98\x80Z");
    EXPECT_EQ(wordFileText("\xFF\xFE\x00\xD8Z\x00\x00\xDC"s), "\xEF\xBF\xBDZ\xEF\xBF\xBD");
    EXPECT_EQ(wordFileText("\xFF\xFEZ\x00Y"s), "Z\xEF\xBF\xBD");
}

TEST(WordFileText, endsUtf16AtTheEndOfFileMarkAndRefusesNulOnceDecoded) {
    EXPECT_EQ(wordFileText(utf16("A\nB\x1A\xE9")), "A\nB");
    EXPECT_EQ(wordFileText(utf16("A\0B"s)), std::nullopt);
}

}  // namespace
