// Writes the game's icon as an SVG: the window's gallows with every piece shown, on a white key
// edged in the letters' yellow. Its PNG sizes and the Windows icon are made from this picture.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Design.h"

namespace {

constexpr double kSize = 256;
// The figure spans x 360 to 2160 and y 120 to 2640 twips.
constexpr double kFigureCentreX = 1260;
constexpr double kFigureCentreY = 1380;
constexpr double kFigureHeight = 2520;
constexpr double kFigureShare = 0.74;         // of the icon's height
constexpr std::ptrdiff_t kHead = 3;           // piece 4
constexpr design::Rgb kHeadRing{140, 70, 0};  // 7.0:1 on white

struct Stroke {
    double x1, y1, x2, y2;
    design::Rgb colour;
    double width;
};

// Every piece of the gallows at the icon's scale. Thin pens are widened, so that the figure
// still reads at 16 pixels, and the head is ringed in brown: its peach alone hardly shows on
// white, and without the ring it runs into the rope at the small sizes.
std::vector<Stroke> strokes() {
    const double scale = kFigureShare * kSize / kFigureHeight;
    const auto x = [&](int twips) { return kSize / 2 + (twips - kFigureCentreX) * scale; };
    const auto y = [&](int twips) { return kSize / 2 + (twips - kFigureCentreY) * scale; };
    const double thinnest = kSize / 14;
    std::vector<Stroke> all;
    for (const design::Piece& piece : design::kHang) {
        const double width = std::max(piece.penWidth * design::kTwipsPerPixel * scale, thinnest);
        all.push_back({x(piece.start.x), y(piece.start.y), x(piece.end.x), y(piece.end.y),
                       piece.colour, width});
    }
    // The head last, over the rope, the body and the arms.
    const Stroke head = all[kHead];
    all.erase(all.begin() + kHead);
    Stroke ring = head;
    ring.colour = kHeadRing;
    ring.width += kSize / 20;
    all.push_back(ring);
    all.push_back(head);
    return all;
}

std::string hex(design::Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string svg() {
    const double edge = kSize / 16;
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n";
    out += "  <rect x=\"" + number(edge / 2) + "\" y=\"" + number(edge / 2) + "\" width=\"" +
           number(kSize - edge) + "\" height=\"" + number(kSize - edge) + "\" rx=\"" +
           number(kSize / 8) + "\" fill=\"" + hex(design::kBackground) + "\" stroke=\"" +
           hex(design::kLetterFace) + "\" stroke-width=\"" + number(edge) + "\"/>\n";
    out += "  <g stroke-linecap=\"round\">\n";
    for (const Stroke& stroke : strokes()) {
        out += "    <line x1=\"" + number(stroke.x1) + "\" y1=\"" + number(stroke.y1) + "\" x2=\"" +
               number(stroke.x2) + "\" y2=\"" + number(stroke.y2) + "\" stroke=\"" +
               hex(stroke.colour) + "\" stroke-width=\"" + number(stroke.width) + "\"/>\n";
    }
    return out + "  </g>\n</svg>\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.svg\n", argv[0]);
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << svg();
    if (!file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
