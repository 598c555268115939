#pragma once

// The test game server's whole-run scenario with the chat server's port filled in.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

inline QJsonObject clientRunScenario(quint16 xmppPort)
{
    QFile shipped(qEnvironmentVariable("MAHJONG_SOURCE_DIR")
                  + QStringLiteral("/tools/testserver/scenarios/client-run.json"));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QJsonObject scenario = QJsonDocument::fromJson(shipped.readAll()).object();
    QJsonArray requests = scenario.value(QStringLiteral("requests")).toArray();
    for (int i = 0; i < requests.size(); ++i) {
        QJsonObject rule = requests[i].toObject();
        if (rule.value(QStringLiteral("packet")).toString() != QLatin1String("query_client_config_t"))
            continue;
        QJsonArray reply = rule.value(QStringLiteral("reply")).toArray();
        QJsonObject packet = reply[0].toObject();
        QJsonObject fields = packet.value(QStringLiteral("fields")).toObject();
        fields.insert(QStringLiteral("xmpp_server"), QStringLiteral("localhost:%1").arg(xmppPort));
        packet.insert(QStringLiteral("fields"), fields);
        reply[0] = packet;
        rule.insert(QStringLiteral("reply"), reply);
        requests[i] = rule;
    }
    scenario.insert(QStringLiteral("requests"), requests);
    return scenario;
}
