#include "app/startup/CommandLine.h"

#include <boost/program_options.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace po = boost::program_options;

const char *const CommandLine::defaultHost = "localhost";

namespace {

po::options_description visibleOptions()
{
    po::options_description options("options");
    options.add_options()
        ("help,h", "print this help and quit")
        ("host", po::value<std::string>(), "game server as host[:port] (port 443 unless given)")
        ("httphost", po::value<std::string>(), "web server host (default: the game server's host)")
        ("user,u", po::value<std::string>(), "user name for the login form")
        ("password,p", po::value<std::string>(), "password for the login form")
        ("lang,l", po::value<std::string>(), "interface language (en, ja, zh_CN, zh_TW)")
        ("minloglevel,m", po::value<std::string>(),
         "lowest level logged (debug, warning, critical, fatal or 0-3),"
         " or a regular expression every logged line must match")
        ("searchpath,s", po::value<std::vector<std::string>>()->composing(),
         "directory searched for resources before the built-in ones (repeatable)")
        ("nossl,n", "connect without TLS (game server and documents)")
        ("serverinfo,S", po::value<std::string>(),
         "host[:port] serving the server-info document (default: the web server)")
        ("welcomepage,W", po::value<std::string>(), "URL of the welcome page")
        ("install,i", "Install custom data - called from installer");
    return options;
}

po::options_description hiddenOptions()
{
    po::options_description options("hidden");
    options.add_options()
        ("debug,d", "open the debug window")
        ("server", po::value<std::string>(), "host:port");
    return options;
}

QString text(const po::variables_map &values, const char *name)
{
    return QString::fromStdString(values[name].as<std::string>());
}

// Options that the GUI application object reads and removes itself. The command line is
// read before that object exists, so they are left out here; the application still sees them.
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("style"),
    QStringLiteral("stylesheet"), QStringLiteral("session"), QStringLiteral("display"),
    QStringLiteral("name"), QStringLiteral("title"), QStringLiteral("geometry"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("qmljsdebugger")};
const QStringList qtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                          QStringLiteral("nograb"), QStringLiteral("dograb"),
                          QStringLiteral("sync")};

// Our options that take the next argument as their value, in the forms that leave it apart.
const QStringList ownOptionsWithValue{
    QStringLiteral("--host"), QStringLiteral("--httphost"), QStringLiteral("--user"),
    QStringLiteral("-u"), QStringLiteral("--password"), QStringLiteral("-p"),
    QStringLiteral("--lang"), QStringLiteral("-l"), QStringLiteral("--minloglevel"),
    QStringLiteral("-m"), QStringLiteral("--searchpath"), QStringLiteral("-s"),
    QStringLiteral("--serverinfo"), QStringLiteral("-S"), QStringLiteral("--welcomepage"),
    QStringLiteral("-W")};

std::vector<std::string> withoutQtOptions(const QStringList &arguments)
{
    std::vector<std::string> kept;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (ownOptionsWithValue.contains(argument)) {
            kept.push_back(argument.toStdString());
            if (i + 1 < arguments.size())
                kept.push_back(arguments.at(++i).toStdString());
            continue;
        }
        if (argument == QLatin1String("--")) {
            for (; i < arguments.size(); ++i)
                kept.push_back(arguments.at(i).toStdString());
            break;
        }
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 2) {
            QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            const int equals = name.indexOf(QLatin1Char('='));
            const bool inlineValue = equals >= 0;
            if (inlineValue)
                name.truncate(equals);
            if (qtFlags.contains(name) && !inlineValue)
                continue;
            if (qtOptionsWithValue.contains(name)) {
                if (!inlineValue)
                    ++i;
                continue;
            }
        }
        kept.push_back(argument.toStdString());
    }
    return kept;
}

QtMsgType levelFromText(const QString &text, bool *ok)
{
    static const QStringList names{QStringLiteral("debug"), QStringLiteral("warning"),
                                   QStringLiteral("critical"), QStringLiteral("fatal")};
    static const QtMsgType levels[] = {QtDebugMsg, QtWarningMsg, QtCriticalMsg, QtFatalMsg};
    int index = names.indexOf(text.toLower());
    if (index < 0) {
        bool number = false;
        const int value = text.toInt(&number);
        index = number && value >= 0 && value < 4 ? value : -1;
    }
    *ok = index >= 0;
    return *ok ? levels[index] : QtWarningMsg;
}

} // namespace

QString CommandLine::usage()
{
    std::ostringstream out;
    out << "usage: client [options] [host:port]\n" << visibleOptions();
    return QString::fromStdString(out.str());
}

void CommandLine::splitHostPort(const QString &text, QString *host, quint16 *port)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? text : text.left(colon);
    if (name.isEmpty())
        throw Error(QStringLiteral("missing host name in \"%1\"").arg(text).toStdString());
    *host = name;
    *port = defaultPort;
    if (colon < 0)
        return;
    const QString portText = text.mid(colon + 1);
    bool ok = false;
    const uint value = portText.toUInt(&ok);
    if (!ok || value == 0 || value > 65535)
        throw Error(QStringLiteral("invalid port \"%1\" in \"%2\": expected a number from 1 to 65535")
                        .arg(portText, text)
                        .toStdString());
    *port = static_cast<quint16>(value);
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    const std::vector<std::string> args = withoutQtOptions(arguments);

    po::options_description all;
    all.add(visibleOptions()).add(hiddenOptions());
    po::positional_options_description positional;
    positional.add("server", 1);

    po::variables_map values;
    try {
        po::store(po::command_line_parser(args).options(all).positional(positional).run(), values);
        po::notify(values);
    } catch (const po::error &error) {
        throw Error(error.what());
    }

    CommandLine line;
    line.m_help = values.count("help") > 0;
    line.m_install = values.count("install") > 0;
    line.m_debug = values.count("debug") > 0;
    line.m_ssl = values.count("nossl") == 0;

    if (values.count("host"))
        splitHostPort(text(values, "host"), &line.m_host, &line.m_port);
    if (values.count("server"))
        splitHostPort(text(values, "server"), &line.m_host, &line.m_port);
    line.m_hostGiven = values.count("host") || values.count("server");

    if (values.count("httphost"))
        line.m_httpHost = text(values, "httphost");
    if (values.count("serverinfo"))
        line.m_serverInfoHost = text(values, "serverinfo");
    if (values.count("user"))
        line.m_user = text(values, "user");
    if (values.count("password"))
        line.m_password = text(values, "password");
    if (values.count("lang"))
        line.m_language = text(values, "lang");
    if (values.count("welcomepage"))
        line.m_pageOverrides.insert(WebPageRequest::INTERNAL_WELCOME, text(values, "welcomepage"));
    if (values.count("searchpath")) {
        for (const std::string &path : values["searchpath"].as<std::vector<std::string>>())
            line.m_searchPaths << QString::fromStdString(path);
    }

    if (values.count("minloglevel")) {
        const QString value = text(values, "minloglevel");
        bool isLevel = false;
        line.m_minimumLogLevel = levelFromText(value, &isLevel);
        if (!isLevel) {
            line.m_logFilter = QRegularExpression(value);
            if (!line.m_logFilter.isValid())
                throw Error(QStringLiteral("invalid log filter \"%1\": %2")
                                .arg(value, line.m_logFilter.errorString())
                                .toStdString());
            line.m_minimumLogLevel = QtDebugMsg;
        }
    }
    return line;
}

void CommandLine::setGameServer(const QString &host, quint16 port)
{
    if (m_hostGiven || host.isEmpty())
        return;
    m_host = host;
    m_port = port == 0 ? defaultPort : port;
}
