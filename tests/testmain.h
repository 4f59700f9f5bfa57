#pragma once

// Widget tests run inside the launcher's own application object, so handler
// errors reach its error report as they do in the program.

#include "app/tapplication.h"

#include <QTest>

#define KORINVIEW_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char *argv[])                                                                   \
    {                                                                                                  \
        TApplication::prepareWebEngine();                                                              \
        TApplication application(argc, argv);                                                          \
        TestClass test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                        \
    }
