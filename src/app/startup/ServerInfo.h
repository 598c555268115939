#pragma once

#include <QMap>
#include <QString>
#include <QUrl>

#include <optional>

// The server-info document ("https://{host}/client/server_info.xml"): a
// downtime notice, the version-check URL with its parameters and the game
// server's address. Every element is optional.
struct ServerInfo
{
    static const QString defaultVersionCheckUrl;
    static const QString defaultSku;

    bool downtime = false;
    QString downtimeMessage;
    QString gameHost;
    quint16 gamePort = 0;
    QString versionCheckUrl = defaultVersionCheckUrl;
    QMap<QString, QString> versionCheckParameters;

    // Null, with the reason in error, for a document that is not well formed or
    // does not follow the format.
    static std::optional<ServerInfo> parse(const QByteArray &document, QString *error);

    // The URL of the document on a host ("host" or "host:port").
    static QUrl documentUrl(const QString &host, bool ssl);

    // The version-check URL with "{host}", "{sku}" and the parameters filled in.
    QUrl versionCheckTarget(const QString &host) const;
};
