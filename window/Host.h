#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "WordFile.h"

// One entry of the open dialog's filter: "Scaffle files (*.scf)" and "*.scf".
struct FileType {
    const char* description;
    const char* pattern;
};

// What the window asks of its host: the modal boxes, the program's end, and a task put off
// until the event being handled is over. Tests answer it with choices made beforehand.
class Host {
public:
    virtual ~Host() = default;
    // A modal message with one OK button and no icon; returns when it is closed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // The first type is chosen when the dialog opens. A path, or the bytes of the file the
    // player chose where the host has no paths; nothing when cancelled.
    virtual std::optional<WordFile> chooseWordFile(std::span<const FileType> filter) = 0;
    // No further event of the game runs after this.
    virtual void end(int status) = 0;
    // Runs task once the current event has been handled, never inside it.
    virtual void afterThisEvent(std::function<void()> task) = 0;
};
