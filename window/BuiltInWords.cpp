#include "BuiltInWords.h"

#include <QFile>

WordList builtInWords() {
    QFile file(":/scaffle.scf");
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("the built-in word list is missing from the game");
    }
    return WordList::fromBytes(file.readAll().toStdString(), "the built-in word list");
}
