#include "app/startup/Startup.h"

#include "app/startup/CommandLine.h"
#include "app/startup/FileLoader.h"
#include "app/startup/GameBackground.h"
#include "app/startup/GameSounds.h"
#include "app/startup/InstallerLayer.h"
#include "app/startup/MahjongSplash.h"
#include "app/startup/NewVersionDialog.h"
#include "app/startup/ServerInfo.h"
#include "app/startup/TranslationsManager.h"
#include "app/startup/UserPaths.h"
#include "app/startup/VersionChecker.h"
#include "app/version.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

Startup::Startup(CommandLine &commandLine, TranslationsManager &translations, QObject *parent)
    : QObject(parent)
    , m_commandLine(commandLine)
    , m_translations(translations)
    , m_loader(std::make_unique<FileLoader>(&m_network))
    , m_splash(std::make_unique<MahjongSplash>(clientVersionString()))
{
}

Startup::~Startup() = default;

void Startup::start()
{
    m_splash->show();
    m_splash->showStatus(tr("Checking the server..."));
    QTimer::singleShot(serverInfoDelay, this, &Startup::checkServerInfo);
    QTimer::singleShot(minimumSplashTime, this, &Startup::onMinimumTimeElapsed);
    QTimer::singleShot(preloadDelay, this, &Startup::preload);
}

void Startup::checkServerInfo()
{
    m_loader->disconnect(this);
    connect(m_loader.get(), &FileLoader::finished, this, &Startup::onServerInfo);
    connect(m_loader.get(), &FileLoader::failed, this, &Startup::onServerInfoFailed);
    m_loader->fetch(ServerInfo::documentUrl(m_commandLine.serverInfoHost(), m_commandLine.ssl()));
}

void Startup::onServerInfoFailed(const QString &error)
{
    qWarning() << "server info not available, going on with the game server"
               << m_commandLine.host() << m_commandLine.port() << ":" << error;
    checkDone();
}

void Startup::onServerInfo(const QByteArray &document)
{
    QString error;
    const std::optional<ServerInfo> info = ServerInfo::parse(document, &error);
    if (!info) {
        onServerInfoFailed(QStringLiteral("malformed server info: ") + error);
        return;
    }
    if (info->downtime) {
        showDowntime(info->downtimeMessage);
        return;
    }
    if (!info->gameHost.isEmpty()) {
        m_commandLine.setGameServer(info->gameHost, info->gamePort);
        qWarning().noquote() << QStringLiteral(" [INFO ] game server %1:%2")
                                    .arg(m_commandLine.host(), QString::number(m_commandLine.port()));
    }
    checkVersion(*info);
}

void Startup::showDowntime(const QString &message)
{
    qWarning() << "server down:" << message;
    m_splash->hide();
    const QString text = message.isEmpty()
        ? tr("The service is down for maintenance. Please try again later.")
        : message;
    auto *box = new QMessageBox(QMessageBox::Information, tr("Downtime"), text, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this] { emit exitRequested(0); });
    box->open();
}

void Startup::checkVersion(const ServerInfo &info)
{
    const QString host = m_commandLine.serverInfoHost();
    const QUrl url = info.versionCheckTarget(host);
    m_splash->showStatus(tr("Checking for updates..."));
    m_loader->disconnect(this);
    connect(m_loader.get(), &FileLoader::finished, this, &Startup::onClientVersions);
    connect(m_loader.get(), &FileLoader::failed, this, [this](const QString &error) {
        qWarning() << "client versions not available:" << error;
        checkDone();
    });
    m_loader->fetch(url);
}

void Startup::onClientVersions(const QByteArray &document)
{
    QString error;
    const std::optional<ClientVersion> newest = VersionChecker::newestClient(document, &error);
    if (!newest) {
        qWarning() << "malformed client versions:" << error;
        checkDone();
        return;
    }
    const QString running = clientVersionString();
    if (!VersionChecker::isNewer(*newest, running)) {
        checkDone();
        return;
    }
    qWarning().noquote() << QStringLiteral(" [INFO ] client %1 available, running %2")
                                .arg(newest->version.toString(), running);
    offerUpdate(newest->version.toString(), newest->url);
}

void Startup::offerUpdate(const QString &newVersion, const QUrl &url)
{
    m_splash->hide();
    m_newVersionDialog = std::make_unique<NewVersionDialog>(newVersion,
                                                            clientVersionString());
    connect(m_newVersionDialog.get(), &QDialog::rejected, this, [this] {
        qWarning().noquote() << " [INFO ] update refused";
        emit exitRequested(0);
    });
    connect(m_newVersionDialog.get(), &NewVersionDialog::updateRequested, this, [this, url] {
        m_newVersionDialog->showDownloading();
        QString name = QFileInfo(url.path()).fileName();
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            name = QStringLiteral("client-update");
        const QString file = QDir(UserPaths::temporaryDirectory())
                                 .filePath(QStringLiteral("downloads/") + name);
        m_loader->disconnect(this);
        connect(m_loader.get(), &FileLoader::progress, m_newVersionDialog.get(),
                &NewVersionDialog::setProgress);
        connect(m_loader.get(), &FileLoader::saved, this, &Startup::onUpdateSaved);
        connect(m_loader.get(), &FileLoader::failed, this, &Startup::onUpdateFailed);
        m_loader->download(url, file);
    });
    m_newVersionDialog->open();
}

void Startup::onUpdateSaved(const QString &file)
{
    m_splash->show();
    m_newVersionDialog.reset();
    QString message;
    if (InstallerLayer::startInstaller(file, &message)) {
        emit exitRequested(0);
        return;
    }
    qWarning().noquote() << QStringLiteral(" [INFO ] update saved as %1, not installed").arg(file);
    showInformation(message);
}

void Startup::onUpdateFailed(const QString &error)
{
    qWarning() << "update download failed:" << error;
    m_splash->show();
    m_newVersionDialog.reset();
    showInformation(tr("The new client could not be downloaded."));
}

void Startup::showInformation(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, tr("Update"), text, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, &Startup::checkDone);
    box->open();
}

void Startup::checkDone()
{
    m_loader->disconnect(this);
    m_checked = true;
    finishWhenReady();
}

void Startup::onMinimumTimeElapsed()
{
    m_minimumTimeElapsed = true;
    finishWhenReady();
}

void Startup::preload()
{
    GameBackground::preload();
    m_preloaded = true;
    finishWhenReady();
}

void Startup::finishWhenReady()
{
    // Once the checks have settled the game server, the window is built while the splash
    // still has its minimum time to show.
    if (m_checked && m_preloaded && m_windowFactory && !m_mainWindow) {
        m_mainWindow = m_windowFactory(m_commandLine, m_translations);
        m_mainWindow->ensurePolished();
    }
    if (m_finished || !m_checked || !m_minimumTimeElapsed || !m_preloaded)
        return;
    m_finished = true;
    handOver();
}

void Startup::handOver()
{
    m_splash->showStatus(tr("Starting..."));
    qWarning().noquote() << QStringLiteral(" [INFO ] start-up finished; game server %1:%2")
                                .arg(m_commandLine.host(), QString::number(m_commandLine.port()));
    GameSounds::instance();
    if (m_mainWindow) {
        // Hidden, not closed: closing the splash would end the program.
        m_splash->hide();
        m_mainWindow->onStartupFinished(true);
    }
    emit finished();
}
