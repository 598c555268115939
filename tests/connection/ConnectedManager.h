#pragma once

// A connection manager connected to the test game server on loopback, logged in as
// "alice" when asked to.

#include "connection/ConnectionManager.h"
#include "protocol/TestServer.h"

#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTest>

#include <memory>

class ConnectedManager
{
public:
    // Starts the server with a scenario of tools/testserver/scenarios and connects.
    bool start(const QString &scenario, bool tls = false)
    {
        if (!server.start(TestServer::scenario(scenario), tls))
            return false;
        if (tls)
            QSslConfiguration::setDefaultConfiguration(TestServer::trustingTestCa());
        manager = std::make_unique<ConnectionManager>(tls);
        QSignalSpy versions(manager.get(), &ConnectionManager::versionCheckComplete);
        manager->connectTo(QStringLiteral("127.0.0.1"), server.gamePort());
        return versions.wait(10000) && versions.count() == 1;
    }

    bool login()
    {
        QSignalSpy success(manager.get(), &ConnectionManager::loginSuccess);
        manager->login(QStringLiteral("alice"), QStringLiteral("secret"));
        return success.wait(5000);
    }

    // True when the server received the packet; its JSON form must contain the text.
    bool received(const QString &packet, const QString &fields = QString(), int msecs = 5000)
    {
        const QString text = QStringLiteral("RECV ") + packet + QLatin1Char(' ') + fields;
        if (server.waitForOutput(text, msecs))
            return true;
        qWarning().noquote() << "the test server did not log" << text << "; it logged:\n" << server.output();
        return false;
    }

    int receivedCount(const QString &packet)
    {
        return server.output().count(QStringLiteral("RECV ") + packet + QLatin1Char(' '));
    }

    TestServer server;
    std::unique_ptr<ConnectionManager> manager;
};
