#include "WebForm1.h"

#include <emscripten.h>

#include "Drawing.h"
#include "Menu.h"
#include "SvgDrawing.h"
#include "WebText.h"

namespace {

// clang-format off
EM_JS(double, jsPixelRatio, (), { return Scaffle.pixelRatio(); });
EM_JS(void, jsPlace,
      (const char* id, int left, int top, int width, int height, const char* about), {
    Scaffle.place(UTF8ToString(id), left, top, width, height, UTF8ToString(about));
});
EM_JS(void, jsAddCommand, (const char* caption, int key), {
    Scaffle.addCommand(UTF8ToString(caption), String.fromCharCode(key));
});
EM_JS(void, jsSetCaption, (const char* caption), { Scaffle.setCaption(UTF8ToString(caption)); });
EM_JS(void, jsSetLabel, (const char* id, const char* text, const char* name), {
    Scaffle.setLabel(UTF8ToString(id), UTF8ToString(text), UTF8ToString(name));
});
EM_JS(void, jsDraw, (int deviceWidth, int deviceHeight, const char* markup), {
    Scaffle.draw(deviceWidth, deviceHeight, UTF8ToString(markup));
});
EM_JS(void, jsDrawPart, (int left, int top, const char* markup), {
    Scaffle.drawPart(left + "," + top, UTF8ToString(markup));
});
EM_JS(void, jsShowLetter, (int index, bool shown), { Scaffle.showLetter(index, shown); });
EM_JS(void, jsFocusLetter, (int index), { Scaffle.focusLetter(index); });
EM_JS(void, jsTell, (const char* news), { Scaffle.tell(UTF8ToString(news)); });
EM_JS(void, jsMessage, (const char* title, const char* text, const char* spoken), {
    Scaffle.message(UTF8ToString(title), UTF8ToString(text), UTF8ToString(spoken));
});
EM_JS(void, jsChooseFile, (const char* accept), { Scaffle.chooseFile(UTF8ToString(accept)); });
EM_JS(void, jsEnd, (), { Scaffle.end(); });
// clang-format on

// The page's own pixels are the design's: 311 by 220 for the client area at 100 %.
constexpr Scale kCssScale{1};

// about: what a screen reader says the control is for, if anything.
void place(const char* id, const PixelRect& box, const char* about = "") {
    jsPlace(id, box.left, box.top, box.width, box.height, about);
}

int measure(std::string_view text, const design::Font& font, int pixels) {
    return webTextWidth(text, font, pixels);
}

// The chooser offers what the filter names by its ending; "*.*" is every file anyway.
std::string accepted() {
    std::string accept;
    for (const FileType& type : wordFileFilter()) {
        const std::string_view pattern = type.pattern;
        if (pattern != "*.*") {
            accept += (accept.empty() ? "" : ",") + std::string(pattern.substr(1));
        }
    }
    return accept;
}

}  // namespace

WebForm1::WebForm1(Random& random) : form_(random, measure) {
    for (const menu::Command& command : menu::kFileCommands) {
        jsAddCommand(command.caption, command.ctrlKey);
    }
    for (int index = 0; index < kLetterCount; ++index) {
        place(("Letter" + std::to_string(index)).c_str(), drawing::letterBox(kCssScale, index));
    }
    place("Label1", drawing::label1Box(kCssScale), kLabel1Description);
    place("WinTotal", drawing::winTotalBox(kCssScale), kWinTotalDescription);
    place("Hang", drawing::gallowsBounds(kCssScale));
}

Scale WebForm1::deviceScale() {
    return Scale(jsPixelRatio());
}

void WebForm1::input(const std::function<void(Form1&)>& event) {
    event(form_);
    // What showing sets off (a focus moved) is shown in the same pass, once this one is over.
    if (!showing_) {
        showing_ = true;
        while (form_.window() != shown_) {
            show();
        }
        showing_ = false;
    }
}

void WebForm1::show() {
    const WindowState before = shown_;
    const WindowState now = shown_ = form_.window();
    if (now.caption != before.caption) {
        jsSetCaption(now.caption.c_str());
    }
    if (now.maskedWordSpoken != before.maskedWordSpoken) {
        jsSetLabel("Label1", now.maskedWordSpoken.c_str(), "");
    }
    if (now.piecesSpoken != before.piecesSpoken) {
        jsSetLabel("Hang", "", now.gallowsSpoken().c_str());
    }
    if (now.winsText != before.winsText) {
        jsSetLabel("WinTotal", now.winsText.c_str(), "");
    }
    for (int index = 0; index < kLetterCount; ++index) {
        const bool shown = now.lettersShown.test(static_cast<std::size_t>(index));
        if (shown && !before.lettersShown.test(static_cast<std::size_t>(index))) {
            jsShowLetter(index, true);
        }
    }
    // Drawn before the focus moves: moving it lays the page out, and a board drawn after that
    // would have the page laid out again before it is painted.
    const Scale scale = deviceScale();
    const std::vector<PixelRect> changed = drawing::changedBoxes(scale, before, now);
    // A new round, or a change of many parts, is drawn whole; else each part that changed is
    // drawn over the board, latest on top.
    if (changed.size() > 6 || before.lettersShown.none()) {
        drawBoard(scale);
    } else {
        for (const PixelRect& box : changed) {
            SvgDrawing part;
            drawing::drawBoard(part, scale, now, box);
            jsDrawPart(box.left, box.top, part.markup().c_str());
        }
    }
    // The page's focus follows the game's wherever the player has not taken it elsewhere.
    if (now.focus >= 0 && !now.box && !now.choosingFile) {
        jsFocusLetter(now.focus);
    }
    for (int index = 0; index < kLetterCount; ++index) {
        const bool shown = now.lettersShown.test(static_cast<std::size_t>(index));
        if (!shown && before.lettersShown.test(static_cast<std::size_t>(index))) {
            jsShowLetter(index, false);
        }
    }
    if (now.news.number != before.news.number) {
        jsTell(now.news.text.c_str());
    }
    if (now.box && now.box != before.box) {
        jsMessage(now.box->title.c_str(), now.box->text.c_str(), now.box->spokenText().c_str());
    }
    if (now.choosingFile && !before.choosingFile) {
        jsChooseFile(accepted().c_str());
    }
    if (now.ended && !before.ended) {
        jsEnd();
    }
}

void WebForm1::redraw() {
    drawBoard(deviceScale());
}

void WebForm1::drawBoard(const Scale& scale) {
    const PixelRect client = drawing::clientBox(scale);
    SvgDrawing board;
    drawing::drawBoard(board, scale, shown_, client);
    jsDraw(client.width, client.height, board.markup().c_str());
}
