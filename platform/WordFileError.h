#pragma once

#include <stdexcept>
#include <string>

// A word file that cannot give a round: which file, and why, in words a player can read.
// The reason given for a path where there is no file at all.
inline constexpr const char* kDoesNotExist = "it does not exist";

class WordFileError : public std::runtime_error {
public:
    WordFileError(std::string path, std::string reason)
        : std::runtime_error("The word file " + path + " cannot be used: " + reason + "."),
          path_(std::move(path)),
          reason_(std::move(reason)) {}

    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};
