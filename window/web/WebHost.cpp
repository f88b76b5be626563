#include "WebHost.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, jsMessage, (const char* text, const char* title), {
    Scaffle.message(UTF8ToString(text), UTF8ToString(title));
});
EM_JS(void, jsChooseFile, (const char* accept), { Scaffle.chooseFile(UTF8ToString(accept)); });
EM_JS(void, jsRunSoon, (), { setTimeout(() => Module._scaffleRunTasks(), 0); });
EM_JS(void, jsEnd, (), { Scaffle.end(); });
// clang-format on

void WebHost::message(const std::string& text, const std::string& title) {
    boxUp_ = true;
    jsMessage(text.c_str(), title.c_str());
}

std::optional<WordFile> WebHost::chooseWordFile(std::span<const FileType> filter) {
    if (chosen_) {
        std::optional<WordFile> file = std::move(chosen_);
        chosen_.reset();
        return file;
    }
    // The chooser offers what the filter names by its ending; "*.*" is every file anyway.
    std::string accept;
    for (const FileType& type : filter) {
        const std::string_view pattern = type.pattern;
        if (pattern != "*.*") {
            accept += (accept.empty() ? "" : ",") + std::string(pattern.substr(1));
        }
    }
    jsChooseFile(accept.c_str());
    return std::nullopt;
}

void WebHost::end(int) {
    ended_ = true;
    afterThisEvent([] { jsEnd(); });
}

void WebHost::afterThisEvent(std::function<void()> task) {
    tasks_.push_back(std::move(task));
    if (!boxUp_) {
        jsRunSoon();
    }
}

void WebHost::boxClosed() {
    boxUp_ = false;
    runTasks();
}

void WebHost::runTasks() {
    while (!tasks_.empty() && !boxUp_) {
        const std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        task();
    }
}
