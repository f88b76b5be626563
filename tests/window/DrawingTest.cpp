#include "Drawing.h"

#include <gtest/gtest.h>

#include "RecordingCanvas.h"

namespace {

const std::string kWhite = "255,255,255", kOrange = "255,128,0", kYellow = "255,255,0",
                  kBlack = "0,0,0";

RecordingCanvas gallowsAt(const Scale& scale) {
    RecordingCanvas canvas(700, 500);
    drawing::drawGallows(canvas, scale, drawing::PiecesShown().set());
    return canvas;
}

// The columns of row y, from x on, that hold colour, counted until the first that does not.
int runOf(const RecordingCanvas& canvas, int x, int y, const std::string& colour) {
    int run = 0;
    while (canvas.at(x + run, y) == colour) {
        ++run;
    }
    return run;
}

TEST(Gallows, thePostIsWholeColumnsOfOrangeAtEveryScale) {
    struct Case {
        double scale;
        int firstColumn;
        int columns;
        int row;
    };
    // The 5-pixel post stands at x = 104 design pixels, from y = 8 to 136.
    for (const Case& post : {Case{1, 101, 5, 72}, Case{1.5, 152, 8, 108}, Case{2, 203, 10, 144}}) {
        SCOPED_TRACE(post.scale);
        const RecordingCanvas canvas = gallowsAt(Scale(post.scale));
        EXPECT_EQ(canvas.at(post.firstColumn - 1, post.row), kWhite);
        EXPECT_EQ(runOf(canvas, post.firstColumn, post.row, kOrange), post.columns);
    }
    // The 3-pixel beam at y = 8, at twice the scale: six rows, clean above and below.
    const RecordingCanvas twice = gallowsAt(Scale(2));
    EXPECT_EQ(twice.at(152, 12), kWhite);
    for (int y = 13; y <= 18; ++y) {
        EXPECT_EQ(twice.at(152, y), kOrange) << y;
    }
    EXPECT_EQ(twice.at(152, 19), kWhite);
}

TEST(Gallows, showsOnlyThePiecesAskedForInTheirColoursWithRoundEnds) {
    RecordingCanvas canvas(311, 220);
    drawing::drawGallows(canvas, Scale(1), drawing::designPieces());
    EXPECT_EQ(canvas.at(90, 176), kOrange);  // the ground line
    EXPECT_EQ(canvas.at(104, 72), kWhite);   // no post before the first miss
    // The ground line's round end reaches two pixels past x = 64 on its axis, not at its corner.
    EXPECT_EQ(canvas.at(62, 176), kOrange);
    EXPECT_EQ(canvas.at(62, 174), kWhite);

    drawing::drawGallows(canvas, Scale(1), drawing::PiecesShown().set(3));
    EXPECT_EQ(canvas.at(48, 32), "255,192,128");  // the head, a disc at the rope's end
    EXPECT_EQ(runOf(canvas, 31, 32, "255,192,128"), 35);
}

RecordingCanvas keyZ(const Scale& scale, drawing::KeyLook look) {
    RecordingCanvas canvas(700, 500);
    drawing::drawKey(canvas, scale, drawing::letterBox(scale, 25, true), 'Z', look);
    return canvas;
}

TEST(Key, isARaisedYellowFaceThatSinksWhenPressed) {
    // Z stands at (248, 75), 25 pixels square.
    const RecordingCanvas raised = keyZ(Scale(1), {false, false});
    EXPECT_EQ(raised.at(248, 75), kWhite);
    EXPECT_EQ(raised.at(249, 76), "255,255,191");
    EXPECT_EQ(raised.at(272, 99), kBlack);
    EXPECT_EQ(raised.at(271, 98), "153,153,0");
    EXPECT_EQ(raised.at(251, 78), kYellow);
    EXPECT_EQ(raised.at(269, 96), kYellow);
    EXPECT_EQ(raised.at(273, 75), kWhite);  // the next key's place
    EXPECT_EQ(raised.texts, std::vector<std::string>{"Z in 248,75 25x25 at 18px"});

    const RecordingCanvas pressed = keyZ(Scale(1), {true, false});
    EXPECT_EQ(pressed.at(248, 75), kBlack);
    EXPECT_EQ(pressed.at(272, 99), kWhite);
    EXPECT_EQ(pressed.texts, std::vector<std::string>{"Z in 249,76 25x25 at 18px"});
}

TEST(Key, edgesAndFocusMarkAreWholeDevicePixelsAtEveryScale) {
    const RecordingCanvas focused = keyZ(Scale(1), {false, true});
    EXPECT_EQ(focused.at(251, 78), kBlack);
    EXPECT_EQ(focused.at(252, 79), kYellow);
    EXPECT_EQ(focused.at(269, 96), kBlack);

    const RecordingCanvas twice = keyZ(Scale(2), {false, true});
    for (const int x : {496, 497}) {
        EXPECT_EQ(twice.at(x, 160), kWhite);
    }
    EXPECT_EQ(twice.at(498, 160), "255,255,191");
    EXPECT_EQ(twice.at(502, 160), kBlack);  // the focus mark, six device pixels in
    EXPECT_EQ(twice.at(504, 160), kYellow);
    EXPECT_EQ(twice.at(545, 199), kBlack);
    EXPECT_EQ(twice.texts, std::vector<std::string>{"Z in 496,150 50x50 at 36px"});
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

}  // namespace
