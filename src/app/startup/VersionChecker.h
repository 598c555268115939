#pragma once

#include <QString>
#include <QUrl>
#include <QVersionNumber>

#include <optional>

// The client-versions document ("https://{host}/client/{sku}/client_versions.xml"):
// the released clients, each with its version and download address.
struct ClientVersion
{
    QVersionNumber version;
    QUrl url;
};

namespace VersionChecker {

// The newest client of the document; null with the reason in error when the
// document is not well formed, follows another format or lists no client.
std::optional<ClientVersion> newestClient(const QByteArray &document, QString *error);

// Whether the document's newest client is newer than the running one.
bool isNewer(const ClientVersion &newest, const QString &runningVersion);

} // namespace VersionChecker
