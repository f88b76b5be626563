#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "ChosenRandom.h"
#include "QtForm1.h"
#include "TempFolder.h"

// A game played in a folder of its own, where the default word file is C:/scaffle.scf.
class GameFixture {
public:
    GameFixture() { QDir::setCurrent(QString::fromStdString(folder.path().string())); }
    ~GameFixture() { QDir::setCurrent(QDir::tempPath()); }

    void writeDefault(std::string_view text) { folder.write("C:/scaffle.scf", text); }

    void start() {
        window = std::make_unique<QtForm1>(random);
        window->start();
    }

    QtForm1& form() const { return *window; }
    const WindowState& shown() const { return window->form().window(); }

    void click(char letter) const {
        QTest::mouseClick(form().letter(letter - 'A'), Qt::LeftButton);
    }

    // The box up over the window, closed with its OK as the player closes it; its title.
    QString closeBox() const {
        auto* box = form().findChild<QMessageBox*>();
        if (box == nullptr) {
            return {};
        }
        const QString title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
        return title;
    }

    QString labelText(const char* name) const { return form().findChild<QLabel*>(name)->text(); }

    int visibleLetters() const {
        int visible = 0;
        for (int index = 0; index < 26; ++index) {
            visible += form().letter(index)->isVisible();
        }
        return visible;
    }

    TempFolder folder;
    ChosenRandom random;
    std::unique_ptr<QtForm1> window;
};
