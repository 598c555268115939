#pragma once

#include "app/UrlVariables.h"
#include "app/WebPageRequest.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

class ConnectionManager;
class TranslationsManager;

// Turns every wish to show a web page into a URL and a place to show it: pages of a
// known kind are asked from the game server, "client://" links map onto those kinds,
// plain http(s) links open directly. It shows nothing itself: the owner connects
// launchBrowser(), internalPage() and pageNotAvailable().
class UrlHandler : public QObject
{
    Q_OBJECT

public:
    // `overrides` replace the server's URL for their kind; `webHost` fills "{host}".
    UrlHandler(ConnectionManager *connection, const QMap<WebPageRequest::enum_t, QString> &overrides,
               const TranslationsManager *translations, const QString &webHost, QObject *parent);

    // The account page hint of the text after "client://my-account".
    static QString accountPageHint(const QString &alias);

    // `url`, or `defaultTemplate` when it is empty, with its placeholders filled.
    QUrl makeUrl(const QString &url, const QString &defaultTemplate) const;

    // Asks for the account sub pages; before login the empty answer comes from the
    // event loop, never from within this call.
    void requestAccountPages();

public slots:
    void setLoggedIn();
    void openWebPage(WebPageRequest::enum_t kind, const QString &hint = QString());
    void openUrl(const QString &link);
    void onWebPage(WebPageRequest::enum_t kind, const QString &url);
    void onSubPagesAvailable(WebPageRequest::enum_t kind, const QList<QPair<QString, QString>> &pages);
    void fakeAccountPagesAvailable();

signals:
    void webPageRequested(WebPageRequest::enum_t kind);
    void webPageReceived(WebPageRequest::enum_t kind);
    void launchBrowser(const QUrl &url, bool external = true);
    // The server gave no address for a page the player asked to see.
    void pageNotAvailable(WebPageRequest::enum_t kind);
    void internalPage(WebPageRequest::enum_t kind, const QUrl &url);
    void accountPagesAvailable(const QList<QPair<QString, QString>> &pages);

private:
    QString language() const;
    // Opens a page of a kind shown in a browser, or tells that it has no address.
    void showPage(WebPageRequest::enum_t kind, const QUrl &url, bool external);

    ConnectionManager *m_connection;
    QMap<WebPageRequest::enum_t, QString> m_overrides;
    const TranslationsManager *m_translations;
    UrlVariables m_variables;
    bool m_loggedIn = false;
};
