#include "Drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>

namespace drawing {

namespace {

constexpr design::Rgb kInk{0, 0, 0};
// A key's edges, lit from the top left, outer then inner.
constexpr design::Rgb kLit{255, 255, 255};
constexpr design::Rgb kLitInner{255, 255, 191};
constexpr design::Rgb kShade{0, 0, 0};
constexpr design::Rgb kShadeInner{153, 153, 0};

struct Span {
    double from;
    double to;
};

Span hull(std::optional<Span> a, Span b) {
    return a ? Span{std::min(a->from, b.from), std::max(a->to, b.to)} : b;
}

// The x where low <= slope * x + offset <= high.
std::optional<Span> between(double low, double slope, double offset, double high) {
    if (slope == 0) {
        return low <= offset && offset <= high ? std::optional<Span>({-HUGE_VAL, HUGE_VAL})
                                               : std::nullopt;
    }
    const double first = (low - offset) / slope;
    const double second = (high - offset) / slope;
    return Span{std::min(first, second), std::max(first, second)};
}

std::optional<Span> overlap(std::optional<Span> a, std::optional<Span> b) {
    if (!a || !b || std::max(a->from, b->from) > std::min(a->to, b->to)) {
        return std::nullopt;
    }
    return Span{std::max(a->from, b->from), std::min(a->to, b->to)};
}

// A line with round ends: every point within radius of the segment from a to b.
class RoundLine {
public:
    RoundLine(double ax, double ay, double bx, double by, double radius)
        : ax_(ax),
          ay_(ay),
          bx_(bx),
          by_(by),
          radius_(radius),
          dx_(bx - ax),
          dy_(by - ay),
          length_(std::hypot(dx_, dy_)) {}

    double top() const { return std::min(ay_, by_) - radius_; }
    double bottom() const { return std::max(ay_, by_) + radius_; }

    // Where the row of centres at y crosses it; the shape is convex, so that is one span.
    std::optional<Span> across(double y) const {
        std::optional<Span> span;
        for (const auto& [x, cy] : {std::pair{ax_, ay_}, std::pair{bx_, by_}}) {
            const double rise = y - cy;
            if (std::abs(rise) <= radius_) {
                const double half = std::sqrt(radius_ * radius_ - rise * rise);
                span = hull(span, {x - half, x + half});
            }
        }
        // Within radius of the line through a and b, and between the ends.
        const double reach = radius_ * length_;
        const std::optional<Span> body =
            overlap(between(-reach, dy_, -dy_ * ax_ - (y - ay_) * dx_, reach),
                    between(0, dx_, -dx_ * ax_ + (y - ay_) * dy_, length_ * length_));
        return body ? hull(span, *body) : span;
    }

private:
    double ax_, ay_, bx_, by_, radius_;
    double dx_, dy_, length_;
};

// Fills the pixels whose centres the line covers, rows of the same span as one rectangle.
// The line's rows that lie within rows.
void fillRoundLine(Canvas& canvas, const RoundLine& line, design::Rgb colour,
                   const PixelRect& rows) {
    const int top = std::max(static_cast<int>(std::floor(line.top())), rows.top);
    const int bottom = std::min(static_cast<int>(std::ceil(line.bottom())), rows.bottom() - 1);
    std::optional<PixelRect> pending;
    for (int row = top; row <= bottom; ++row) {
        std::optional<PixelRect> here;
        if (const std::optional<Span> span = line.across(row + 0.5)) {
            const int left = static_cast<int>(std::ceil(span->from - 0.5));
            const int right = static_cast<int>(std::ceil(span->to - 0.5));
            if (right > left) {
                here = PixelRect{left, row, right - left, 1};
            }
        }
        if (pending && here && here->left == pending->left && here->width == pending->width) {
            ++pending->height;
            continue;
        }
        if (pending) {
            canvas.fill(*pending, colour);
        }
        pending = here;
    }
    if (pending) {
        canvas.fill(*pending, colour);
    }
}

PixelRect inset(const PixelRect& box, int by) {
    return {box.left + by, box.top + by, box.width - 2 * by, box.height - 2 * by};
}

// One ring of edge pixels: the top and left in one colour, then the bottom and right.
void drawEdge(Canvas& canvas, const PixelRect& box, int edge, design::Rgb topLeft,
              design::Rgb bottomRight) {
    canvas.fill({box.left, box.top, box.width, edge}, topLeft);
    canvas.fill({box.left, box.top, edge, box.height}, topLeft);
    canvas.fill({box.left, box.bottom() - edge, box.width, edge}, bottomRight);
    canvas.fill({box.right() - edge, box.top, edge, box.height}, bottomRight);
}

bool meets(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// The shown pieces in their order, each with its colour and its pen at the scale, round at
// both ends, filled a row of pixels at a time: a pixel is the piece's when its centre is.
// Only the rows that meet dirty.
void drawGallows(Canvas& canvas, const Scale& scale, const PiecesShown& shown,
                 const PixelRect& dirty) {
    for (std::size_t i = 0; i < design::kHang.size(); ++i) {
        if (shown.test(i)) {
            const design::Piece& piece = design::kHang[i];
            fillRoundLine(canvas,
                          RoundLine(scale.exactly(piece.start.x), scale.exactly(piece.start.y),
                                    scale.exactly(piece.end.x), scale.exactly(piece.end.y),
                                    piece.penWidth * scale.factor() / 2),
                          piece.colour, dirty);
        }
    }
}

struct KeyLook {
    bool pressed;
    bool focused;
};

// A letter key filling box: the yellow face, raised edges lit from the top left that swap while
// the key is pressed, a black focus mark inside the edges while it has the focus, and the
// letter in black, sunk by an edge while pressed.
void drawKey(Canvas& canvas, const Scale& scale, const PixelRect& box, char letter, KeyLook look) {
    const int edge = scale.edge();
    canvas.fill(box, design::kLetterFace);
    const PixelRect inner = inset(box, edge);
    if (look.pressed) {
        drawEdge(canvas, box, edge, kShade, kLit);
        drawEdge(canvas, inner, edge, kShadeInner, kLitInner);
    } else {
        drawEdge(canvas, box, edge, kLit, kShade);
        drawEdge(canvas, inner, edge, kLitInner, kShadeInner);
    }
    if (look.focused) {
        drawEdge(canvas, inset(box, 3 * edge), edge, kInk, kInk);
    }
    const int sink = look.pressed ? edge : 0;
    canvas.text({box.left + sink, box.top + sink, box.width, box.height},
                std::string_view(&letter, 1), design::kLetterFont,
                scale.fontPixels(design::kLetterFont.points), kInk);
}

}  // namespace

PiecesShown designPieces() {
    PiecesShown shown;
    for (std::size_t piece = kMissesPerRound; piece < shown.size(); ++piece) {
        shown.set(piece);
    }
    return shown;
}

PixelRect clientBox(const Scale& scale) {
    return scale.rect({0, 0, design::kClientWidth, design::kClientHeight});
}

PixelRect letterBox(const Scale& scale, int letterIndex) {
    const design::Point place = design::kLetterPlaces[static_cast<std::size_t>(letterIndex)];
    return scale.rect({place.x, place.y, design::kLetter0.width, design::kLetter0.height});
}

PixelRect label1Box(const Scale& scale) {
    return scale.rect(design::kLabel1);
}

PixelRect winTotalBox(const Scale& scale) {
    return scale.rect(design::kWinTotal);
}

PixelRect gallowsBounds(const Scale& scale) {
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
    for (const design::Piece& piece : design::kHang) {
        const double radius = piece.penWidth * scale.factor() / 2;
        for (const design::Point point : {piece.start, piece.end}) {
            left = std::min(left, scale.exactly(point.x) - radius);
            right = std::max(right, scale.exactly(point.x) + radius);
            top = std::min(top, scale.exactly(point.y) - radius);
            bottom = std::max(bottom, scale.exactly(point.y) + radius);
        }
    }
    const auto from = [](double edge) { return static_cast<int>(std::floor(edge)); };
    const auto to = [](double edge) { return static_cast<int>(std::ceil(edge)); };
    return {from(left), from(top), to(right) - from(left), to(bottom) - from(top)};
}

void drawBoard(Canvas& canvas, const Scale& scale, const WindowState& window,
               const PixelRect& dirty) {
    canvas.fill(dirty, design::kBackground);
    if (meets(gallowsBounds(scale), dirty)) {
        drawGallows(canvas, scale, window.pieces, dirty);
    }
    for (int index = 0; index < kLetterCount; ++index) {
        const PixelRect box = letterBox(scale, index);
        if (window.lettersShown.test(static_cast<std::size_t>(index)) && meets(box, dirty)) {
            drawKey(canvas, scale, box, static_cast<char>('A' + index),
                    {index == window.pressed, index == window.focusShown()});
        }
    }
    const PixelRect label1 = label1Box(scale);
    if (meets(label1, dirty)) {
        canvas.fill(label1, design::kLabel1Background);
        canvas.text(label1, window.maskedWord, design::kLabel1Font,
                    static_cast<int>(window.maskedWordPixels * scale.factor() + 0.5), kInk);
    }
    const PixelRect winTotal = winTotalBox(scale);
    if (meets(winTotal, dirty)) {
        canvas.text(winTotal, window.winsText, design::kWinTotalFont,
                    scale.fontPixels(design::kWinTotalFont.points), kInk);
    }
}

std::vector<PixelRect> changedBoxes(const Scale& scale, const WindowState& shown,
                                    const WindowState& now) {
    std::vector<PixelRect> boxes;
    if (shown.pieces != now.pieces) {
        boxes.push_back(gallowsBounds(scale));
    }
    const auto look = [](const WindowState& window, int index) {
        return std::tuple(window.lettersShown.test(static_cast<std::size_t>(index)),
                          index == window.pressed, index == window.focusShown());
    };
    for (int index = 0; index < kLetterCount; ++index) {
        if (look(shown, index) != look(now, index)) {
            boxes.push_back(letterBox(scale, index));
        }
    }
    if (shown.maskedWord != now.maskedWord || shown.maskedWordPixels != now.maskedWordPixels) {
        boxes.push_back(label1Box(scale));
    }
    if (shown.winsText != now.winsText) {
        boxes.push_back(winTotalBox(scale));
    }
    return boxes;
}

int label1FontPixels(const std::function<int(int pixels)>& widthAt) {
    const Scale design(1);
    const PixelRect box = label1Box(design);
    const int designed = design.fontPixels(design::kLabel1Font.points);
    const int smallest = (designed + 1) / 2;
    const int width = widthAt(designed);
    if (width <= box.width) {
        return designed;
    }
    // Widths grow about as the size does: start there, and step down while it does not fit.
    int pixels = std::max(smallest, designed * box.width / width);
    while (pixels > smallest && widthAt(pixels) > box.width) {
        --pixels;
    }
    return pixels;
}

}  // namespace drawing
