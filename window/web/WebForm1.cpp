#include "WebForm1.h"

#include <emscripten.h>

#include "Menu.h"
#include "SvgDrawing.h"
#include "WebText.h"
#include "WordShown.h"

namespace {

// The page's own pixels are the design's: 311 by 220 for the client area at 100 %.
constexpr Scale kCssScale{1};

// clang-format off
EM_JS(double, jsPixelRatio, (), { return Scaffle.pixelRatio(); });
EM_JS(void, jsSetCaption, (const char* caption), { Scaffle.setCaption(UTF8ToString(caption)); });
EM_JS(void, jsSetLabel, (const char* id, const char* text, const char* told, int left, int top,
                         int width, int height, const char* font), {
    Scaffle.setLabel(UTF8ToString(id), UTF8ToString(text), UTF8ToString(told), left, top, width,
                     height, UTF8ToString(font));
});
EM_JS(void, jsPlaceLetter, (int index, int left, int top, int width, int height), {
    Scaffle.placeLetter(index, left, top, width, height);
});
EM_JS(void, jsSizeBoard, (int width, int height, int deviceWidth, int deviceHeight), {
    Scaffle.sizeBoard(width, height, deviceWidth, deviceHeight);
});
EM_JS(void, jsAddLetter, (int index), { Scaffle.addLetter(index); });
EM_JS(void, jsDraw, (const char* part, const char* markup, bool over), {
    Scaffle.draw(UTF8ToString(part), UTF8ToString(markup), over);
});
EM_JS(void, jsStyleLetter, (int index, double left, double top, const char* font, int red, int green,
                            int blue), {
    Scaffle.styleLetter(index, left, top, UTF8ToString(font), red, green, blue);
});
EM_JS(void, jsDrawFacesSoon, (), { queueMicrotask(() => Module._scaffleDrawFaces()); });
EM_JS(void, jsDrawFace, (int index, const char* markup), {
    Scaffle.drawFace(index, UTF8ToString(markup));
});
EM_JS(void, jsShowLetter, (int index, bool shown), { Scaffle.showLetter(index, shown); });
EM_JS(void, jsRemoveLetters, (), { Scaffle.removeLetters(); });
EM_JS(void, jsFocusLetter, (int index), { Scaffle.focusLetter(index); });
EM_JS(void, jsTell, (const char* news), { Scaffle.tell(UTF8ToString(news)); });
EM_JS(void, jsAddCommand, (int index, const char* caption, int ctrlKey), {
    Scaffle.addCommand(index, UTF8ToString(caption), String.fromCharCode(ctrlKey));
});
// clang-format on

void setLabel(const char* id, const drawing::LabelLook& look, const std::string& text,
              const std::string& told, int fontPixels) {
    jsSetLabel(id, text.c_str(), told.c_str(), look.box.left, look.box.top, look.box.width,
               look.box.height, cssFont(look.font, fontPixels).c_str());
}

// A part of the board drawn anew, or, over what it shows, with more.
void draw(const char* part, const SvgDrawing& drawing, bool over = false) {
    jsDraw(part, drawing.markup().c_str(), over);
}

// A key's letter is its button's own text, which the browser lays out in any case as the
// button's name; the game's drawing says where it sits on the key, in which font and ink.
class KeyLetter final : public Canvas {
public:
    KeyLetter(int letterIndex, const PixelRect& key, double ratio)
        : letterIndex_(letterIndex), key_(key), ratio_(ratio) {}

    void fill(const PixelRect& /*rect*/, design::Rgb /*colour*/) override {}
    void text(const PixelRect& box, std::string_view /*text*/, const design::Font& font,
              int fontPixels, design::Rgb ink) override {
        // The letter's box is the key's, moved as far as a pressed key's letter sinks.
        jsStyleLetter(letterIndex_, (box.left - key_.left) / ratio_, (box.top - key_.top) / ratio_,
                      cssFont(font, fontPixels / ratio_).c_str(), ink.red, ink.green, ink.blue);
    }

private:
    int letterIndex_;
    PixelRect key_;
    double ratio_;
};

}  // namespace

WebForm1::WebForm1(Host& host, Random& random) : form_(*this, host, random) {
    int index = 0;
    for (const menu::Command& command : menu::kFileCommands) {
        jsAddCommand(index++, command.caption, command.ctrlKey);
    }
    rebuild();
}

void WebForm1::start() {
    form_.Form_Load();
}

Scale WebForm1::deviceScale() const {
    return Scale(jsPixelRatio());
}

void WebForm1::rebuild() {
    jsRemoveLetters();
    keyboardBuilt_ = false;
    shown_.reset();
    pressed_ = -1;
    focused_ = -1;
    const drawing::LabelLook word = drawing::label1Look(kCssScale);
    setLabel("Label1", word, design::kLabel1Text, design::kLabel1Text, word.fontPixels);
    const drawing::LabelLook wins = drawing::winTotalLook(kCssScale);
    setLabel("WinTotal", wins, design::kWinTotalText, design::kWinTotalText, wins.fontPixels);
    Hang = drawing::designPieces();
    redraw();
    jsAddLetter(0);
    placeLetter(0);
    showLetter(0);
}

void WebForm1::redraw() {
    const Scale scale = deviceScale();
    const PixelRect client = scale.rect({0, 0, design::kClientWidth, design::kClientHeight});
    jsSizeBoard(kCssScale.pixels(design::kClientWidth), kCssScale.pixels(design::kClientHeight),
                client.width, client.height);
    SvgDrawing ground;
    ground.fill(client, design::kBackground);
    draw("Ground", ground);
    drawGallows();
    for (int index = 0; index < kLetterCount; ++index) {
        if (shown_.test(static_cast<std::size_t>(index))) {
            drawLetter(index);
        }
    }
    drawFaces();
}

PixelRect WebForm1::keyBox(const Scale& scale, int letterIndex) const {
    return drawing::letterBox(scale, letterIndex, keyboardBuilt_);
}

void WebForm1::placeLetter(int letterIndex) const {
    const PixelRect css = drawing::letterBox(kCssScale, letterIndex, keyboardBuilt_);
    jsPlaceLetter(letterIndex, css.left, css.top, css.width, css.height);
}

void WebForm1::drawKey(int letterIndex, bool pressed, bool focused) {
    const auto track = [letterIndex](bool is, int& which) {
        if (is) {
            which = letterIndex;
        } else if (which == letterIndex) {
            which = -1;
        }
    };
    track(pressed, pressed_);
    track(focused, focused_);
    if (shown_.test(static_cast<std::size_t>(letterIndex))) {
        drawLetter(letterIndex);
        drawFace(letterIndex);
    }
}

drawing::KeyLook WebForm1::look(int letterIndex) const {
    return {letterIndex == pressed_, letterIndex == focused_};
}

void WebForm1::drawLetter(int letterIndex) {
    const Scale scale = deviceScale();
    const PixelRect box = keyBox(scale, letterIndex);
    KeyLetter letter(letterIndex, box, scale.factor());
    drawing::drawKeyLetter(letter, scale, box, static_cast<char>('A' + letterIndex),
                           look(letterIndex));
}

void WebForm1::drawFace(int letterIndex) {
    if (facesStale_) {
        return;
    }
    const Scale scale = deviceScale();
    const PixelRect box = keyBox(scale, letterIndex);
    SvgDrawing face;
    if (shown_.test(static_cast<std::size_t>(letterIndex))) {
        drawing::drawKeyFace(face, scale, box, look(letterIndex));
    } else {
        // All a key covers is the client's background.
        face.fill(box, design::kBackground);
    }
    jsDrawFace(letterIndex, face.markup().c_str());
}

void WebForm1::facesChanged() {
    if (!facesStale_) {
        facesStale_ = true;
        jsDrawFacesSoon();
    }
}

void WebForm1::drawStaleFaces() {
    if (facesStale_) {
        drawFaces();
    }
}

void WebForm1::drawFaces() {
    facesStale_ = false;
    const Scale scale = deviceScale();
    SvgDrawing faces;
    for (int index = 0; index < kLetterCount; ++index) {
        if (shown_.test(static_cast<std::size_t>(index))) {
            drawing::drawKeyFace(faces, scale, keyBox(scale, index), look(index));
        }
    }
    draw("Keys", faces);
}

void WebForm1::drawGallows() {
    SvgDrawing gallows;
    drawing::drawGallows(gallows, deviceScale(), Hang);
    draw("Gallows", gallows);
}

void WebForm1::buildKeyboard() {
    keyboardBuilt_ = true;
    // Letter 0 leaves its designed place for its place in the first row.
    facesChanged();
    for (int index = 1; index < kLetterCount; ++index) {
        jsAddLetter(index);
    }
    for (int index = 0; index < kLetterCount; ++index) {
        placeLetter(index);
        showLetter(index);
    }
}

void WebForm1::setCaption(const std::string& caption) {
    jsSetCaption(caption.c_str());
}

void WebForm1::setMaskedWord(std::string_view slots) {
    const std::string text = label1Text(slots);
    const drawing::LabelLook look = drawing::label1Look(kCssScale);
    const int pixels = drawing::label1FontPixels(
        kCssScale, [&](int size) { return webTextWidth(text, look.font, size); });
    setLabel("Label1", look, text, maskedWordNews(slots), pixels);
}

void WebForm1::setWinsText(const std::string& winsText) {
    const drawing::LabelLook look = drawing::winTotalLook(kCssScale);
    setLabel("WinTotal", look, winsText, winsText, look.fontPixels);
}

void WebForm1::hideLetter(int letterIndex) {
    shown_.reset(static_cast<std::size_t>(letterIndex));
    jsShowLetter(letterIndex, false);
    drawFace(letterIndex);
}

void WebForm1::showLetter(int letterIndex) {
    shown_.set(static_cast<std::size_t>(letterIndex));
    jsShowLetter(letterIndex, true);
    drawLetter(letterIndex);
    drawFace(letterIndex);
}

void WebForm1::showPiece(int piece) {
    Hang.set(static_cast<std::size_t>(piece - 1));
    // Drawn alone over what is there: each piece is drawn after those before it in any case.
    drawing::PiecesShown alone;
    alone.set(static_cast<std::size_t>(piece - 1));
    SvgDrawing drawn;
    drawing::drawGallows(drawn, deviceScale(), alone);
    draw("Gallows", drawn, true);
}

void WebForm1::hidePiece(int piece) {
    Hang.reset(static_cast<std::size_t>(piece - 1));
    drawGallows();
}

void WebForm1::focusLetter(int letterIndex) {
    jsFocusLetter(letterIndex);
}

void WebForm1::tell(const std::string& news) {
    jsTell(news.c_str());
}
