#include "BuiltInWords.h"

WordList builtInWords() {
    return WordFile::ofBytes("the built-in list", std::string(builtInWordFile())).read();
}
