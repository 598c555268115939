#include "Scenario.h"

#include "protocol/packets_json.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &path, const QString &what)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, what).toStdString());
}

void checkPacketName(const QString &path, const QString &name)
{
    try {
        protocol::json::frame_from_json(name, {});
    } catch (const std::exception &) {
        fail(path, QStringLiteral("no packet named \"%1\"").arg(name));
    }
}

// The actions of a list, each checked for its kind and packet name.
QJsonArray actions(const QString &path, const QJsonValue &v, const char *key)
{
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        fail(path, QStringLiteral("\"%1\" must be an array of actions").arg(QLatin1String(key)));
    for (const QJsonValue &action : v.toArray()) {
        const QJsonObject o = action.toObject();
        if (o.contains(QLatin1String("packet")))
            checkPacketName(path, o.value(QLatin1String("packet")).toString());
        else if (!o.contains(QLatin1String("raw")) && !o.contains(QLatin1String("close")) && !o.contains(QLatin1String("abort")))
            fail(path, QStringLiteral("an action of \"%1\" needs packet, raw, close or abort").arg(QLatin1String(key)));
    }
    return v.toArray();
}

} // namespace

Scenario Scenario::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        fail(path, QStringLiteral("offset %1: %2").arg(QString::number(error.offset), error.errorString()));
    if (!doc.isObject())
        fail(path, QStringLiteral("the scenario must be a JSON object"));
    const QJsonObject root = doc.object();

    Scenario s;
    s.baseDir = QFileInfo(path).absoluteDir();
    const QJsonObject handshake = root.value(QLatin1String("handshake")).toObject();
    s.platformVersion = handshake.value(QLatin1String("platform_version")).toInt(s.platformVersion);
    s.gameVersion = handshake.value(QLatin1String("game_version")).toString(s.gameVersion);
    s.answerHandshake = handshake.value(QLatin1String("answer")).toBool(true);
    s.silent = root.value(QLatin1String("silent")).toBool(false);
    s.onConnect = actions(path, root.value(QLatin1String("on_connect")), "on_connect");
    s.afterHandshake = actions(path, root.value(QLatin1String("after_handshake")), "after_handshake");

    for (const QJsonValue &v : root.value(QLatin1String("requests")).toArray()) {
        const QJsonObject o = v.toObject();
        Rule rule;
        rule.packet = o.value(QLatin1String("packet")).toString();
        checkPacketName(path, rule.packet);
        rule.match = o.value(QLatin1String("match")).toObject();
        rule.reply = actions(path, o.value(QLatin1String("reply")), "reply");
        rule.times = o.value(QLatin1String("times")).toInt(-1);
        rule.timesInRun = o.value(QLatin1String("times_in_run")).toInt(-1);
        s.rules.push_back(rule);
    }

    const QJsonObject http = root.value(QLatin1String("http")).toObject();
    for (auto it = http.begin(); it != http.end(); ++it) {
        HttpEntry entry;
        const QJsonObject o = it.value().isString()
            ? QJsonObject{{QLatin1String("file"), it.value()}}
            : it.value().toObject();
        entry.status = o.value(QLatin1String("status")).toInt(200);
        entry.contentType = o.value(QLatin1String("content_type")).toString();
        if (o.contains(QLatin1String("file"))) {
            entry.file = s.baseDir.absoluteFilePath(o.value(QLatin1String("file")).toString());
            if (!QFileInfo::exists(entry.file))
                fail(path, QStringLiteral("no file %1 for %2").arg(entry.file, it.key()));
        } else {
            entry.body = o.value(QLatin1String("body")).toString().toUtf8();
        }
        if (entry.contentType.isEmpty())
            entry.contentType = entry.file.endsWith(QLatin1String(".xml")) ? QStringLiteral("text/xml; charset=utf-8")
                                                                           : QStringLiteral("application/octet-stream");
        s.http.insert(it.key(), entry);
    }
    return s;
}
