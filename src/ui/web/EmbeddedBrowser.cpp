#include "ui/web/EmbeddedBrowser.h"
#include "ui_EmbeddedBrowser.h"

#include "ui/web/EmbeddedWebView.h"
#include "ui/web/JavascriptInterface.h"

#include <QCloseEvent>
#include <QLocale>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>

EmbeddedBrowser::EmbeddedBrowser(QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_ui(std::make_unique<Ui::EmbeddedBrowser>())
    , m_body(new QFrame(this))
    , m_interface(new JavascriptInterface(this))
    , m_channel(new QWebChannel(this))
{
    m_ui->setupUi(m_body);
    m_body->setWindowTitle(QString());
    setContentWidget(m_body);
    m_ui->url->hide();
    m_ui->bottomFrameLayout->insertStretch(0);
    m_ui->webView->setOwnerWindow(parent);

    QWebEnginePage *page = m_ui->webView->page();
    m_interface->setPage(page);
    m_channel->registerObject(QStringLiteral("client"), m_interface);
    page->setWebChannel(m_channel);

    connect(m_interface, &JavascriptInterface::onLaunchBrowser, this, &EmbeddedBrowser::launchBrowser);
    connect(m_interface, &JavascriptInterface::onClose, this, &QWidget::close);
    connect(m_ui->webView, &QWebEngineView::titleChanged, this, &EmbeddedBrowser::onTitleChanged);
    connect(m_ui->webView, &QWebEngineView::loadProgress, this, &EmbeddedBrowser::onLoadProgress);
    connect(m_ui->webView, &QWebEngineView::loadStarted, this, &EmbeddedBrowser::onLoadStarted);
    connect(m_ui->webView, &QWebEngineView::loadFinished, this, &EmbeddedBrowser::onLoadFinished);
    connect(m_ui->webView, &QWebEngineView::urlChanged, this, &EmbeddedBrowser::onUrlChanged);
}

EmbeddedBrowser::~EmbeddedBrowser() = default;

void EmbeddedBrowser::load(const QUrl &url)
{
    m_ui->webView->load(url);
    m_ui->url->setText(url.toString());
}

EmbeddedWebView *EmbeddedBrowser::webView() const
{
    return m_ui->webView;
}

QString EmbeddedBrowser::webHost() const
{
    return m_interface->webHost();
}

void EmbeddedBrowser::setWebHost(const QString &host)
{
    m_interface->setWebHost(host);
}

void EmbeddedBrowser::onTitleChanged(const QString &title)
{
    setWindowTitle(title);
}

void EmbeddedBrowser::onLoadProgress(int progress)
{
    m_ui->progressBar->setValue(progress);
}

void EmbeddedBrowser::onLoadStarted()
{
    m_ui->progressBar->show();
}

void EmbeddedBrowser::onLoadFinished(bool)
{
    m_ui->progressBar->hide();
}

void EmbeddedBrowser::onUrlChanged(const QUrl &url)
{
    const bool secure = url.scheme() == QLatin1String("https");
    m_ui->encryptedIcon->setPixmap(QPixmap(secure ? QStringLiteral("resources:/safe.png")
                                                  : QStringLiteral("resources:/unsafe.png")));
    m_ui->encryptedIcon->setToolTip(secure ? tr("Secure connection") : tr("Insecure connection"));
    m_ui->url->setText(url.toString());
}

void EmbeddedBrowser::closeEvent(QCloseEvent *event)
{
    m_interface->emitCloseEvent();
    MahjongDialog::closeEvent(event);
}

void EmbeddedBrowser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        EmbeddedWebView::sharedProfile()->setHttpAcceptLanguage(QLocale().bcp47Name());
        m_ui->retranslateUi(m_body);
        onUrlChanged(m_ui->webView->url());
    }
    MahjongDialog::changeEvent(event);
}
