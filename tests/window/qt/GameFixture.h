#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "ChosenRandom.h"
#include "FakeHost.h"
#include "Gallows.h"
#include "QtForm1.h"
#include "TempFolder.h"

// A game played in a folder of its own, where the default word file is C:/scaffle.scf.
class GameFixture {
public:
    GameFixture() { QDir::setCurrent(QString::fromStdString(folder.path().string())); }
    ~GameFixture() { QDir::setCurrent(QDir::tempPath()); }

    void writeDefault(std::string_view text) { folder.write("C:/scaffle.scf", text); }

    void start() {
        window = std::make_unique<QtForm1>(host, random);
        window->start();
    }

    QtForm1& form() const { return *window; }
    const GameState& state() const { return window->state(); }

    void click(char letter) const {
        QTest::mouseClick(form().letter(letter - 'A'), Qt::LeftButton);
    }

    QString labelText(const char* name) const { return form().findChild<QLabel*>(name)->text(); }

    std::vector<int> shownPieces() const {
        std::vector<int> shown;
        for (int piece = 1; piece <= 12; ++piece) {
            if (form().hang().isShown(piece)) {
                shown.push_back(piece);
            }
        }
        return shown;
    }

    int visibleLetters() const {
        int visible = 0;
        for (int index = 0; index < 26; ++index) {
            visible += form().letter(index)->isVisible();
        }
        return visible;
    }

    TempFolder folder;
    FakeHost host;
    ChosenRandom random;
    std::unique_ptr<QtForm1> window;
};
