#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "Host.h"

// Answers the open dialog from a queue (cancelling when it runs dry) and keeps every
// message and every end of the program.
class FakeHost final : public Host {
public:
    struct Message {
        std::string text;
        std::string title;
        bool operator==(const Message&) const = default;
    };

    void message(const std::string& text, const std::string& title) override {
        messages.push_back({text, title});
    }
    std::optional<std::string> chooseWordFile(const std::string& filter) override {
        filters.push_back(filter);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void end(int status) override { ends.push_back(status); }

    std::vector<Message> messages;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> filters;
    std::vector<int> ends;
};
