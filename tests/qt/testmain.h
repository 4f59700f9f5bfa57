#pragma once

// Widget tests run inside the launcher's own application object, so handler
// errors reach its error report as they do in the program.

#include "qt/tapplication.h"

#include <QTest>

#define KORINVIEW_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char *argv[])                                                                   \
    {                                                                                                  \
        TApplication::prepareWebEngine();                                                              \
        TApplication application(argc, argv);                                                          \
        TestClass test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                        \
    }

// The same on a screen of the given density, without the toolkit's own
// scaling, so the window is laid out as on such a screen.
#define KORINVIEW_TEST_MAIN_AT_DPI(TestClass, dpi)                                                     \
    int main(int argc, char *argv[])                                                                   \
    {                                                                                                  \
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");                                                     \
        qputenv("QT_FONT_DPI", #dpi);                                                                  \
        TApplication::prepareWebEngine();                                                              \
        TApplication application(argc, argv);                                                          \
        TestClass test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                        \
    }
