#include "ui/UrlHandler.h"

#include "app/startup/TranslationsManager.h"
#include "connection/ConnectionManager.h"

#include <QDebug>
#include <QTimer>

namespace {

const QString myAccount = QStringLiteral("client://my-account");
const QString supportTemplate = QStringLiteral("http://{host}/support.html");
const QString rulesTemplate = QStringLiteral("http://{host}/about_rules.html");

struct ClientLink
{
    const char *prefix;
    WebPageRequest::enum_t kind;
};

// Tested in order after "client://my-account"; the first prefix that matches decides.
const ClientLink clientLinks[] = {
    {"client://help", WebPageRequest::HELP},
    {"client://support", WebPageRequest::SUPPORT},
    {"client://externsupport", WebPageRequest::SUPPORT},
    {"client://rules/classic", WebPageRequest::RULES_CLASSIC},
    {"client://rules/riichi", WebPageRequest::RULES_RIICHI},
    {"client://rules/international", WebPageRequest::RULES_INTERNATIONAL},
    {"client://rules/hongkong", WebPageRequest::RULES_HONGKONG},
};

} // namespace

UrlHandler::UrlHandler(ConnectionManager *connection, const QMap<WebPageRequest::enum_t, QString> &overrides,
                       const TranslationsManager *translations, const QString &webHost, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_overrides(overrides)
    , m_translations(translations)
{
    m_variables.setHost(webHost);
    m_variables.setLocaleProvider([this] { return language(); });
    connect(m_connection, &ConnectionManager::subPagesAvailable, this, &UrlHandler::onSubPagesAvailable);
    connect(m_connection, &ConnectionManager::webPage, this, &UrlHandler::onWebPage);
}

QString UrlHandler::language() const
{
    return m_translations->language();
}

QString UrlHandler::accountPageHint(const QString &alias)
{
    const QStringList pieces = alias.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return QStringLiteral("TTM");
    const QString &piece = pieces.first();
    if (piece == QLatin1String("deposit"))
        return QStringLiteral("TTM");
    if (piece == QLatin1String("withdraw"))
        return QStringLiteral("TFM");
    if (piece == QLatin1String("hand_history"))
        return QStringLiteral("HH");
    qWarning().noquote() << QString(piece + QStringLiteral(": not a recognized as my-account sub page alias, try as hint"));
    return piece;
}

QUrl UrlHandler::makeUrl(const QString &url, const QString &defaultTemplate) const
{
    return QUrl(m_variables.expand(url, defaultTemplate));
}

void UrlHandler::requestAccountPages()
{
    if (m_loggedIn)
        m_connection->query_sub_pages_available(WebPageRequest::ACCOUNT, language());
    else
        QTimer::singleShot(0, this, &UrlHandler::fakeAccountPagesAvailable);
}

void UrlHandler::setLoggedIn()
{
    m_loggedIn = true;
}

void UrlHandler::openWebPage(WebPageRequest::enum_t kind, const QString &hint)
{
    emit webPageRequested(kind);
    m_connection->query_web_page(kind, language(), hint);
}

void UrlHandler::openUrl(const QString &link)
{
    if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://"))) {
        emit launchBrowser(makeUrl(link, QString()), true);
        return;
    }
    if (link.startsWith(myAccount)) {
        openWebPage(WebPageRequest::ACCOUNT, accountPageHint(link.mid(myAccount.size())));
        return;
    }
    for (const ClientLink &clientLink : clientLinks) {
        if (link.startsWith(QLatin1String(clientLink.prefix))) {
            openWebPage(clientLink.kind);
            return;
        }
    }
    qWarning().noquote() << QStringLiteral("refused to open %1: not a web page nor a page of the client").arg(link);
}

void UrlHandler::onWebPage(WebPageRequest::enum_t kind, const QString &url)
{
    QString address = url;
    const auto override = m_overrides.constFind(kind);
    if (override != m_overrides.constEnd()) {
        qWarning().noquote() << QStringLiteral("Overriding web page %1, %2 with %3")
                                    .arg(QLatin1String(WebPageRequest::name(kind)), url, *override);
        address = *override;
    }

    switch (kind) {
    case WebPageRequest::POST_REGISTRATION:
    case WebPageRequest::FULL_REGISTRATION:
    case WebPageRequest::TERMS:
    case WebPageRequest::RESET_PASSWORD:
        showPage(kind, makeUrl(address, QString()), true);
        break;
    case WebPageRequest::ACCOUNT:
        showPage(kind, makeUrl(address, QString()), false);
        break;
    case WebPageRequest::INTERNAL_WELCOME:
    case WebPageRequest::INTERNAL_HOWTO:
    case WebPageRequest::ADVERTISEMENT_LOBBY_SIDE:
        emit internalPage(kind, makeUrl(address, QString()));
        break;
    case WebPageRequest::SUPPORT:
        emit launchBrowser(makeUrl(address, supportTemplate), true);
        break;
    case WebPageRequest::HELP:
    case WebPageRequest::RULES_CLASSIC:
    case WebPageRequest::RULES_INTERNATIONAL:
    case WebPageRequest::RULES_RIICHI:
    case WebPageRequest::RULES_HONGKONG:
        emit launchBrowser(makeUrl(address, rulesTemplate), true);
        break;
    default:
        break;
    }
    emit webPageReceived(kind);
}

void UrlHandler::showPage(WebPageRequest::enum_t kind, const QUrl &url, bool external)
{
    if (!url.isEmpty()) {
        emit launchBrowser(url, external);
        return;
    }
    // Without a registration page the client's own form takes the user in; the page
    // after a registration was not asked for.
    if (kind == WebPageRequest::FULL_REGISTRATION || kind == WebPageRequest::POST_REGISTRATION)
        return;
    qWarning().noquote() << QStringLiteral("no address for web page %1").arg(QLatin1String(WebPageRequest::name(kind)));
    emit pageNotAvailable(kind);
}

void UrlHandler::onSubPagesAvailable(WebPageRequest::enum_t kind, const QList<QPair<QString, QString>> &pages)
{
    if (kind == WebPageRequest::ACCOUNT)
        emit accountPagesAvailable(pages);
}

void UrlHandler::fakeAccountPagesAvailable()
{
    emit accountPagesAvailable({});
}
