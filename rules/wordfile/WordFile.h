#pragma once

#include <memory>
#include <optional>
#include <string>

#include "InputError.h"
#include "WordList.h"

// A word file as the player chose it: a path, read afresh at every round start, or the bytes of
// a file the host has read already (a browser has no paths), each under the name the player
// knows it by.
class WordFile {
public:
    WordFile() = default;
    static WordFile atPath(std::string path);
    static WordFile ofBytes(std::string name, std::string bytes);
    // A file the host could not read, refused as a path would be.
    static WordFile refused(std::string name, InputError why);

    // The path as it was given, or the name that came with the bytes.
    const std::string& name() const { return name_; }

    // Reads, decodes and checks the file. Throws WordFileError, naming the file.
    WordList read() const;

private:
    std::string name_;
    // Shared, so that the state keeps a chosen file's bytes for its next rounds without copies.
    std::shared_ptr<const std::string> bytes_;
    std::optional<InputError> refusal_;
};
