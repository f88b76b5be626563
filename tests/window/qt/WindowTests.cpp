#include <QApplication>
#include <QtTest>

#include "FormDesignTest.h"
#include "FormEventsTest.h"
#include "QtCanvasTest.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FormDesignTest design;
    FormEventsTest events;
    QtCanvasTest canvas;
    return QTest::qExec(&design, argc, argv) | QTest::qExec(&events, argc, argv) |
           QTest::qExec(&canvas, argc, argv);
}
