#include "lobby/JoinDialog.h"

#include "app/TableInfo.h"
#include "app/TableValue.h"
#include "app/Utils.h"

#include "ui_JoinDialog.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr int TournamentRegistration = 1;
}

JoinDialog::JoinDialog(QWidget *parent, const TournamentInfo &info, int joinType)
    : MahjongDialog(parent, ShowCloseButton)
    , info(info)
    , eventType(TournamentRegistration)
    , joinType(joinType)
    , ui(std::make_unique<Ui::JoinDialog>())
{
    auto *body = new QFrame;
    ui->setupUi(body);
    body->setWindowTitle(QString());
    setContentWidget(body);
    connect(ui->cancelButton, &QPushButton::clicked, this, &MahjongDialog::onCloseClicked);
    connect(ui->acceptButton, &QPushButton::clicked, this, &JoinDialog::onAcceptClicked);
    connect(ui->depositButton, &QPushButton::clicked, this, &JoinDialog::onDepositClicked);
    if (joinType == 0)
        ui->depositButton->hide();
    else if (joinType == 1)
        ui->acceptButton->hide();
    else
        qWarning() << "unknown join type " << joinType;
    fillTexts();
    adjustSize();
}

JoinDialog::~JoinDialog() = default;

void JoinDialog::fillTexts()
{
    if (eventType != TournamentRegistration)
        return;
    setWindowTitle(tr("Tournament registration"));
    ui->nameLabel->setText(tr("Name: %1").arg(info.name()));
    ui->startsLabel->setText(tr("Start: %1").arg(Utils::localDateTimeText(info.start())));
    ui->buyInLabel->setText(tr("Buy-in: %1").arg(TableValue::optionalAmountText(info.bet() + info.fee())));
    ui->potLabel->setText(tr("Pot: %1").arg(TableValue::amountText(int(info.prizePool()))));
    ui->rulesLabel->setText(tr("Rules: %1").arg(TableInfo::rulesetName(info.ruleset())));
    ui->registeredLabel->setText(tr("Registered Players: %1")
                                     .arg(TournamentRegisteredInfo(info.registeredPlayers(),
                                                                   info.maxPlayers())
                                              .text()));
    if (joinType == 0)
        ui->confirmationInfoLabel->setText(
            tr("Accepting the tournament will withdraw the buy-in from your account. If you "
               "choose to unregister from the tournament at a later time, but before the "
               "tournament starts, the buy-in will be refunded to your account."));
    else if (joinType == 1)
        ui->confirmationInfoLabel->setText(
            tr("You do not have sufficient funds in your account to play. Please deposit more "
               "money to your account to continue playing."));
    else
        qWarning() << "unknown join type " << joinType;
}

void JoinDialog::onAcceptClicked()
{
    if (eventType != TournamentRegistration) {
        qWarning() << "unknown event type " << eventType;
        return;
    }
    emit registerTournament(info.id());
    close();
}

void JoinDialog::onDepositClicked()
{
    emit deposit();
    close();
}

void JoinDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        fillTexts();
    }
    MahjongDialog::changeEvent(event);
}
