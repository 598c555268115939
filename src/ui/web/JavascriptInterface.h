#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWebEnginePage;

// The object that embedded pages see as "client". Calls are served only while the
// page shows one of the client's own pages ("localwww:") or a page of the web host or
// its subdomains; other pages are refused with one warning per page load, and read
// the game host as empty.
class JavascriptInterface : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isDebug READ isDebug CONSTANT)
    Q_PROPERTY(QString mahjongHost READ mahjongHost NOTIFY mahjongHostChanged)

public:
    static constexpr int maxFilterLength = 256;

    explicit JavascriptInterface(QObject *parent);

    bool isDebug() const { return false; }
    QString mahjongHost() const;
    void setMahjongHost(const QString &host);

    // The host whose http(s) pages may call the client.
    QString webHost() const { return m_webHost; }
    void setWebHost(const QString &host);
    // The page whose address decides whether a call is served.
    void setPage(QWebEnginePage *page);

    void emitCloseEvent();

public slots:
    void displayTab(const QString &keyword);
    void joinTable(const QString &filter);
    void launchBrowser(const QString &url);
    void displayTournament(qint32 tournamentId);
    void close();

signals:
    void onDisplayTab(const QString &keyword);
    void onJoinTable(const QString &filter);
    void onLaunchBrowser(const QString &url);
    void onDisplayTournament(qint32 tournamentId);
    void onClose();
    void closeEvent();
    void mahjongHostChanged();

private:
    bool pageIsTrusted() const;
    bool isTrusted(const char *call);

    QString m_mahjongHost;
    QString m_webHost;
    QPointer<QWebEnginePage> m_page;
    bool m_warned = false;
};
