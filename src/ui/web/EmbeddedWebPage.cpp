#include "ui/web/EmbeddedWebPage.h"
#include "ui_EmbeddedView.h"

#include "ui/web/JavascriptInterface.h"
#include "ui/web/LocalPageSchemeHandler.h"
#include "ui/web/PageGround.h"

#include <QLocale>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

EmbeddedWebPage::EmbeddedWebPage(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::EmbeddedView>())
    , m_interface(new JavascriptInterface(this))
    , m_channel(new QWebChannel(this))
{
    m_ui->setupUi(this);
    m_channel->registerObject(QStringLiteral("client"), m_interface);
    connect(m_interface, &JavascriptInterface::onDisplayTab, this, &EmbeddedWebPage::displayTab);
    connect(m_interface, &JavascriptInterface::onJoinTable, this, &EmbeddedWebPage::joinTable);
    connect(m_interface, &JavascriptInterface::onLaunchBrowser, this, &EmbeddedWebPage::launchBrowser);
    connect(m_interface, &JavascriptInterface::onDisplayTournament, this, &EmbeddedWebPage::displayTournament);
}

EmbeddedWebPage::~EmbeddedWebPage() = default;

void EmbeddedWebPage::createView()
{
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("webView"));
    m_view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Whatever lies behind the pane shows through the page's transparent areas.
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Window, Qt::transparent);
    palette.setColor(QPalette::Base, Qt::transparent);
    m_view->setPalette(palette);
    m_view->setAttribute(Qt::WA_OpaquePaintEvent, false);

    QWebEnginePage *page = m_view->page();
    PageGround::layOn(m_view);
    LocalPageSchemeHandler::installOn(page->profile());
    page->setWebChannel(m_channel);
    m_interface->setPage(page);
    connect(m_view, &QWebEngineView::loadFinished, this, &EmbeddedWebPage::onLoadFinished);
    m_ui->vboxLayout->addWidget(m_view, 1);
}

void EmbeddedWebPage::setUrl(const QUrl &url)
{
    if (!m_view)
        createView();
    m_view->load(url);
}

void EmbeddedWebPage::setFallbackUrl(const QUrl &url)
{
    m_fallbackUrl = url;
}

void EmbeddedWebPage::setMahjongHost(const QString &host)
{
    m_interface->setMahjongHost(host);
}

void EmbeddedWebPage::setWebHost(const QString &host)
{
    m_interface->setWebHost(host);
}

void EmbeddedWebPage::setTopFrameHidden(bool hidden)
{
    m_ui->embeddedTopFrame->setHidden(hidden);
}

QLabel *EmbeddedWebPage::titleLabel() const
{
    return m_ui->title;
}

QLabel *EmbeddedWebPage::subTitleLabel() const
{
    return m_ui->subTitle;
}

void EmbeddedWebPage::onLoadFinished(bool ok)
{
    // Never from within the view's own notification.
    if (!ok)
        QTimer::singleShot(0, this, &EmbeddedWebPage::onError);
}

void EmbeddedWebPage::onError()
{
    if (m_view && m_fallbackUrl.isValid() && m_fallbackUrl != m_view->url())
        m_view->load(m_fallbackUrl);
}

void EmbeddedWebPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_view)
        m_view->page()->profile()->setHttpAcceptLanguage(QLocale().bcp47Name());
    QFrame::changeEvent(event);
}
