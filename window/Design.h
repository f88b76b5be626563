#pragma once

#include <array>
#include <cstddef>

#include "GameState.h"

// The window as it was designed: every position and size in twips (1/1440 inch) from the
// top-left corner of the client area under the menu bar, pen widths in pixels, colours as
// red, green, blue.
namespace design {

struct Rgb {
    int red;
    int green;
    int blue;
};

struct Point {
    int x;
    int y;
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// A face that stands in for a designed one, at this share of its own width: a narrow face
// stood in for by a narrowed one where the system can narrow it.
struct Face {
    const char* family;
    int widthPercent;
};

struct Font {
    const char* family;
    // The designed face came with old Windows as a bitmap face, which scales in coarse steps
    // and looks jagged at a high scale: only a face in outlines is drawn.
    bool bitmap;
    // Where the designed face is missing, in this order: the one every Windows 10 and 11 has
    // in outlines, then the metric-compatible one Linux has.
    std::array<Face, 2> standIns;
    // The kind of face a browser falls back on where it has none of them.
    const char* generic;
    double points;
    bool bold;
};

inline constexpr int kTwipsPerPixel = 15;        // at 96 dots per inch
inline constexpr double kPointsPerPixel = 0.75;  // at 96 dots per inch

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kPink{255, 192, 255};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kPeach{255, 192, 128};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 255, 0};

inline constexpr int kClientWidth = 4665;
inline constexpr int kClientHeight = 3300;
inline constexpr Rgb kBackground = kWhite;

// Letter: the designed button 0; the others are copies of it made at load.
inline constexpr Rect kLetter0{2040, 0, 375, 375};
inline constexpr Rgb kLetterFace = kYellow;
inline constexpr Font kLetterFont{
    "MS Serif", true, {{{"Times New Roman", 100}, {"Liberation Serif", 100}}},
    "serif",    13.5, false};

struct KeyboardRow {
    int firstIndex;
    int count;
    int top;
    int left;
};
// Each row one button shorter and centred under the one above, buttons touching.
inline constexpr std::array<KeyboardRow, 4> kKeyboard{{
    {0, 8, 0, 1665},
    {8, 7, 375, 1850},
    {15, 6, 750, 2040},
    {21, 5, 1125, 2225},
}};
// Where each letter stands once the keyboard is built, by its index: the rows' rule, worked out
// once for every window.
inline constexpr std::array<Point, kLetterCount> kLetterPlaces = [] {
    std::array<Point, kLetterCount> places{};
    for (const KeyboardRow& row : kKeyboard) {
        for (int j = 0; j < row.count; ++j) {
            places[static_cast<std::size_t>(row.firstIndex + j)] = {row.left + kLetter0.width * j,
                                                                    row.top};
        }
    }
    return places;
}();

// Label1: the masked word.
inline constexpr Rect kLabel1{120, 2760, 4455, 495};
inline constexpr Rgb kLabel1Background = kPink;
inline constexpr Font kLabel1Font{
    "Arial Narrow", false, {{{"Arial", 82}, {"Liberation Sans Narrow", 100}}},
    "sans-serif",   15.75, true};
inline constexpr const char* kLabel1Text = "H I P P O P O T A M O U S";

// WinTotal: the wins tally, on the window's own white.
inline constexpr Rect kWinTotal{2280, 2160, 2055, 375};
inline constexpr Font kWinTotalFont{
    "MS Sans Serif", true, {{{"Microsoft Sans Serif", 100}, {"Liberation Sans", 100}}},
    "sans-serif",    13.5, false};
inline constexpr const char* kWinTotalText = "Wins: 0";

struct Piece {
    Point start;
    Point end;
    Rgb colour;
    int penWidth;
};
// Hang: pieces 1 to 9 appear one per miss; 10 to 12, the base, are always shown.
inline constexpr std::array<Piece, 12> kHang{{
    {{1560, 2040}, {1560, 120}, kOrange, 5},   // 1 upright post
    {{720, 120}, {1560, 120}, kOrange, 3},     // 2 top beam
    {{720, 360}, {720, 120}, kOrange, 3},      // 3 rope
    {{720, 480}, {735, 495}, kPeach, 35},      // 4 head: a short stroke of a wide pen, a disc
    {{720, 600}, {720, 1440}, kRed, 10},       // 5 body
    {{1080, 1920}, {720, 1440}, kBlue, 6},     // 6 leg, towards the right
    {{360, 1920}, {720, 1440}, kBlue, 6},      // 7 leg, towards the left
    {{1080, 960}, {720, 1080}, kGreen, 4},     // 8 arm, towards the right
    {{360, 960}, {720, 1080}, kGreen, 4},      // 9 arm, towards the left
    {{960, 2640}, {1560, 2040}, kOrange, 4},   // 10 base, left slant
    {{1560, 2040}, {2160, 2640}, kOrange, 4},  // 11 base, right slant
    {{960, 2640}, {2160, 2640}, kOrange, 4},   // 12 base, ground line
}};

}  // namespace design
