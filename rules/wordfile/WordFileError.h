#pragma once

#include <stdexcept>
#include <string>

// A word file that cannot give a round: which file, and why, in words a player can act on.
class WordFileError : public std::runtime_error {
public:
    // shownName: the file as the player knows it. missing: the file is not there at all, which
    // a fresh install may mean.
    WordFileError(std::string name, const std::string& shownName, const std::string& reason,
                  bool missing);

    // As it was given.
    const std::string& name() const { return name_; }
    bool missing() const { return missing_; }

private:
    std::string name_;
    bool missing_;
};
