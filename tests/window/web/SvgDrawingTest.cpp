#include "SvgDrawing.h"

#include <gtest/gtest.h>

namespace {

constexpr design::Rgb kRed{255, 0, 0};
constexpr design::Rgb kBlue{0, 0, 255};

// Fills join an earlier path of their colour only where nothing painted since lies over them.
TEST(SvgDrawing, JoinsAPathOfItsColourUnlessThatWouldPutItUnderLaterPaint) {
    SvgDrawing drawing;
    drawing.fill({0, 0, 10, 10}, kRed);
    drawing.fill({0, 0, 5, 5}, kBlue);
    drawing.fill({20, 0, 10, 10}, kRed);  // clear of the blue: under it changes nothing
    drawing.fill({2, 2, 5, 5}, kRed);     // over the blue: must be painted after it
    EXPECT_EQ(drawing.markup(),
              "<path fill=\"rgb(255,0,0)\" d=\"M0 0h10v10h-10zM20 0h10v10h-10z\"/>"
              "<path fill=\"rgb(0,0,255)\" d=\"M0 0h5v5h-5z\"/>"
              "<path fill=\"rgb(255,0,0)\" d=\"M2 2h5v5h-5z\"/>");
}

}  // namespace
