#pragma once

#include <string>

// What the game rules may change on the screen, and nothing more.
class GameDisplay {
public:
    virtual ~GameDisplay() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setMaskedWord(const std::string& maskedWord) = 0;
    virtual void setWinsText(const std::string& winsText) = 0;
    virtual void hideLetter(int letterIndex) = 0;
    virtual void showPiece(int piece) = 0;
};
