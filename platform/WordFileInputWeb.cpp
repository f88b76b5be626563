#include "InputError.h"
#include "WordFileInput.h"

// A page has no files of its own: every word file it plays is one the player chose, handed to
// it as bytes. So no path names a file, the default word file's included.
std::string readWordFileBytes(const std::string& /*path*/,
                              const std::function<void(std::string_view)>& /*arrived*/) {
    throw InputError(InputRefusal::DoesNotExist);
}

// Nor has it folders: a name is shown as the player chose it.
std::string shownWordFilePath(const std::string& path) {
    return path;
}
