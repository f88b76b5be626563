#pragma once

#include <string>
#include <vector>

#include "GameDisplay.h"

// Keeps every display call, in order, as one line of text each.
class DisplayRecorder final : public GameDisplay {
public:
    void setCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
    void setMaskedWord(const std::string& maskedWord) override {
        calls.push_back("masked " + maskedWord);
    }
    void setWinsText(const std::string& winsText) override { calls.push_back("wins " + winsText); }
    void hideLetter(int letterIndex) override {
        calls.push_back("hide " + std::string(1, static_cast<char>('A' + letterIndex)));
    }
    void showPiece(int piece) override { calls.push_back("piece " + std::to_string(piece)); }

    std::vector<std::string> calls;
};
