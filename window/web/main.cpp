// The page's game: one run of it at a time, started again from nothing when the player asks
// after it has ended. The page hands each of the player's events to it by these names.
#include <emscripten.h>

#include <memory>
#include <new>
#include <string>

#include "InputError.h"
#include "Menu.h"
#include "Random.h"
#include "WebForm1.h"
#include "WordFileInput.h"

namespace {

struct Run {
    ClockRandom random;
    WebForm1 window{random};
    // The file the player chose, while the page reads it.
    std::string chosenName;
    std::string chosenBytes;
};
std::unique_ptr<Run> run;

template <typename Event>
void input(Event event) {
    if (run != nullptr) {
        run->window.input(event);
    }
}

void choose(const WordFile& file) {
    input([&](Form1& form) { form.File_Choose(file); });
}

}  // namespace

extern "C" {

// clang-format off
EM_JS(bool, jsWindowActive, (), { return Scaffle.active(); });
// clang-format on

EMSCRIPTEN_KEEPALIVE void scaffleStart() {
    run.reset();
    run = std::make_unique<Run>();
    // Shown active from its first display, where it is the window in use, and not drawn again
    // the moment the focus comes to it.
    input([](Form1& form) {
        if (jsWindowActive()) {
            form.Form_Activate();
        }
        form.Form_Load();
    });
}

EMSCRIPTEN_KEEPALIVE void scaffleActivate(bool active) {
    input([=](Form1& form) { active ? form.Form_Activate() : form.Form_Deactivate(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleFocusCues(bool shown) {
    input([=](Form1& form) { form.Form_FocusCues(shown); });
}

EMSCRIPTEN_KEEPALIVE void scaffleLetterClick(int letterIndex) {
    input([=](Form1& form) { form.Letter_Click(letterIndex); });
}

EMSCRIPTEN_KEEPALIVE void scaffleLetterFocus(int letterIndex) {
    input([=](Form1& form) { form.Letter_GotFocus(letterIndex); });
}

EMSCRIPTEN_KEEPALIVE void scaffleLetterPress(int letterIndex, bool down) {
    input([=](Form1& form) {
        down ? form.Letter_MouseDown(letterIndex) : form.Letter_MouseUp(letterIndex);
    });
}

// Whether the game took the key.
EMSCRIPTEN_KEEPALIVE bool scaffleLetterKey(int letterIndex, int move, unsigned modifiers) {
    bool taken = false;
    input([&](Form1& form) {
        taken = form.Letter_KeyDown(letterIndex, static_cast<LetterMove>(move), modifiers);
    });
    return taken;
}

EMSCRIPTEN_KEEPALIVE void scaffleCommand(int index) {
    input(
        [=](Form1& form) { (form.*menu::kFileCommands[static_cast<std::size_t>(index)].click)(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleBoxClosed() {
    input([](Form1& form) { form.Box_Close(); });
}

// Room for the bytes of the file the player chose, which the page reads straight into it: the
// page keeps no copy. A file larger than any word file, or one there is no room for, is refused
// unread, and gets no room.
EMSCRIPTEN_KEEPALIVE char* scaffleFileRoom(const char* name, double size) {
    if (run == nullptr) {
        return nullptr;
    }
    if (size > static_cast<double>(kLargestWordFile)) {
        choose(WordFile::refused(name, InputError(InputRefusal::TooLarge)));
        return nullptr;
    }
    try {
        run->chosenBytes.assign(static_cast<std::size_t>(size), '\0');
    } catch (const std::bad_alloc&) {
        choose(WordFile::refused(name, InputError(InputRefusal::CannotRead, "not enough memory")));
        return nullptr;
    }
    run->chosenName = name;
    return run->chosenBytes.data();
}

// The page has read the bytes into their room, or says why it could not.
EMSCRIPTEN_KEEPALIVE void scaffleFileRead(const char* failure) {
    if (run == nullptr) {
        return;
    }
    const WordFile file =
        failure != nullptr
            ? WordFile::refused(run->chosenName, InputError(InputRefusal::CannotRead, failure))
            : WordFile::ofBytes(run->chosenName, std::move(run->chosenBytes));
    run->chosenBytes = std::string();
    choose(file);
}

EMSCRIPTEN_KEEPALIVE void scaffleFileCancelled() {
    input([](Form1& form) { form.File_Cancel(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleRedraw() {
    if (run != nullptr) {
        run->window.redraw();
    }
}
}

int main() {
    scaffleStart();
}
