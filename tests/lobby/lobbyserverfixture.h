#pragma once

#include "protocol/TestServer.h"

#include "app/startup/TranslationsManager.h"
#include "connection/ConnectionManager.h"
#include "lobby/LobbyController.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableModel.h"

#include <QSignalSpy>

#include <memory>

// A lobby on the test game server: the connection, the lobby controller with its table
// list and the localized table names, wired as the main window wires them.
struct ServerLobby
{
    TestServer server;
    ConnectionManager connection{false};
    TranslationsManager translations;
    std::unique_ptr<LobbyController> controller;
    std::unique_ptr<LocalizationDb> names;

    // Starts the server with a scenario of tests/lobby and connects; false when either fails.
    bool start(const QString &scenario)
    {
        if (!server.start(TestServer::sourceDir() + QStringLiteral("/tests/lobby/") + scenario, false))
            return false;
        QSignalSpy ready(&connection, &ConnectionManager::versionCheckComplete);
        connection.connectTo(QStringLiteral("127.0.0.1"), server.gamePort());
        if (!ready.wait(5000))
            return false;
        translations.setLanguage(QStringLiteral("en"));
        controller = std::make_unique<LobbyController>(&connection, nullptr);
        names = std::make_unique<LocalizationDb>(&connection, &translations, nullptr);
        names->setTableModel(&model());
        model().setLocalizationDb(names.get());
        names->refreshTableNames();
        return true;
    }

    TableModel &model() { return *controller->tableModel(); }
};
