#include "app/startup/ServerInfo.h"

#include "app/UrlVariables.h"

#include <QDomDocument>
#include <QDomElement>
#include <QXmlStreamReader>

const QString ServerInfo::defaultVersionCheckUrl =
    QStringLiteral("https://{host}/client/{sku}/client_versions.xml");
const QString ServerInfo::defaultSku = QStringLiteral("linux");

namespace {

// Far deeper than any server-info document; the DOM frees its nodes recursively, so
// a document nested some hundred thousand levels deep would exhaust the stack.
constexpr int maxDepth = 32;

bool nestedTooDeep(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDepth)
            return true;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false;
}

} // namespace

std::optional<ServerInfo> ServerInfo::parse(const QByteArray &document, QString *error)
{
    if (nestedTooDeep(document)) {
        *error = QStringLiteral("elements nested deeper than %1 levels").arg(maxDepth);
        return std::nullopt;
    }
    QDomDocument dom;
    QString message;
    int line = 0;
    int column = 0;
    if (!dom.setContent(document, &message, &line, &column)) {
        *error = QStringLiteral("line %1, column %2: %3")
                     .arg(QString::number(line), QString::number(column), message);
        return std::nullopt;
    }
    const QDomElement root = dom.documentElement();
    if (root.tagName() != QLatin1String("serverinfo")) {
        *error = QStringLiteral("the root element is <%1>, not <serverinfo>").arg(root.tagName());
        return std::nullopt;
    }

    ServerInfo info;
    const QDomElement downtime = root.firstChildElement(QStringLiteral("downtime"));
    if (!downtime.isNull()) {
        info.downtime = true;
        info.downtimeMessage = downtime.text().trimmed();
    }

    const QDomElement server = root.firstChildElement(QStringLiteral("gameserver"));
    if (!server.isNull()) {
        info.gameHost = server.attribute(QStringLiteral("host")).trimmed();
        const QString portText = server.attribute(QStringLiteral("port"), QStringLiteral("443"));
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        if (info.gameHost.isEmpty() || !ok || port == 0 || port > 65535) {
            *error = QStringLiteral("bad game server address \"%1\" port \"%2\"")
                         .arg(info.gameHost, portText);
            return std::nullopt;
        }
        info.gamePort = static_cast<quint16>(port);
    }

    const QDomElement check = root.firstChildElement(QStringLiteral("versioncheck"));
    if (!check.isNull()) {
        const QString url = check.attribute(QStringLiteral("url")).trimmed();
        if (!url.isEmpty())
            info.versionCheckUrl = url;
        for (QDomElement parameter = check.firstChildElement(QStringLiteral("param"));
             !parameter.isNull(); parameter = parameter.nextSiblingElement(QStringLiteral("param"))) {
            const QString name = parameter.attribute(QStringLiteral("name"));
            if (name.isEmpty()) {
                *error = QStringLiteral("a version-check parameter without a name");
                return std::nullopt;
            }
            info.versionCheckParameters.insert(name, parameter.attribute(QStringLiteral("value")));
        }
    }
    return info;
}

QUrl ServerInfo::documentUrl(const QString &host, bool ssl)
{
    return QUrl(QStringLiteral("%1://%2/client/server_info.xml")
                    .arg(ssl ? QStringLiteral("https") : QStringLiteral("http"), host));
}

QUrl ServerInfo::versionCheckTarget(const QString &host) const
{
    QMap<QString, QString> values{{QStringLiteral("host"), host}, {QStringLiteral("sku"), defaultSku}};
    for (auto it = versionCheckParameters.cbegin(); it != versionCheckParameters.cend(); ++it)
        values.insert(it.key(), it.value());

    // Every known name is replaced, also by an empty value; unknown ones stay.
    return QUrl(UrlVariables::expandPlaceholders(versionCheckUrl, [&values](const QString &name) {
        const auto value = values.constFind(name);
        if (value == values.cend())
            return QString();
        return value->isNull() ? QString(QLatin1String("")) : *value;
    }));
}
