#pragma once

#include <QNetworkAccessManager>
#include <QObject>

#include <functional>
#include <memory>

class CommandLine;
class FileLoader;
class MainWindow;
class MahjongSplash;
class NewVersionDialog;
class TranslationsManager;
struct ServerInfo;

// Shows the splash and runs the start-up checks: the server-info document
// (downtime notice, game server, version-check address), then the
// client-versions document (a newer client offers its update). When the
// checks, the minimum splash time and the preloading are all done, it hands
// over to the main window.
class Startup : public QObject
{
    Q_OBJECT

public:
    static constexpr int serverInfoDelay = 10;
    static constexpr int minimumSplashTime = 750;
    static constexpr int preloadDelay = 100;

    // Builds the main window from the command line's start-up values.
    using WindowFactory
        = std::function<std::unique_ptr<MainWindow>(const CommandLine &, TranslationsManager &)>;

    Startup(CommandLine &commandLine, TranslationsManager &translations, QObject *parent = nullptr);
    ~Startup() override;

    // The window that takes over at the end of start-up; without one the splash stays.
    void setWindowFactory(WindowFactory factory) { m_windowFactory = std::move(factory); }
    void start();

    bool isFinished() const { return m_finished; }
    MahjongSplash *splash() const { return m_splash.get(); }
    // The main window once start-up has handed over to it; it lives as long as this object.
    MainWindow *mainWindow() const { return m_mainWindow.get(); }

signals:
    // Start-up has handed over.
    void finished();
    // The program has to end (a downtime notice, a refused update).
    void exitRequested(int exitCode);

private:
    void checkServerInfo();
    void onServerInfo(const QByteArray &document);
    void onServerInfoFailed(const QString &error);
    void showDowntime(const QString &message);
    void checkVersion(const ServerInfo &info);
    void onClientVersions(const QByteArray &document);
    void offerUpdate(const QString &newVersion, const QUrl &url);
    void onUpdateSaved(const QString &file);
    void onUpdateFailed(const QString &error);
    void showInformation(const QString &text);
    void checkDone();
    void onMinimumTimeElapsed();
    void preload();
    void finishWhenReady();
    void handOver();

    CommandLine &m_commandLine;
    TranslationsManager &m_translations;
    QNetworkAccessManager m_network;
    std::unique_ptr<FileLoader> m_loader;
    std::unique_ptr<MahjongSplash> m_splash;
    std::unique_ptr<NewVersionDialog> m_newVersionDialog;
    WindowFactory m_windowFactory;
    std::unique_ptr<MainWindow> m_mainWindow;
    bool m_checked = false;
    bool m_minimumTimeElapsed = false;
    bool m_preloaded = false;
    bool m_finished = false;
};
