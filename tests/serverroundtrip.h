#pragma once

#include "connection/ConnectionManager.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

// Whether the server answers a question asked now within `msecs`. It answers in the
// order it was asked, and the client handles its messages in the order they come: once
// this answer is in, every request the client sent before it has been answered and
// dealt with.
inline bool serverRoundTrip(ConnectionManager &connection, int msecs = 15000)
{
    QSignalSpy times(&connection, &ConnectionManager::serverTime);
    const qint32 request = connection.query_server_time();
    return request != -1 && QTest::qWaitFor([&] {
        return std::any_of(times.begin(), times.end(),
                           [request](const QList<QVariant> &answer) { return answer.at(0).toInt() == request; });
    }, msecs);
}
