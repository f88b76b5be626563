#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "Form1.h"

class Board;
class QAbstractButton;
class QFileDialog;
class QMessageBox;

// The game's window in Qt: the board and the File menu. Every native event becomes one of
// Form1's, and the window then shows Form1's state: a front end that decides nothing.
class QtForm1 final : public QMainWindow {
public:
    explicit QtForm1(Random& random);

    // Loads the window and shows it, as at the program's start.
    void start();
    // Hands the game one of its inputs, then shows what it changed.
    void input(const std::function<void(Form1&)>& event);

    const Form1& form() const { return form_; }
    QAbstractButton* letter(int letterIndex) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void showState();
    void tell(const QString& news);
    // Takes the last news off the control that carried it.
    void forget();

    Form1 form_;
    Board* board_;
    WindowState shown_;
    bool showing_ = false;
    QPointer<QMessageBox> box_;
    QPointer<QFileDialog> chooser_;
    QPointer<QWidget> toldBy_;
};
