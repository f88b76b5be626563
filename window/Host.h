#pragma once

#include <functional>
#include <optional>
#include <string>

// What the window asks of its host: the modal boxes, the program's end, and a task put off
// until the event being handled is over. Tests answer it with choices made beforehand.
class Host {
public:
    virtual ~Host() = default;
    // A modal message with one OK button and no icon; returns when it is closed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // The filter holds descriptions and patterns joined by '|'. Nothing when cancelled.
    virtual std::optional<std::string> chooseWordFile(const std::string& filter) = 0;
    // No further event of the game runs after this.
    virtual void end(int status) = 0;
    // Runs task once the current event has been handled, never inside it.
    virtual void afterThisEvent(std::function<void()> task) = 0;
};
