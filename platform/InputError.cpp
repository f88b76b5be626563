#include "InputError.h"

#include "WordFileInput.h"

namespace {

std::string reasonText(InputRefusal refusal) {
    switch (refusal) {
        case InputRefusal::DoesNotExist:
            return "it does not exist";
        case InputRefusal::IsAFolder:
            return "it is a folder, not a file";
        case InputRefusal::NotARegularFile:
            return "it is not a regular file";
        case InputRefusal::TooLarge:
            return "it is larger than " + std::to_string(kLargestWordFile >> 20) + " MiB";
        case InputRefusal::CannotOpen:
            return "it cannot be opened";
        case InputRefusal::CannotExamine:
            return "it cannot be examined";
        case InputRefusal::CannotRead:
            return "it cannot be read";
    }
    return "it cannot be used";
}

}  // namespace

InputError::InputError(InputRefusal refusal, const std::string& systemWords)
    : std::runtime_error(reasonText(refusal) + (systemWords.empty() ? "" : ": " + systemWords)),
      refusal_(refusal) {}
