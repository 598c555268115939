#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "timedtries.h"

// Like QTEST_MAIN, but every test runs in QStandardPaths' test mode so that no
// test reads or writes the user's real settings, caches or logs.
#define MAHJONG_TEST_MAIN(TestObject)                         \
    int main(int argc, char *argv[])                          \
    {                                                         \
        QStandardPaths::setTestModeEnabled(true);             \
        QApplication app(argc, argv);                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);              \
        TestObject tc;                                        \
        QTEST_SET_MAIN_SOURCE_PATH                            \
        return QTest::qExec(&tc, argc, argv);                 \
    }
