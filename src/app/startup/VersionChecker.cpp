#include "app/startup/VersionChecker.h"

#include <QXmlStreamReader>

std::optional<ClientVersion> VersionChecker::newestClient(const QByteArray &document, QString *error)
{
    QXmlStreamReader reader(document);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("clientversions")) {
        *error = reader.hasError() ? reader.errorString()
                                   : QStringLiteral("the root element is not <clientversions>");
        return std::nullopt;
    }

    std::optional<ClientVersion> newest;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("client")) {
            reader.skipCurrentElement();
            continue;
        }
        const QString versionText = reader.attributes().value(QLatin1String("version")).toString();
        const QUrl url(reader.attributes().value(QLatin1String("url")).toString(), QUrl::StrictMode);
        qsizetype suffix = 0;
        const QVersionNumber version = QVersionNumber::fromString(versionText, &suffix);
        if (version.isNull() || suffix != versionText.size() || !url.isValid()
            || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
            *error = QStringLiteral("bad client entry version \"%1\" url \"%2\"")
                         .arg(versionText, url.toString());
            return std::nullopt;
        }
        if (!newest || version > newest->version)
            newest = ClientVersion{version, url};
        reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        *error = QStringLiteral("line %1: %2")
                     .arg(QString::number(reader.lineNumber()), reader.errorString());
        return std::nullopt;
    }
    if (!newest)
        *error = QStringLiteral("no client listed");
    return newest;
}

bool VersionChecker::isNewer(const ClientVersion &newest, const QString &runningVersion)
{
    return newest.version > QVersionNumber::fromString(runningVersion);
}
