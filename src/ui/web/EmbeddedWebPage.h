#pragma once

#include <QFrame>
#include <QUrl>

#include <memory>

namespace Ui {
class EmbeddedView;
}

class JavascriptInterface;
class QLabel;
class QWebChannel;
class QWebEngineView;

// A pane of the main window that shows a web page under an optional title area. When a
// load fails it shows its fallback page instead (once: a failing fallback stays). Pages
// reach the client through the "client" object, whose calls come out as the signals.
class EmbeddedWebPage : public QFrame
{
    Q_OBJECT

public:
    explicit EmbeddedWebPage(QWidget *parent);
    ~EmbeddedWebPage() override;

    // The web view is built at the first URL: a window holding one paints first much
    // later than one without.
    void setUrl(const QUrl &url);
    void setFallbackUrl(const QUrl &url);
    void setMahjongHost(const QString &host);
    // The host whose pages may call the client (see JavascriptInterface).
    void setWebHost(const QString &host);
    void setTopFrameHidden(bool hidden);

    QLabel *titleLabel() const;
    QLabel *subTitleLabel() const;
    // Null until the first setUrl().
    QWebEngineView *webView() const { return m_view; }
    JavascriptInterface *javascriptInterface() const { return m_interface; }

signals:
    void displayTab(const QString &keyword);
    void joinTable(const QString &filter);
    void launchBrowser(const QString &url);
    void displayTournament(qint32 tournamentId);

public slots:
    void onLoadFinished(bool ok);
    void onError();

protected:
    void changeEvent(QEvent *event) override;

private:
    void createView();

    std::unique_ptr<Ui::EmbeddedView> m_ui;
    JavascriptInterface *m_interface;
    QWebChannel *m_channel;
    QWebEngineView *m_view = nullptr;
    QUrl m_fallbackUrl;
};
