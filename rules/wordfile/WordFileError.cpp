#include "WordFileError.h"

WordFileError::WordFileError(std::string name, const std::string& shownName,
                             const std::string& reason, bool missing)
    : std::runtime_error("The word file " + shownName + " cannot be used: " + reason + "."),
      name_(std::move(name)),
      missing_(missing) {}
