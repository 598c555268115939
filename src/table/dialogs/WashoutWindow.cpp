#include "table/dialogs/WashoutWindow.h"

#include "ui_WashoutWidget.h"

#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "connection/ServerTime.h"

#include <QEvent>

WashoutWindow::WashoutWindow(QWidget *parent)
    : MahjongDialog(parent, 0), m_ui(std::make_unique<Ui::WashoutWidget>())
{
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);
    setPicture();

    connect(m_ui->readyButton, &QPushButton::clicked, this, &WashoutWindow::readyButtonClicked);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &WashoutWindow::leaveButtonClicked);
    connect(m_ui->roundResultButton, &QPushButton::clicked, this, &WashoutWindow::roundResultButtonClicked);
    for (QPushButton *button : {m_ui->readyButton, m_ui->leaveButton, m_ui->okButton, m_ui->roundResultButton})
        connect(button, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_ui->nextRoundTimer, &TimerView::ranOut, this, &WashoutWindow::stopCountdown);
    setupButtons();
}

WashoutWindow::~WashoutWindow() = default;

void WashoutWindow::setReason(int code)
{
    m_reason = code;
    QString text;
    switch (code) {
    case 6:
        text = tr("Nine honors or terminals.");
        break;
    case 7:
        text = tr("Four kongs.");
        break;
    case 8:
        text = tr("Same wind discard.");
        break;
    case 9:
        text = tr("No-one declared win after all player declared riichi.");
        break;
    default:
        break;
    }
    m_ui->washoutReason->setText(text);
    m_ui->washoutReason->setVisible(!text.isEmpty());
}

void WashoutWindow::setShowPlayPrice(bool show)
{
    m_showPlayPrice = show;
    setupButtons();
}

void WashoutWindow::setOkOnly(bool okOnly)
{
    m_okOnly = okOnly;
    setupButtons();
}

void WashoutWindow::setTableInfo(const TableInfo &info)
{
    m_tableInfo = info;
    setupButtons();
}

void WashoutWindow::setReadyVisible(bool visible)
{
    m_readyVisible = visible;
    setupButtons();
}

void WashoutWindow::setRoundResultOffered(bool offered)
{
    m_roundResultOffered = offered;
    setupButtons();
}

void WashoutWindow::startCountdown(const QDateTime &deadline)
{
    // The caption shows only beside the time it announces: not for a deadline reached,
    // and no longer once the countdown has run out (ranOut()).
    m_ui->nextRoundTimer->setTimeSpan(TimeSpan(Singleton<ServerTime>::instance().now(), deadline));
    const bool running = m_ui->nextRoundTimer->showsTime();
    m_ui->nextRoundLabel->setVisible(running);
    m_ui->nextRoundTimer->setVisible(running);
}

void WashoutWindow::stopCountdown()
{
    m_ui->nextRoundTimer->setTimeSpan(TimeSpan());
    m_ui->nextRoundLabel->hide();
    m_ui->nextRoundTimer->hide();
}

void WashoutWindow::setupButtons()
{
    if (m_okOnly) {
        m_ui->readyButton->hide();
        m_ui->leaveButton->hide();
        m_ui->roundResultButton->hide();
        m_ui->okButton->show();
        m_ui->okButton->setDefault(true);
        return;
    }
    switch (m_tableInfo.storedGameType()) {
    case TableInfo::SINGLE_HAND:
        m_ui->readyButton->setText(tr("Ready"));
        m_ui->leaveButton->show();
        break;
    case TableInfo::TOURNAMENT:
        m_ui->readyButton->setText(tr("Next hand"));
        m_ui->leaveButton->hide();
        break;
    case TableInfo::FULL_GAME:
        if (m_showPlayPrice) {
            m_ui->readyButton->setText(tr("Play (%1)").arg(m_tableInfo.value().buyInText()));
            m_ui->leaveButton->show();
        } else {
            m_ui->readyButton->setText(tr("Next hand"));
            m_ui->leaveButton->hide();
        }
        break;
    default:
        break;
    }
    m_ui->readyButton->setVisible(m_readyVisible);
    // Ok brings a waiting round result as well.
    m_ui->roundResultButton->setVisible(m_readyVisible && m_roundResultOffered);
    m_ui->readyButton->setDefault(m_readyVisible);
    m_ui->okButton->setVisible(!m_readyVisible);
    m_ui->okButton->setDefault(!m_readyVisible);
}

void WashoutWindow::setPicture()
{
    m_ui->textImage->setPixmap(QPixmap(QStringLiteral("textimages:washout.png")));
}

void WashoutWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(contentWidget());
        // The picture is drawn in the language of the texts.
        setPicture();
        setReason(m_reason);
        setupButtons();
    }
    MahjongDialog::changeEvent(event);
}
