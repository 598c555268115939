#include "app/startup/ClientMain.h"

#include "app/startup/CaCertificates.h"
#include "app/startup/CommandLine.h"
#include "app/startup/MahjongApplication.h"
#include "app/startup/MessageHandler.h"
#include "app/startup/QuitSignals.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/SingleInstance.h"
#include "app/startup/Startup.h"
#include "app/startup/TranslationsManager.h"
#include "app/startup/UserPaths.h"
#include "app/version.h"
#include "game/tiles/TileGraphics.h"
#include "ui/MainWindow.h"
#include "ui/web/LocalPageSchemeHandler.h"

#include <QDateTime>
#include <QMessageBox>
#include <QSysInfo>

#include <cstdio>
#include <exception>
#include <optional>

#include <unistd.h>

namespace {

// The web engine ends the whole process, leaving only a line on standard error, when it
// starts as root with its sandbox on. Why it would, or an empty text.
QString webEngineRefusal()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
        || qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox")))
        return {};
    return QStringLiteral("The web engine cannot run as root with its sandbox on: run the client as another user, "
                          "or set QTWEBENGINE_DISABLE_SANDBOX=1.");
}

void logBanner()
{
    qWarning().noquote() << QStringLiteral(" [INFO ] Session started at %1, client %2, Qt %3, %4")
                                .arg(QDateTime::currentDateTime().toString(Qt::ISODate),
                                     QCoreApplication::applicationVersion(),
                                     QString::fromLatin1(qVersion()),
                                     QSysInfo::prettyProductName());
}

int run(MahjongApplication &app, CommandLine &commandLine, const QString &skin)
{
    setupResourceSearchPaths(commandLine.searchPaths(), skin);
    if (commandLine.install())
        return saveTilesetCache() ? 0 : 1;

    // Ctrl+C in a terminal and a system shut-down quit as "Quit" does, without the
    // question: the tables are left, the properties and the logout sent, the log ends
    // and the lock goes. Made before the lock, so that the handlers are given back
    // only after the lock is released.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, &app, [](int signal) {
        qWarning().noquote() << QStringLiteral(" [INFO ] %1 received, quitting").arg(QuitSignals::signalName(signal));
        QCoreApplication::exit(0);
    });

    // The lock is taken before the log is opened: a refused second start must
    // leave the running client's log file alone.
    const QString userDir = UserPaths::temporaryDirectory();
    SingleInstance instance(userDir);
    const bool alone = instance.tryLock();
    if (alone) {
        MessageHandler::setMinimumLevel(commandLine.minimumLogLevel());
        MessageHandler::setFilter(commandLine.logFilter());
        MessageHandler::openLog(userDir);
        MessageHandler::install();
        MahjongApplication::installLogAlerts();
        logBanner();
    }

    app.setupStyle();

    if (!alone) {
        qWarning().noquote() << SingleInstance::alreadyRunningText();
        QMessageBox::warning(nullptr, QCoreApplication::applicationName(),
                             SingleInstance::alreadyRunningText());
        return 0;
    }
    // Ended here, the client logs why and leaves no lock behind.
    if (const QString refusal = webEngineRefusal(); !refusal.isEmpty()) {
        qCritical().noquote() << refusal;
        std::fprintf(stderr, "%s\n", qUtf8Printable(refusal));
        return 1;
    }
    if (commandLine.debug())
        app.openDebugDialog();

    TranslationsManager translations;
    translations.setLanguage(translations.startLanguage(commandLine.language()));

    // The window outlives the event loop and goes with start-up, before the translations,
    // and before the session's last line: what start-up leaves undone (a request still
    // on its way) ends with it and may still log.
    int exitCode = 0;
    {
        Startup startup(commandLine, translations);
        startup.setWindowFactory([](const CommandLine &line, TranslationsManager &languages) {
            return std::make_unique<MainWindow>(line.host(), line.port(), line.user(), line.password(),
                                                line.ssl(), line.httpHost(), line.pageOverrides(),
                                                &languages);
        });
        QObject::connect(&startup, &Startup::exitRequested, &app, &QCoreApplication::exit);
        startup.start();
        // Read while the splash is up; the first secure request waits for the event loop.
        loadCaCertificates();
        exitCode = app.exec();
    }
    qWarning().noquote() << QStringLiteral(" [INFO ] Session ended with exit code %1").arg(exitCode);
    return exitCode;
}

} // namespace

int clientMain(int argc, char *argv[], const QString &skin)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
    QCoreApplication::setApplicationName(QStringLiteral("Pellandor-%1").arg(skin));
    QCoreApplication::setApplicationVersion(clientVersionString());
    // The web engine wants both before any application object exists.
    registerWebSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // The command line is read before the application object exists: the help text and
    // a mistake need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    std::optional<CommandLine> commandLine;
    try {
        commandLine = CommandLine::parse(arguments);
    } catch (const CommandLine::Error &error) {
        std::fprintf(stderr, "%s\n\n%s", error.what(), qUtf8Printable(CommandLine::usage()));
        return 2;
    }
    if (commandLine->helpRequested()) {
        std::fputs(qUtf8Printable(CommandLine::usage()), stdout);
        return 0;
    }

    MahjongApplication app(argc, argv);
    try {
        return run(app, *commandLine, skin);
    } catch (const std::exception &error) {
        qCritical() << "unexpected error:" << error.what();
        return 1;
    }
}
