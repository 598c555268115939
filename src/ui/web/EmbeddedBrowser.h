#pragma once

#include "ui/MahjongDialog.h"

#include <QUrl>

#include <memory>

namespace Ui {
class EmbeddedBrowser;
}

class EmbeddedWebView;
class JavascriptInterface;
class QWebChannel;

// The client's own small browser window for pages that should stay in the client
// (the account pages): a fixed-size web view, a progress bar, an icon that tells
// whether the page came over https, and the "client" object of the pages.
class EmbeddedBrowser : public MahjongDialog
{
    Q_OBJECT

public:
    explicit EmbeddedBrowser(QWidget *parent);
    ~EmbeddedBrowser() override;

    void load(const QUrl &url);

    EmbeddedWebView *webView() const;
    JavascriptInterface *javascriptInterface() const { return m_interface; }

    // The host whose pages may call the client (see JavascriptInterface).
    QString webHost() const;
    void setWebHost(const QString &host);

signals:
    // A page called client.launchBrowser().
    void launchBrowser(const QString &url);

public slots:
    void onTitleChanged(const QString &title);
    void onLoadProgress(int progress);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onUrlChanged(const QUrl &url);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::EmbeddedBrowser> m_ui;
    QFrame *m_body;
    JavascriptInterface *m_interface;
    QWebChannel *m_channel;
};
