#include "lobby/LobbySummary.h"

#include "lobby/PlayerList.h"

#include "ui_LobbySummary.h"

#include <QEvent>

LobbySummary::LobbySummary(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::LobbySummary>())
{
    m_ui->setupUi(this);
    m_ui->latestLoginsLabel->hide();
    connect(m_ui->playerList, &PlayerList::userMenuRequested, this,
            &LobbySummary::userMenuRequested);
}

LobbySummary::~LobbySummary() = default;

void LobbySummary::setPlayerDb(PlayerDb *db)
{
    m_ui->playerList->setPlayerDb(db);
}

void LobbySummary::onLobbySummary(const lobby_summary_t &summary)
{
    m_playersOnline = summary.playersOnline;
    m_tablesInPlay = summary.tablesInPlay;
    m_latestLogins = summary.latestLogins;
    m_ui->latestLoginsLabel->show();
    refresh();
}

void LobbySummary::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        refresh();
    }
    QFrame::changeEvent(event);
}

void LobbySummary::refresh()
{
    m_ui->playersOnline->setText(tr("Players online: %1").arg(m_playersOnline));
    m_ui->tablesInPlay->setText(tr("Tables in play: %1").arg(m_tablesInPlay));
    m_ui->playerList->onPlayers(m_latestLogins);
}
