#include <QApplication>
#include <QTimer>

#include "QtForm1.h"

int main(int /*argc*/, char** argv) {
    // The game has no command line: Qt is given none of its own options either.
    int noArguments = 1;
    QApplication application(noArguments, argv);
    ClockRandom random;
    QtForm1 window(random);
    // Inside the event loop, so that an end at the first load ends the program.
    QTimer::singleShot(0, &window, &QtForm1::start);
    return QApplication::exec();
}
