#include "BuiltInWords.h"

WordList builtInWords() {
    return WordList::fromBytes(std::string(builtInWordFile()));
}
