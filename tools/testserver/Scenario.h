#pragma once

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <vector>

// A scenario file of the test server (JSON). See tools/testserver/README.md.
struct Scenario
{
    struct Rule
    {
        QString packet;
        QJsonObject match;
        QJsonArray reply;
        int times = -1; // -1: every time
        int timesInRun = -1; // the same over all sessions of the server; -1: no limit
    };
    struct HttpEntry
    {
        QString file;
        QByteArray body;
        int status = 200;
        QString contentType;
    };

    // Throws std::runtime_error with the file name for an unreadable or bad file.
    static Scenario load(const QString &path);

    qint32 platformVersion = 6523;
    QString gameVersion = QStringLiteral("3204");
    bool answerHandshake = true;
    // Accept connections and never read or write: no TLS and no version handshake.
    bool silent = false;
    QJsonArray onConnect;
    QJsonArray afterHandshake;
    std::vector<Rule> rules;
    QMap<QString, HttpEntry> http;
    QDir baseDir;
};
