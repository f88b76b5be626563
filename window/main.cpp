#include <QApplication>
#include <QTimer>

#include "Game.h"
#include "QtHost.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtHost host;
    ClockRandom random;
    Game game(host, random);
    // Inside the event loop, so that a failure at the first load can end the program.
    QTimer::singleShot(0, &game, &Game::start);
    return QApplication::exec();
}
