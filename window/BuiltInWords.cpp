#include "BuiltInWords.h"

#include <QFile>

#include "WordFileInput.h"

WordList builtInWords() {
    QFile file(":/scaffle.scf");
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("the built-in word list is missing from the game");
    }
    return WordList::fromText(wordFileText(file.readAll().toStdString()), "the built-in word list");
}
