#ifndef TESTMAIN_H
#define TESTMAIN_H

#include "aapplication.h"
#include "testenv.h"

#include <QApplication>
#include <QTest>

// Like QTEST_MAIN, but isolated from the user's settings and data first,
// with the C library's numbers as the application object leaves them.
#define PENSARIO_TEST_MAIN(TestObject)                                  \
    int main(int argc, char* argv[])                                    \
    {                                                                   \
        TestEnv::initProcess();                                         \
        QApplication app(argc, argv);                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                        \
        AApplication::useCNumericLocale();                              \
        TestObject tc;                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                      \
        return QTest::qExec(&tc, argc, argv);                           \
    }

#endif // TESTMAIN_H
