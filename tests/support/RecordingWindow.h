#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "Controls.h"
#include "Design.h"
#include "GameState.h"
#include "RoundTexts.h"

// The window's controls as a record: every call, in order, as one line of text each, and what
// the window would show now.
class RecordingWindow final : public Controls {
public:
    RecordingWindow() { showDesign(); }

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
    void showLetter(int letterIndex) override {
        lettersShown.set(static_cast<std::size_t>(letterIndex));
        calls.push_back("show " + letter(letterIndex));
    }
    void showPiece(int piece) override {
        piecesShown.set(static_cast<std::size_t>(piece - 1));
        calls.push_back("piece " + std::to_string(piece));
    }
    void hidePiece(int piece) override {
        piecesShown.reset(static_cast<std::size_t>(piece - 1));
        calls.push_back("unpiece " + std::to_string(piece));
    }
    void buildKeyboard() override {
        lettersShown.set();
        calls.push_back("keyboard");
    }
    void rebuild() override {
        showDesign();
        calls.push_back("rebuild");
    }
    void focusLetter(int letterIndex) override {
        focus = letterIndex;
        calls.push_back("focus " + letter(letterIndex));
    }
    void tell(const std::string& news) override { calls.push_back("tell " + news); }

    std::vector<std::string> calls;
    std::string caption;
    std::string maskedWord;
    std::string winsText;
    std::bitset<kLetterCount> lettersShown;
    std::bitset<kMissesPerRound> piecesShown;
    int focus = -1;

private:
    void showDesign() {
        caption.clear();
        maskedWord = design::kLabel1Text;
        winsText = design::kWinTotalText;
        lettersShown = 1;  // letter 0 alone
        piecesShown.reset();
        focus = -1;
    }
    static std::string letter(int letterIndex) {
        return std::string(1, static_cast<char>('A' + letterIndex));
    }
};
