#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The words of a word file's text where no quote and no blank stands among them: each word is
// a run of characters between commas and line ends. Such a text is counted at memory speed,
// block by block while it is read, and a word is found by its number without reading the
// text again.
class PlainWords {
public:
    // Counts each whole block of the text read so far that is not yet counted. Once the text
    // proves not to be ASCII it stops: such a text is decoded, and counted again, before use.
    void countArrived(std::string_view text);
    // Counts the rest of the whole text, whose words begin at wordsBegin, just after a
    // delimiter. False when counting stopped for a text that is not ASCII, or when a quote, a
    // blank or another character below the comma that is no line end stands among the words.
    bool settle(std::string_view text, std::size_t wordsBegin);

    std::size_t count() const { return count_; }
    // Whether the whole text is ASCII, found on the way.
    bool ascii() const { return ascii_; }
    // The word with this number, 1 to count, in the text that was counted.
    std::string_view word(std::string_view text, std::size_t number) const;

private:
    void countBlock(std::string_view text);

    // Runs of characters that are no delimiter, in the whole text before each block.
    std::vector<std::size_t> startsBeforeBlock_;
    std::size_t starts_ = 0;
    // One past the last block that holds a special character; 0 for none.
    std::size_t specialBlocks_ = 0;
    bool ascii_ = true;
    std::size_t startsBeforeWords_ = 0;
    std::size_t count_ = 0;
};
