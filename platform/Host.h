#pragma once

#include <optional>
#include <string>

// The host's modal services and the program's end, replaceable in tests by answers chosen
// beforehand.
class Host {
public:
    virtual ~Host() = default;
    // A modal message with one OK button and no icon; returns when it is closed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // The filter holds descriptions and patterns joined by '|'. Nothing when cancelled.
    virtual std::optional<std::string> chooseWordFile(const std::string& filter) = 0;
    // No further event of the game runs after this.
    virtual void end(int status) = 0;
};
