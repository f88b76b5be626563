// The page's game: one run of it at a time, started again from nothing when the player asks
// after it has ended. The page hands each of the player's events to it by these names.
#include <emscripten.h>

#include <memory>

#include "Menu.h"
#include "Random.h"
#include "WebForm1.h"

namespace {

struct Run {
    ClockRandom random;
    WebForm1 window{random};
};
std::unique_ptr<Run> run;

template <typename Event>
void input(Event event) {
    if (run != nullptr) {
        run->window.input(event);
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void scaffleStart() {
    run.reset();
    run = std::make_unique<Run>();
    input([](Form1& form) { form.Form_Load(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleActivate(bool active) {
    input([=](Form1& form) { active ? form.Form_Activate() : form.Form_Deactivate(); });
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

// The bytes of the file the player chose, read in the page: they go nowhere else.
EMSCRIPTEN_KEEPALIVE void scaffleFileChosen(const char* name, const char* bytes, int size) {
    const WordFile file =
        WordFile::ofBytes(name, std::string(bytes, static_cast<std::size_t>(size)));
    input([&](Form1& form) { form.File_Choose(file); });
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
