#pragma once

#include <string>
#include <string_view>

// What the game rules may change on the screen, and nothing more.
class GameDisplay {
public:
    virtual ~GameDisplay() = default;
    virtual void setCaption(const std::string& caption) = 0;
    // The masked word as its slots, one a character: the window shows them with a space
    // between neighbours, as much of them as it can show.
    virtual void setMaskedWord(std::string_view slots) = 0;
    virtual void setWinsText(const std::string& winsText) = 0;
    virtual void hideLetter(int letterIndex) = 0;
    virtual void showPiece(int piece) = 0;
};
