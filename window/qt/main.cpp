#include <QApplication>
#include <QTimer>

#include "QtForm1.h"
#include "QtHost.h"

int main(int /*argc*/, char** argv) {
    // The game has no command line: Qt is given none of its own options either.
    int noArguments = 1;
    QApplication application(noArguments, argv);
    QtHost host;
    ClockRandom random;
    QtForm1 window(host, random);
    // Inside the event loop, so that a failure at the first load can end the program.
    QTimer::singleShot(0, &window, &QtForm1::start);
    return QApplication::exec();
}
