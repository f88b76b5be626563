#pragma once

#include <stdexcept>
#include <string>

// A word file that cannot give a round: which file, and why, in words a player can act on.
class WordFileError : public std::runtime_error {
public:
    // missing: the file is not there at all, which a fresh install may mean.
    WordFileError(std::string path, const std::string& reason, bool missing);

    // As it was given.
    const std::string& path() const { return path_; }
    bool missing() const { return missing_; }

private:
    std::string path_;
    bool missing_;
};
