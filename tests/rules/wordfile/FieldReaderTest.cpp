#include "FieldReader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> allFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (!reader.atEnd()) {
        fields.emplace_back(reader.next());
    }
    return fields;
}

using Fields = std::vector<std::string>;

struct Case {
    const char* name;
    std::string_view text;
    Fields fields;
};

// What the test list shows of a case: its name, not its bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class FieldParsing : public testing::TestWithParam<Case> {};

TEST_P(FieldParsing, givesTheFieldsInFileOrder) {
    EXPECT_EQ(allFields(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    WordFiles, FieldParsing,
    testing::Values(
        // Line ends
        Case{"oneAWordCrLf", "Animals\r\nOTTER\r\nZEBRA\r\n", {"Animals", "OTTER", "ZEBRA"}},
        Case{"lfOnly", "Animals\nOTTER\nZEBRA\n", {"Animals", "OTTER", "ZEBRA"}},
        Case{"loneCrEndsALine", "Animals\rOTTER\rZEBRA", {"Animals", "OTTER", "ZEBRA"}},
        Case{"noFinalLineEnd", "Animals\nOTTER", {"Animals", "OTTER"}},
        Case{"emptyLineGivesEmptyField", "Animals\n\nOTTER\n", {"Animals", "", "OTTER"}},
        Case{"trailingEmptyLineAddsOneField", "Animals\nOTTER\n\n", {"Animals", "OTTER", ""}},
        // Commas
        Case{"commasSeparate", "Animals,OTTER,ZEBRA", {"Animals", "OTTER", "ZEBRA"}},
        Case{"doubleCommaGivesEmptyField", "Animals,,OTTER", {"Animals", "", "OTTER"}},
        Case{"trailingCommaEndsTheFile", "Animals,OTTER,", {"Animals", "OTTER"}},
        // Blanks
        Case{"blanksAroundUnquotedDropped", "  Big cats \t,\t LION  \n", {"Big cats", "LION"}},
        Case{"blankLineIsEmpty", "Animals\n   \nOTTER", {"Animals", "", "OTTER"}},
        // Quotes
        Case{"quotedHoldsComma", "\"Cats, big\",LION", {"Cats, big", "LION"}},
        Case{"quotedHoldsLineEnd", "\"two\nlines\"\nLION", {"two\nlines", "LION"}},
        Case{"quotedKeepsBlanks", "\" padded \",LION", {" padded ", "LION"}},
        Case{"afterClosingQuoteDropped", "\"Cats\"junk,LION", {"Cats", "LION"}},
        Case{"quoteNeverClosedRunsToEnd", "Cats\n\"LION,TIGER\n", {"Cats", "LION,TIGER\n"}},
        Case{"quoteInsideUnquotedIsText", "Ca\"ts,LION", {"Ca\"ts", "LION"}},
        Case{"emptyQuotedField", "Cats,\"\",LION", {"Cats", "", "LION"}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(FieldReaderAtTheEnd, readingPastTheEndIsAnErrorNotUndefined) {
    FieldReader reader("Animals\n");
    EXPECT_EQ(reader.next(), "Animals");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.next(), std::out_of_range);
}

TEST(FieldReaderAtTheEnd, emptyTextIsAtItsEnd) {
    FieldReader reader("");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.next(), std::out_of_range);
}

}  // namespace
