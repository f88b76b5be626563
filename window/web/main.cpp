// The page's game: one run of it at a time, started again from nothing when the player asks
// after it has ended.
#include <emscripten.h>

#include <memory>

#include "Menu.h"
#include "Random.h"
#include "WebForm1.h"
#include "WebHost.h"

namespace {

struct Run {
    WebHost host;
    ClockRandom random;
    WebForm1 window{host, random};
};
std::unique_ptr<Run> run;

// What the page asks of the run once there is one, ended or not.
template <typename Work>
void onceStarted(Work work) {
    if (run != nullptr) {
        work();
    }
}

// An event of the page, unless the game has ended.
template <typename Event>
void event(Event handle) {
    if (run != nullptr && !run->host.ended()) {
        handle(run->window.form());
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void scaffleStart() {
    run.reset();
    run = std::make_unique<Run>();
    run->window.start();
}

EMSCRIPTEN_KEEPALIVE void scaffleLetterClick(int letterIndex) {
    event([=](Form1& form) { form.Letter_Click(letterIndex); });
}

EMSCRIPTEN_KEEPALIVE void scaffleLetterMove(int letterIndex, int move) {
    event([=](Form1& form) { form.Letter_KeyDown(letterIndex, static_cast<LetterMove>(move)); });
}

EMSCRIPTEN_KEEPALIVE void scaffleCommand(int index) {
    event(
        [=](Form1& form) { (form.*menu::kFileCommands[static_cast<std::size_t>(index)].click)(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleDrawKey(int letterIndex, bool pressed, bool focused) {
    onceStarted([=] { run->window.drawKey(letterIndex, pressed, focused); });
}

EMSCRIPTEN_KEEPALIVE void scaffleDrawFaces() {
    onceStarted([] { run->window.drawStaleFaces(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleRedraw() {
    onceStarted([] { run->window.redraw(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleBoxClosed() {
    onceStarted([] { run->host.boxClosed(); });
}

EMSCRIPTEN_KEEPALIVE void scaffleRunTasks() {
    onceStarted([] { run->host.runTasks(); });
}

// The bytes of the file the player chose, read in the page: they go nowhere else.
EMSCRIPTEN_KEEPALIVE void scaffleFileChosen(const char* name, const char* bytes, int size) {
    event([=](Form1& form) {
        run->host.chosen(
            WordFile::ofBytes(name, std::string(bytes, static_cast<std::size_t>(size))));
        form.mnuOH_Click();
    });
}
}

int main() {
    scaffleStart();
}
