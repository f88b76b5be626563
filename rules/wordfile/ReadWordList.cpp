#include "ReadWordList.h"

#include "FormatError.h"
#include "InputError.h"
#include "WordFileError.h"
#include "WordFileInput.h"

WordList readWordList(const std::string& path) {
    try {
        PlainWords plain;
        std::string bytes = readWordFileBytes(
            path, [&plain](std::string_view soFar) { plain.countArrived(soFar); });
        return WordList::fromBytes(std::move(bytes), std::move(plain));
    } catch (const InputError& error) {
        throw WordFileError(path, error.what(), error.refusal() == InputRefusal::DoesNotExist);
    } catch (const FormatError& error) {
        throw WordFileError(path, error.what(), false);
    }
}
