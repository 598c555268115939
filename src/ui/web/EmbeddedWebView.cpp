#include "ui/web/EmbeddedWebView.h"

#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/LocalPageSchemeHandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <algorithm>

EmbeddedWebView::EmbeddedWebView(QWidget *parent)
    : QWebEngineView(parent)
{
    auto *page = new QWebEnginePage(sharedProfile(), this);
    connect(page, &QWebEnginePage::certificateError, this, &EmbeddedWebView::onCertificateError);
    setPage(page);
}

EmbeddedWebView::~EmbeddedWebView()
{
    qDebug() << "Close web view";
}

QWebEngineProfile *EmbeddedWebView::sharedProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        profile = new QWebEngineProfile(QStringLiteral("browser"), QCoreApplication::instance());
        // Like a browser session: the cookies live as long as the client runs.
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        LocalPageSchemeHandler::installOn(profile);
    }
    return profile;
}

void EmbeddedWebView::onCertificateError(const QWebEngineCertificateError &error)
{
    qWarning().noquote() << QString(QStringLiteral("Https error: ") + error.description());
}

QPoint EmbeddedWebView::newWindowPosition(const QWidget *owner)
{
    int x = 0;
    int y = 0;
    for (const EmbeddedBrowser *browser : owner->findChildren<EmbeddedBrowser *>()) {
        x = std::max(x, browser->x());
        y = std::max(y, browser->y());
    }
    x += 24;
    y += 24;
    if (x > owner->width() - 64 || y > owner->height() - 64)
        return {0, 0};
    return {x, y};
}

QWebEngineView *EmbeddedWebView::createWindow(QWebEnginePage::WebWindowType type)
{
    qDebug().noquote() << QStringLiteral("createWindow(QWebPage::WebWindowType type = %1)").arg(int(type));
    QWidget *owner = m_owner ? m_owner.data() : window();
    const QPoint position = newWindowPosition(owner);

    auto *browser = new EmbeddedBrowser(owner);
    for (QObject *ancestor = parent(); ancestor; ancestor = ancestor->parent()) {
        if (auto *opener = qobject_cast<EmbeddedBrowser *>(ancestor)) {
            browser->setWebHost(opener->webHost());
            break;
        }
    }
    connect(browser->webView()->page(), &QWebEnginePage::windowCloseRequested, browser, &QWidget::close);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->show();
    browser->move(position);
    return browser->webView();
}
