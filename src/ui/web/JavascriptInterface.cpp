#include "ui/web/JavascriptInterface.h"

#include "ui/web/LocalPageSchemeHandler.h"

#include <QDebug>
#include <QUrl>
#include <QWebEnginePage>

namespace {

const QStringList tabKeywords = {
    QStringLiteral("welcome"), QStringLiteral("lobby"),   QStringLiteral("tournament"),
    QStringLiteral("preferences"), QStringLiteral("friends"), QStringLiteral("howto"),
};

bool isOnHost(const QUrl &url, const QString &host)
{
    if (host.isEmpty())
        return false;
    const QString pageHost = url.host().toLower();
    const QString webHost = host.toLower();
    return pageHost == webHost || pageHost.endsWith(QString(QLatin1Char('.') + webHost));
}

} // namespace

JavascriptInterface::JavascriptInterface(QObject *parent)
    : QObject(parent)
{
}

QString JavascriptInterface::mahjongHost() const
{
    // The channel sends its properties to every page that opens it.
    return pageIsTrusted() ? m_mahjongHost : QString();
}

void JavascriptInterface::setMahjongHost(const QString &host)
{
    if (host == m_mahjongHost)
        return;
    m_mahjongHost = host;
    emit mahjongHostChanged();
}

void JavascriptInterface::setWebHost(const QString &host)
{
    m_webHost = host;
}

void JavascriptInterface::setPage(QWebEnginePage *page)
{
    if (m_page)
        disconnect(m_page, nullptr, this, nullptr);
    m_page = page;
    if (m_page)
        connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_warned = false; });
}

void JavascriptInterface::emitCloseEvent()
{
    emit closeEvent();
}

bool JavascriptInterface::pageIsTrusted() const
{
    const QUrl url = m_page ? m_page->url() : QUrl();
    const QString scheme = url.scheme();
    if (scheme == QLatin1String(LocalPageSchemeHandler::scheme))
        return true;
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && isOnHost(url, m_webHost);
}

bool JavascriptInterface::isTrusted(const char *call)
{
    if (pageIsTrusted())
        return true;
    if (!m_warned) {
        m_warned = true;
        qWarning().noquote() << QStringLiteral("Refused client.%1() from the page %2")
                                    .arg(QLatin1String(call), m_page ? m_page->url().toDisplayString() : QString());
    }
    return false;
}

void JavascriptInterface::displayTab(const QString &keyword)
{
    if (isTrusted("displayTab") && tabKeywords.contains(keyword))
        emit onDisplayTab(keyword);
}

void JavascriptInterface::joinTable(const QString &filter)
{
    if (isTrusted("joinTable") && filter.size() <= maxFilterLength)
        emit onJoinTable(filter);
}

void JavascriptInterface::launchBrowser(const QString &url)
{
    if (isTrusted("launchBrowser"))
        emit onLaunchBrowser(url);
}

void JavascriptInterface::displayTournament(qint32 tournamentId)
{
    if (isTrusted("displayTournament"))
        emit onDisplayTournament(tournamentId);
}

void JavascriptInterface::close()
{
    if (isTrusted("close"))
        emit onClose();
}
