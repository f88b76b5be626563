#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "Design.h"
#include "GameDisplay.h"
#include "GameState.h"
#include "RoundTexts.h"

// What the rules show, as a record: every call, in order, as one line of text each, and what
// the window would show now.
class RecordingDisplay final : public GameDisplay {
public:
    RecordingDisplay() {
        maskedWord = design::kLabel1Text;
        winsText = design::kWinTotalText;
        lettersShown.set();
    }

    void setCaption(const std::string& text) override {
        caption = text;
        calls.push_back("caption " + text);
    }
    void setMaskedWord(std::string_view slots) override {
        maskedWord = maskedWordText(slots);
        calls.push_back("masked " + maskedWord);
    }
    void setWinsText(const std::string& text) override {
        winsText = text;
        calls.push_back("wins " + text);
    }
    void hideLetter(int letterIndex) override {
        lettersShown.reset(static_cast<std::size_t>(letterIndex));
        calls.push_back("hide " + letter(letterIndex));
    }
    void showPiece(int piece) override {
        piecesShown.set(static_cast<std::size_t>(piece - 1));
        calls.push_back("piece " + std::to_string(piece));
    }

    std::vector<std::string> calls;
    std::string caption;
    std::string maskedWord;
    std::string winsText;
    std::bitset<kLetterCount> lettersShown;
    std::bitset<kMissesPerRound> piecesShown;

private:
    static std::string letter(int letterIndex) {
        return std::string(1, static_cast<char>('A' + letterIndex));
    }
};
