#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Host.h"

// Answers the open dialog from a queue (cancelling when it runs dry), keeps every message, every
// filter it was shown as the design writes it ("Scaffle files (*.scf)|*.scf|..."), and
// every end of the program, and keeps the tasks put off until after an event for the test to
// run when it chooses.
class FakeHost final : public Host {
public:
    struct Message {
        std::string text;
        std::string title;
        bool operator==(const Message&) const = default;
    };

    void message(const std::string& text, const std::string& title) override {
        messages.push_back({text, title});
        if (onMessage) {
            onMessage();
        }
    }
    std::optional<WordFile> chooseWordFile(std::span<const FileType> filter) override {
        std::string shown;
        for (const FileType& type : filter) {
            if (!shown.empty()) {
                shown += '|';
            }
            shown.append(type.description).append("|").append(type.pattern);
        }
        filters.push_back(shown);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<WordFile> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void end(int status) override { ends.push_back(status); }
    void afterThisEvent(std::function<void()> task) override { later.push_back(std::move(task)); }

    // Runs the tasks put off so far, as the event loop would once the event is over.
    void finishEvent() {
        while (!later.empty()) {
            const std::function<void()> task = std::move(later.front());
            later.pop_front();
            task();
        }
    }

    std::vector<Message> messages;
    // Runs while a message is up, as the player would see it.
    std::function<void()> onMessage;
    std::deque<std::optional<WordFile>> answers;
    std::vector<std::string> filters;
    std::vector<int> ends;
    std::deque<std::function<void()>> later;
};
