#include "Encoding.h"

#include "Lanes.h"
#include "Utf16.h"
#include "Utf8.h"

namespace {

constexpr char kEndOfFileMark = '\x1A';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// Where the first NUL or end-of-file mark stands; the size when there is none.
CLONED_FOR_AVX2 std::size_t findMark(std::string_view text) {
    constexpr std::size_t kStride = 8 * kLanes;
    std::size_t i = 0;
    for (; i + kStride <= text.size(); i += kStride) {
        Lanes marks{};
        for (std::size_t k = 0; k < kStride; k += kLanes) {
            Lanes c;
            load(c, text.data() + i + k);
            marks |= Lanes(c == 0) | Lanes(c == static_cast<unsigned char>(kEndOfFileMark));
        }
        if (anyLane(marks)) {
            break;
        }
    }
    while (i < text.size() && text[i] != '\0' && text[i] != kEndOfFileMark) {
        ++i;
    }
    return i;
}

// Ends the text at its end-of-file mark; false when a NUL comes before it.
bool endAtEndOfFileMark(std::string& text) {
    const std::size_t mark = findMark(text);
    if (mark < text.size() && text[mark] == '\0') {
        return false;
    }
    text.resize(mark);
    return true;
}

}  // namespace

std::optional<std::string> wordFileText(std::string bytes) {
    const std::string_view view(bytes);
    if (view.starts_with(kUtf16LittleEndianMark) || view.starts_with(kUtf16BigEndianMark)) {
        const ByteOrder order =
            view.starts_with(kUtf16BigEndianMark) ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
        std::string text = utf16ToUtf8(view.substr(kUtf16LittleEndianMark.size()), order);
        return endAtEndOfFileMark(text) ? std::optional(std::move(text)) : std::nullopt;
    }
    // Whatever follows the mark is no part of the text, and must not decide how it is read.
    if (!endAtEndOfFileMark(bytes)) {
        return std::nullopt;
    }
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.erase(0, kUtf8Mark.size());
    }
    return isValidUtf8(bytes) ? std::move(bytes) : windows1252ToUtf8(bytes);
}

bool isOwnText(std::string_view ascii) {
    return findMark(ascii) == ascii.size();
}
