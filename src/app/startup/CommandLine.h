#pragma once

#include "app/WebPageRequest.h"

#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <stdexcept>

// The command line: "usage: client [options] [host:port]".
class CommandLine
{
public:
    // A command line that cannot be used; what() is the text shown to the user.
    class Error : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

    static constexpr quint16 defaultPort = 443;
    static const char *const defaultHost;

    // Reads the arguments (the program name first, Qt's own options already
    // removed); throws Error on unknown options, bad values or a malformed port.
    static CommandLine parse(const QStringList &arguments);

    // The option descriptions printed for "help".
    static QString usage();

    bool helpRequested() const { return m_help; }
    bool install() const { return m_install; }
    bool debug() const { return m_debug; }

    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    // True when the game server was named on the command line, so that the
    // server-info document's address does not replace it.
    bool hostGiven() const { return m_hostGiven; }
    bool ssl() const { return m_ssl; }
    QString httpHost() const { return m_httpHost.isEmpty() ? m_host : m_httpHost; }
    // Host (and optional port) of the server-info document; the web host by default.
    QString serverInfoHost() const { return m_serverInfoHost.isEmpty() ? httpHost() : m_serverInfoHost; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    QString language() const { return m_language; }
    QStringList searchPaths() const { return m_searchPaths; }
    // Pages given on the command line in place of the server's: "welcomepage"
    // under INTERNAL_WELCOME.
    QMap<WebPageRequest::enum_t, QString> pageOverrides() const { return m_pageOverrides; }

    // "minloglevel": a level ("debug", "warning", "critical", "fatal" or 0 to 3)
    // sets the minimum level; any other value is a regular expression that every
    // logged line must match, and then every level is let through.
    QtMsgType minimumLogLevel() const { return m_minimumLogLevel; }
    QRegularExpression logFilter() const { return m_logFilter; }

    // The game server after the server-info document named one; the command
    // line's own host wins.
    void setGameServer(const QString &host, quint16 port);

private:
    static void splitHostPort(const QString &text, QString *host, quint16 *port);

    bool m_help = false;
    bool m_install = false;
    bool m_debug = false;
    bool m_hostGiven = false;
    bool m_ssl = true;
    QString m_host = QString::fromLatin1(defaultHost);
    quint16 m_port = defaultPort;
    QString m_httpHost;
    QString m_serverInfoHost;
    QString m_user;
    QString m_password;
    QString m_language;
    QStringList m_searchPaths;
    QMap<WebPageRequest::enum_t, QString> m_pageOverrides;
    QtMsgType m_minimumLogLevel = QtWarningMsg;
    QRegularExpression m_logFilter;
};
