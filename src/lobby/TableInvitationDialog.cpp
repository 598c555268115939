#include "lobby/TableInvitationDialog.h"

#include "ui_TableInvitationDialog.h"

#include "app/Utils.h"
#include "connection/PlayerDb.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>

TableInvitationDialog::TableInvitationDialog(PlayerDb *players, const TableInfo &table,
                                             qint32 inviterId, const QString &ownName,
                                             QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_players(players)
    , m_table(table)
    , m_inviterId(inviterId)
    , m_ownName(ownName)
    , m_ui(std::make_unique<Ui::TableInvitationDialog>())
{
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &QWidget::close);
    hide();
    setAttribute(Qt::WA_DeleteOnClose);

    auto *body = new QFrame;
    m_ui->setupUi(body);
    setContentWidget(body);
    connect(m_ui->yesButton, &QPushButton::clicked, this, &TableInvitationDialog::onYesClicked);
    connect(m_ui->watchButton, &QPushButton::clicked, this, &TableInvitationDialog::onWatchClicked);
    connect(m_ui->noButton, &QPushButton::clicked, this, &TableInvitationDialog::onNoClicked);
    connect(players, &PlayerDb::playerNameUpdate, this, &TableInvitationDialog::onPlayerNameUpdate);
    connect(players, &PlayerDb::playerPictureUpdate, this,
            &TableInvitationDialog::onPlayerPictureUpdate);

    updateText();
    const QString name = players->playerName(inviterId, false);
    if (!name.isEmpty())
        setInviterName(name);
    // The default picture stands in until the real one arrives, so that the dialog is
    // complete (and closes itself in time) even when the chat server never answers.
    setInviterPicture(players->picture(inviterId, true));
    m_ui->greeting->setText(tr("Hi %1").arg(ownName));
    showIfReady();
}

TableInvitationDialog::~TableInvitationDialog() = default;

void TableInvitationDialog::onYesClicked()
{
    emit accepted(m_table.id());
    close();
}

void TableInvitationDialog::onNoClicked()
{
    close();
}

void TableInvitationDialog::onWatchClicked()
{
    emit watch(m_table.id());
    close();
}

void TableInvitationDialog::onPlayerNameUpdate(qint32 id, const QString &name)
{
    if (id != m_inviterId)
        return;
    setInviterName(name);
    showIfReady();
}

void TableInvitationDialog::onPlayerPictureUpdate(qint32 id)
{
    if (id != m_inviterId || !m_players)
        return;
    setInviterPicture(m_players->picture(id, true));
    showIfReady();
}

void TableInvitationDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        m_ui->greeting->setText(tr("Hi %1").arg(m_ownName));
        updateText();
    }
    MahjongDialog::changeEvent(event);
}

void TableInvitationDialog::showEvent(QShowEvent *event)
{
    // However the dialog came on screen, it closes itself in time.
    if (!m_closeTimer.isActive())
        m_closeTimer.start(CloseAfterMs);
    MahjongDialog::showEvent(event);
}

void TableInvitationDialog::updateText()
{
    const TableValue &value = m_table.value();
    const QString seats = QLocale().toString(m_table.capacity().seats());
    const QString ruleset = TableInfo::rulesetName(m_table.ruleset());
    // The game type's suffix brings its noun: "a free 4-player Classic full game".
    const QString gameType = TableInfo::gameTypeSuffix(m_table.gameType());
    if (value.isFree()) {
        m_ui->info->setText(
            tr("Would you like to play a free %L1-player %2%3?").arg(seats, ruleset, gameType));
    } else {
        m_ui->info->setText(tr("Would you like to play a %1 %L2-player %3%4?")
                                .arg(Utils::moneyText(value.buyIn(), false), seats, ruleset,
                                     gameType));
    }
}

void TableInvitationDialog::setInviterName(const QString &name)
{
    m_inviterName = name;
    m_ui->screenNameLabel->setText(name);
}

void TableInvitationDialog::setInviterPicture(const QPixmap &picture)
{
    m_inviterPicture = picture;
    m_ui->avatarLabel->setPixmap(picture);
}

void TableInvitationDialog::showIfReady()
{
    if (m_inviterName.isEmpty() || m_inviterPicture.isNull())
        return;
    show();
    centerOnParent();
    QApplication::alert(this, AlertMs);
    m_closeTimer.start(CloseAfterMs);
}
