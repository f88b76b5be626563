#include "Drawing.h"

#include <gtest/gtest.h>

#include "RecordingCanvas.h"

namespace {

const std::string kWhite = "255,255,255", kOrange = "255,128,0", kYellow = "255,255,0",
                  kBlack = "0,0,0", kPeach = "255,192,128";

// The columns of row y, from x on, that hold colour, counted until the first that does not.
int runOf(const RecordingCanvas& canvas, int x, int y, const std::string& colour) {
    int run = 0;
    while (canvas.at(x + run, y) == colour) {
        ++run;
    }
    return run;
}

// The board of a window showing these letters and pieces, drawn whole at the scale.
RecordingCanvas board(double scale, WindowState window) {
    RecordingCanvas canvas(700, 500);
    drawing::drawBoard(canvas, Scale(scale), window, drawing::clientBox(Scale(scale)));
    return canvas;
}

WindowState showing(PiecesShown pieces, std::bitset<kLetterCount> letters = {}) {
    WindowState window;
    window.pieces = pieces;
    window.lettersShown = letters;
    return window;
}

TEST(Gallows, piecesAreWholePixelsInTheirColoursWithRoundEndsAtEveryScale) {
    struct Post {
        double scale;
        int firstColumn;
        int columns;
        int row;
    };
    // The 5-pixel post stands at x = 104 design pixels, from y = 8 to 136.
    for (const Post post : {Post{1, 101, 5, 72}, Post{1.5, 152, 8, 108}, Post{2, 203, 10, 144}}) {
        SCOPED_TRACE(post.scale);
        const RecordingCanvas canvas = board(post.scale, showing(PiecesShown().set()));
        EXPECT_EQ(canvas.at(post.firstColumn - 1, post.row), kWhite);
        EXPECT_EQ(runOf(canvas, post.firstColumn, post.row, kOrange), post.columns);
    }

    const RecordingCanvas start = board(1, showing(drawing::designPieces()));
    EXPECT_EQ(start.at(104, 72), kWhite);  // no post before the first miss
    // The ground line at y = 176 ends round, two pixels past x = 64 on its axis only.
    EXPECT_EQ(start.at(62, 176), kOrange);
    EXPECT_EQ(start.at(62, 174), kWhite);
    // The head: a disc 35 pixels across at the rope's end.
    EXPECT_EQ(runOf(board(1, showing(PiecesShown().set(3))), 31, 32, kPeach), 35);
}

TEST(Key, isAYellowFaceWithRaisedEdgesThatSinkWhenPressedAndAFocusMark) {
    // Z stands at (248, 75), 25 pixels square; at twice the scale every edge is two deep.
    const std::bitset<kLetterCount> z = 1 << 25;
    const RecordingCanvas raised = board(1, showing({}, z));
    EXPECT_EQ(raised.at(248, 75), kWhite);
    EXPECT_EQ(raised.at(249, 76), "255,255,191");
    EXPECT_EQ(raised.at(271, 98), "153,153,0");
    EXPECT_EQ(raised.at(272, 99), kBlack);
    EXPECT_EQ(raised.at(251, 78), kYellow);
    EXPECT_EQ(raised.at(273, 75), kWhite);  // the next key's place
    EXPECT_EQ(raised.texts.front(), "Z in 248,75 25x25 at 18px");

    // Its focus mark only while the window is active.
    WindowState held = showing({}, z);
    held.pressed = held.focus = 25;
    EXPECT_EQ(board(2, held).at(502, 160), kYellow);
    held.active = true;
    const RecordingCanvas pressed = board(2, held);
    EXPECT_EQ(pressed.at(497, 151), kBlack);
    EXPECT_EQ(pressed.at(498, 152), "153,153,0");
    EXPECT_EQ(pressed.at(545, 199), kWhite);
    EXPECT_EQ(pressed.at(502, 160), kBlack);  // the focus mark, six device pixels in
    EXPECT_EQ(pressed.at(504, 160), kYellow);
    EXPECT_EQ(pressed.texts.front(), "Z in 498,152 50x50 at 36px");
}

TEST(Keyboard, neighbouringKeysTouchAndRowOneEndsAtTheRightEdgeAtEveryScale) {
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        SCOPED_TRACE(dpi);
        const Scale scale = Scale::ofDpi(dpi);
        for (const design::KeyboardRow& row : design::kKeyboard) {
            for (int i = row.firstIndex; i + 1 < row.firstIndex + row.count; ++i) {
                const PixelRect key = drawing::letterBox(scale, i);
                EXPECT_EQ(key.right(), drawing::letterBox(scale, i + 1).left);
                EXPECT_EQ(key.top, drawing::letterBox(scale, row.firstIndex).top);
            }
        }
        EXPECT_EQ(drawing::letterBox(scale, 7).right(), scale.pixels(design::kClientWidth));
        EXPECT_EQ(drawing::letterBox(scale, 0).bottom(), drawing::letterBox(scale, 8).top);
    }
    // At 144 dots per inch the rows' starts fall between pixels: keys are 37 or 38 wide.
    EXPECT_EQ(drawing::letterBox(Scale::ofDpi(144), 8), (PixelRect{185, 38, 37, 37}));
}

TEST(Labels, standInTheirBoxesTheMaskedWordOnPinkAtItsFittedSize) {
    WindowState window;
    window.maskedWord = "_ _ _";
    window.maskedWordPixels = 15;
    window.winsText = "Wins: 0";
    const RecordingCanvas canvas = board(2, window);
    EXPECT_EQ(canvas.texts, (std::vector<std::string>{"_ _ _ in 16,368 594x66 at 30px",
                                                      "Wins: 0 in 304,288 274x50 at 36px"}));
    EXPECT_EQ(canvas.at(16, 368), "255,192,255");
    EXPECT_EQ(canvas.at(15, 368), kWhite);
}

TEST(Board, changesOnlyWhatAStateChangeTouches) {
    WindowState before = showing(drawing::designPieces(), std::bitset<kLetterCount>().set());
    WindowState after = before;
    after.lettersShown.reset(2);
    after.pieces.set(0);
    after.winsText = "Wins: 1";
    const Scale scale(1);
    EXPECT_EQ(drawing::changedBoxes(scale, before, after),
              (std::vector<PixelRect>{drawing::gallowsBounds(scale), drawing::letterBox(scale, 2),
                                      drawing::winTotalBox(scale)}));
    EXPECT_TRUE(drawing::changedBoxes(scale, after, after).empty());
}

TEST(Labels, theMaskedWordShrinksJustEnoughToShowWholeButNoFurtherThanHalf) {
    // Characters half as wide as the font is high: the 297-pixel label holds 28 at 21 pixels.
    const auto word = [](int characters) {
        return [characters](int pixels) { return characters * pixels / 2; };
    };
    EXPECT_EQ(drawing::label1FontPixels(word(28)), 21);
    EXPECT_EQ(drawing::label1FontPixels(word(39)), 15);  // 39 x 15 / 2 = 292
    EXPECT_EQ(drawing::label1FontPixels(word(199)), 11);
}

}  // namespace
