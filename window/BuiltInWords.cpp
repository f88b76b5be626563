#include "BuiltInWords.h"

#include <QFile>

#include "WordFileError.h"

WordList builtInWords() {
    QFile file(":/scaffle.scf");
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("the built-in word list is missing from the game");
    }
    try {
        return WordList::fromBytes(file.readAll().toStdString(), ":/scaffle.scf");
    } catch (const WordFileError& error) {
        // No file of the player's: the path would only mislead.
        throw std::runtime_error("the built-in word list cannot be used: " + error.reason());
    }
}
