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
        RecordingCanvas canvas(700, 500);
        drawing::drawGallows(canvas, Scale(post.scale), drawing::PiecesShown().set());
        EXPECT_EQ(canvas.at(post.firstColumn - 1, post.row), kWhite);
        EXPECT_EQ(runOf(canvas, post.firstColumn, post.row, kOrange), post.columns);
    }

    RecordingCanvas start(311, 220);
    drawing::drawGallows(start, Scale(1), drawing::designPieces());
    EXPECT_EQ(start.at(104, 72), kWhite);  // no post before the first miss
    // The ground line at y = 176 ends round, two pixels past x = 64 on its axis only.
    EXPECT_EQ(start.at(62, 176), kOrange);
    EXPECT_EQ(start.at(62, 174), kWhite);
    // The head: a disc 35 pixels across at the rope's end.
    drawing::drawGallows(start, Scale(1), drawing::PiecesShown().set(3));
    EXPECT_EQ(runOf(start, 31, 32, kPeach), 35);
}

TEST(Key, isAYellowFaceWithRaisedEdgesThatSinkWhenPressedAndAFocusMark) {
    // Z stands at (248, 75), 25 pixels square; at twice the scale every edge is two deep.
    RecordingCanvas raised(700, 500);
    drawing::drawKey(raised, Scale(1), drawing::letterBox(Scale(1), 25, true), 'Z', {});
    EXPECT_EQ(raised.at(248, 75), kWhite);
    EXPECT_EQ(raised.at(249, 76), "255,255,191");
    EXPECT_EQ(raised.at(271, 98), "153,153,0");
    EXPECT_EQ(raised.at(272, 99), kBlack);
    EXPECT_EQ(raised.at(251, 78), kYellow);
    EXPECT_EQ(raised.at(273, 75), kWhite);  // the next key's place
    EXPECT_EQ(raised.texts, std::vector<std::string>{"Z in 248,75 25x25 at 18px"});

    RecordingCanvas pressed(700, 500);
    drawing::drawKey(pressed, Scale(2), drawing::letterBox(Scale(2), 25, true), 'Z', {true, true});
    EXPECT_EQ(pressed.at(497, 151), kBlack);
    EXPECT_EQ(pressed.at(498, 152), "153,153,0");
    EXPECT_EQ(pressed.at(545, 199), kWhite);
    EXPECT_EQ(pressed.at(502, 160), kBlack);  // the focus mark, six device pixels in
    EXPECT_EQ(pressed.at(504, 160), kYellow);
    EXPECT_EQ(pressed.texts, std::vector<std::string>{"Z in 498,152 50x50 at 36px"});
}

TEST(Keyboard, neighbouringKeysTouchAndRowOneEndsAtTheRightEdgeAtEveryScale) {
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        SCOPED_TRACE(dpi);
        const Scale scale = Scale::ofDpi(dpi);
        for (const design::KeyboardRow& row : design::kKeyboard) {
            for (int i = row.firstIndex; i + 1 < row.firstIndex + row.count; ++i) {
                const PixelRect key = drawing::letterBox(scale, i, true);
                EXPECT_EQ(key.right(), drawing::letterBox(scale, i + 1, true).left);
                EXPECT_EQ(key.top, drawing::letterBox(scale, row.firstIndex, true).top);
            }
        }
        EXPECT_EQ(drawing::letterBox(scale, 7, true).right(), scale.pixels(design::kClientWidth));
        EXPECT_EQ(drawing::letterBox(scale, 0, true).bottom(),
                  drawing::letterBox(scale, 8, true).top);
    }
    // At 144 dots per inch the rows' starts fall between pixels: keys are 37 or 38 wide.
    EXPECT_EQ(drawing::letterBox(Scale::ofDpi(144), 8, true), (PixelRect{185, 38, 37, 37}));
}

TEST(Labels, standInTheirBoxesInBlackOnTheirBackgrounds) {
    const drawing::LabelLook word = drawing::label1Look(Scale(1));
    EXPECT_EQ(word.box, (PixelRect{8, 184, 297, 33}));
    EXPECT_EQ(word.fontPixels, 21);
    EXPECT_EQ(word.background.green, 192);
    EXPECT_EQ(word.ink.red + word.ink.green + word.ink.blue, 0);
    EXPECT_EQ(drawing::winTotalLook(Scale(2)).box, (PixelRect{304, 288, 274, 50}));
}

TEST(Labels, theMaskedWordShrinksJustEnoughToShowWholeButNoFurtherThanHalf) {
    // Characters half as wide as the font is high: the 297-pixel label holds 28 at 21 pixels.
    const auto word = [](int characters) {
        return [characters](int pixels) { return characters * pixels / 2; };
    };
    EXPECT_EQ(drawing::label1FontPixels(Scale(1), word(28)), 21);
    EXPECT_EQ(drawing::label1FontPixels(Scale(1), word(39)), 15);  // 39 x 15 / 2 = 292
    EXPECT_EQ(drawing::label1FontPixels(Scale(2), word(39)), 30);
    EXPECT_EQ(drawing::label1FontPixels(Scale(1), word(199)), 11);
}

}  // namespace
