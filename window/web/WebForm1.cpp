#include "WebForm1.h"

#include <emscripten.h>

#include "Menu.h"
#include "WebCanvas.h"
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
EM_JS(void, jsPlaceLetter, (int index, int left, int top, int width, int height,
                            int deviceWidth, int deviceHeight), {
    Scaffle.placeLetter(index, left, top, width, height, deviceWidth, deviceHeight);
});
EM_JS(void, jsSizeGallows, (int width, int height, int deviceWidth, int deviceHeight), {
    Scaffle.sizeGallows(width, height, deviceWidth, deviceHeight);
});
EM_JS(void, jsAddLetter, (int index), { Scaffle.addLetter(index); });
EM_JS(bool, jsMakeCanvas, (const char* id, int width, int height), {
    return Scaffle.makeCanvas(UTF8ToString(id), width, height);
});
EM_JS(void, jsCopyCanvas, (const char* from, const char* to), {
    Scaffle.copyCanvas(UTF8ToString(from), UTF8ToString(to));
});
EM_JS(void, jsShowLetter, (int index, bool shown), { Scaffle.showLetter(index, shown); });
EM_JS(void, jsRemoveLetters, (), { Scaffle.removeLetters(); });
EM_JS(void, jsFocusLetter, (int index), { Scaffle.focusLetter(index); });
EM_JS(void, jsTell, (const char* news), { Scaffle.tell(UTF8ToString(news)); });
EM_JS(void, jsAddCommand, (int index, const char* caption, int ctrlKey), {
    Scaffle.addCommand(index, UTF8ToString(caption), String.fromCharCode(ctrlKey));
});
// clang-format on

std::string cssFont(const design::Font& font, int pixels) {
    return std::string(font.bold ? "bold " : "") + std::to_string(pixels) + "px \"" + font.family +
           "\", \"" + font.substitute + "\"";
}

void setLabel(const char* id, const drawing::LabelLook& look, const std::string& text,
              const std::string& told, int fontPixels) {
    jsSetLabel(id, text.c_str(), told.c_str(), look.box.left, look.box.top, look.box.width,
               look.box.height, cssFont(look.font, fontPixels).c_str());
}

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
    jsAddLetter(0);
    placeLetter(0);
    jsShowLetter(0, true);
    const drawing::LabelLook word = drawing::label1Look(kCssScale);
    setLabel("Label1", word, design::kLabel1Text, design::kLabel1Text, word.fontPixels);
    const drawing::LabelLook wins = drawing::winTotalLook(kCssScale);
    setLabel("WinTotal", wins, design::kWinTotalText, design::kWinTotalText, wins.fontPixels);
    Hang = drawing::designPieces();
    drawGallows();
}

void WebForm1::redraw() {
    for (int index = 0; index < kLetterCount; ++index) {
        if (index == 0 || keyboardBuilt_) {
            placeLetter(index);
        }
    }
    drawGallows();
}

void WebForm1::placeLetter(int letterIndex) const {
    const PixelRect css = drawing::letterBox(kCssScale, letterIndex, keyboardBuilt_);
    const PixelRect device = drawing::letterBox(deviceScale(), letterIndex, keyboardBuilt_);
    jsPlaceLetter(letterIndex, css.left, css.top, css.width, css.height, device.width,
                  device.height);
    drawKey(letterIndex, false, false);
}

void WebForm1::drawKey(int letterIndex, bool pressed, bool focused) const {
    const Scale scale = deviceScale();
    const PixelRect box = drawing::letterBox(scale, letterIndex, keyboardBuilt_);
    const PixelRect face{0, 0, box.width, box.height};
    const drawing::KeyLook look{pressed, focused};
    // A key's face is the same for every key of a size and look: drawn once, then copied.
    const std::string faceId = "Face" + std::to_string(face.width) + "x" +
                               std::to_string(face.height) + (pressed ? "p" : "") +
                               (focused ? "f" : "");
    if (jsMakeCanvas(faceId.c_str(), face.width, face.height)) {
        WebCanvas drawn(faceId.c_str());
        drawing::drawKeyFace(drawn, scale, face, look);
    }
    const std::string id = "Letter" + std::to_string(letterIndex) + "Face";
    jsCopyCanvas(faceId.c_str(), id.c_str());
    WebCanvas canvas(id.c_str());
    drawing::drawKeyLetter(canvas, scale, face, static_cast<char>('A' + letterIndex), look);
}

void WebForm1::drawGallows() const {
    const Scale scale = deviceScale();
    const PixelRect client{0, 0, scale.pixels(design::kClientWidth),
                           scale.pixels(design::kClientHeight)};
    jsSizeGallows(kCssScale.pixels(design::kClientWidth), kCssScale.pixels(design::kClientHeight),
                  client.width, client.height);
    WebCanvas canvas("Hang");
    canvas.fill(client, design::kBackground);
    drawing::drawGallows(canvas, scale, Hang);
}

void WebForm1::buildKeyboard() {
    keyboardBuilt_ = true;
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
    jsShowLetter(letterIndex, false);
}

void WebForm1::showLetter(int letterIndex) {
    jsShowLetter(letterIndex, true);
}

void WebForm1::showPiece(int piece) {
    Hang.set(static_cast<std::size_t>(piece - 1));
    drawGallows();
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
