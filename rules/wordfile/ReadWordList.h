#pragma once

#include <string>

#include "WordList.h"

// Reads, decodes and checks the word file at path. Throws WordFileError, naming the file.
WordList readWordList(const std::string& path);
