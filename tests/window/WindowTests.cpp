#include <QApplication>
#include <QtTest>

#include "FormDesignTest.h"
#include "FormEventsTest.h"
#include "HostileFilesTest.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FormDesignTest design;
    FormEventsTest events;
    HostileFilesTest hostileFiles;
    return QTest::qExec(&design, argc, argv) | QTest::qExec(&events, argc, argv) |
           QTest::qExec(&hostileFiles, argc, argv);
}
