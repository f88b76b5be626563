#include <QApplication>
#include <QtTest>

#include "FormDesignTest.h"
#include "FormEventsTest.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FormDesignTest design;
    FormEventsTest events;
    return QTest::qExec(&design, argc, argv) | QTest::qExec(&events, argc, argv);
}
