#pragma once

#include "app/startup/MessageHandler.h"

#include <QFile>
#include <QTemporaryDir>

// Writes everything logged while it lives into "mahjong.log" through the client's
// message handler, and reads it back.
class LogFile
{
public:
    LogFile()
    {
        MessageHandler::setMinimumLevel(QtWarningMsg);
        MessageHandler::openLog(m_dir.path());
        m_previous = MessageHandler::install();
    }
    ~LogFile()
    {
        qInstallMessageHandler(m_previous);
        MessageHandler::closeLog();
    }
    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    QString text() const
    {
        QFile file(m_dir.filePath(QStringLiteral("mahjong.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
    QtMessageHandler m_previous = nullptr;
};
