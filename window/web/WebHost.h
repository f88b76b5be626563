#pragma once

#include <deque>

#include "Host.h"

// The page as the game's host. A page cannot wait: a box is a modal dialog in the page that the
// game does not wait on, so what the game puts off, and its end, wait for the box to close; the
// browser's file chooser answers later, and its file is handed to the open command when it comes.
class WebHost final : public Host {
public:
    void message(const std::string& text, const std::string& title) override;
    std::optional<WordFile> chooseWordFile(std::span<const FileType> filter) override;
    void end(int status) override;
    void afterThisEvent(std::function<void()> task) override;

    // The player closed the box.
    void boxClosed();
    // Runs what was put off, while no box is up.
    void runTasks();
    // The file the player chose: the next open command takes it instead of asking.
    void chosen(WordFile file) { chosen_ = std::move(file); }
    bool ended() const { return ended_; }

private:
    std::deque<std::function<void()>> tasks_;
    std::optional<WordFile> chosen_;
    bool boxUp_ = false;
    bool ended_ = false;
};
