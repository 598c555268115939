#pragma once

#include <QDeadlineTimer>
#include <QTest>

// The checks that wait for a state (QTRY_*) wait as long as their timeout says and no
// longer, whatever their expression costs. QtTest's own count their steps rather than the
// time, so that an expression that takes time itself (a window grabbed, a server asked,
// a wait inside) stretches a 15 s timeout to minutes; and once the time is up they wait
// twice as long again only to tell whether a longer timeout would have passed. A failed
// check then held its function, and every function after it, far beyond the test's time
// limit, where it should fail its function at once and let the others run.
#if defined(QTRY_LOOP_IMPL) && defined(QTRY_TIMEOUT_DEBUG_IMPL)
#undef QTRY_LOOP_IMPL
#define QTRY_LOOP_IMPL(expr, timeoutValue, step)                                                  \
    if (!(expr)) {                                                                                \
        QTest::qWait(0);                                                                          \
    }                                                                                             \
    for (const QDeadlineTimer qt_test_deadline(timeoutValue);                                     \
         !qt_test_deadline.hasExpired() && !(QTest::runningTest() && QTest::currentTestFailed())  \
         && !(expr);) {                                                                           \
        QTest::qWait(step);                                                                       \
    }
#undef QTRY_TIMEOUT_DEBUG_IMPL
#define QTRY_TIMEOUT_DEBUG_IMPL(expr, timeoutValue, step)
#endif
