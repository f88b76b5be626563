#include "Encoding.h"

#include <algorithm>

#include "Utf16.h"
#include "Utf8.h"

namespace {

constexpr char kEndOfFileMark = '\x1A';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

void endAtEndOfFileMark(std::string& text) {
    text.resize(std::min(text.find(kEndOfFileMark), text.size()));
}

std::string decoded(std::string bytes) {
    const std::string_view view(bytes);
    std::string text;
    if (view.starts_with(kUtf16LittleEndianMark) || view.starts_with(kUtf16BigEndianMark)) {
        const ByteOrder order =
            view.starts_with(kUtf16BigEndianMark) ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
        text = utf16ToUtf8(view.substr(kUtf16LittleEndianMark.size()), order);
        endAtEndOfFileMark(text);
        return text;
    }
    // Whatever follows the mark is no part of the text, and must not decide how it is read.
    endAtEndOfFileMark(bytes);
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.erase(0, kUtf8Mark.size());
    }
    return isValidUtf8(bytes) ? std::move(bytes) : latin1ToUtf8(bytes);
}

}  // namespace

std::optional<std::string> wordFileText(std::string bytes) {
    std::string text = decoded(std::move(bytes));
    if (text.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return text;
}

bool isOwnText(std::string_view ascii) {
    constexpr char kMarks[] = {'\0', kEndOfFileMark};
    return ascii.find_first_of(std::string_view(kMarks, sizeof kMarks)) == std::string_view::npos;
}
