#include "lobby/TournamentsController.h"

#include "app/Utils.h"
#include "connection/ConnectionManager.h"
#include "lobby/JoinDialog.h"
#include "lobby/TournamentDetailDialog.h"
#include "lobby/TournamentsLobbyModel.h"
#include "lobby/TournamentsLobbyWindow.h"
#include "ui/ModelessMsgBox.h"

#include <QDebug>
#include <QMainWindow>

namespace {

QString detailDialogName(qint32 id)
{
    return QStringLiteral("detailmtt%1").arg(id);
}

QString joinDialogName(qint32 id)
{
    return QStringLiteral("joinmtt%1").arg(id);
}

constexpr int TournamentRegistrationVariant = 2;
constexpr int DepositRequirement = 0;

} // namespace

TournamentsController::TournamentsController(ConnectionManager *connectionManager,
                                             QWidget *lobbyWidget, TournamentsHost *host)
    : QObject(lobbyWidget)
    , m_connectionManager(connectionManager)
    , m_lobbyWidget(lobbyWidget)
    , m_host(host)
    , m_model(new TournamentsLobbyModel(this))
{
    using CM = ConnectionManager;
    const auto fullInfo = qOverload<const TournamentInfo &>(&CM::tournamentInfoUpdate);
    const auto partialInfo = qOverload<qint32, const TournamentInfoUpdates &>(&CM::tournamentInfoUpdate);
    connect(m_connectionManager, fullInfo, m_model, &TournamentsLobbyModel::addOrUpdateTournament);
    connect(m_connectionManager, partialInfo, m_model, &TournamentsLobbyModel::updateTournamentInfo);
    connect(m_connectionManager, partialInfo, this, &TournamentsController::updateTournamentInfo);
    connect(m_connectionManager, fullInfo, this,
            qOverload<const TournamentInfo &>(&TournamentsController::getTournamentHighscores));
    connect(m_connectionManager, &CM::playerDiscardedFromTournament, m_model,
            &TournamentsLobbyModel::onTournamentUnregisterSuccess);
    connect(m_model, &TournamentsLobbyModel::tournamentStatusChanged, this,
            &TournamentsController::onTournamentStatusChanged);
    connect(m_connectionManager, &CM::tournamentRegisterFailed, this,
            &TournamentsController::onTournamentRegisterFailed);
    connect(m_connectionManager, &CM::tournamentUnregisterFailed, this,
            &TournamentsController::onTournamentUnregisterFailed);
    connect(m_connectionManager, &CM::tournamentExtendedRegisterResponse, this,
            &TournamentsController::onExtendedTournamentRegisterResponse);
    connect(m_connectionManager, partialInfo, this,
            qOverload<qint32>(&TournamentsController::getTournamentHighscores));
    connect(m_connectionManager, &CM::tournamentRemoved, m_model, &TournamentsLobbyModel::onTournamentRemoved);
    connect(m_connectionManager, &CM::notifyRegistered, m_model,
            &TournamentsLobbyModel::onRegisteredNotification);
    connect(m_connectionManager, &CM::tournamentRegisterSuccess, m_model,
            &TournamentsLobbyModel::onTournamentRegisterSuccess);
    connect(m_connectionManager, &CM::tournamentUnregisterSuccess, m_model,
            &TournamentsLobbyModel::onTournamentUnregisterSuccess);
    connect(m_connectionManager, &CM::tournamentLeaveSuccess, m_model,
            &TournamentsLobbyModel::onTournamentLeaveSuccess);
}

TournamentsController::~TournamentsController() = default;

void TournamentsController::setTableModel(TableModel *tableModel)
{
    m_tableModel = tableModel;
}

const TournamentInfo &TournamentsController::tournamentInfo(qint32 id) const
{
    return m_model->tournamentInfo(id);
}

QString TournamentsController::registerFailedReasonText(int reason)
{
    switch (reason) {
    case tmnt_register_failed_reason::FAILED:
        return tr("Failed");
    case tmnt_register_failed_reason::DENIED:
        return tr("Denied");
    case tmnt_register_failed_reason::INSUFFICIENT_FUNDS:
        return tr("Insufficient Funds");
    case tmnt_register_failed_reason::TOURNAMENT_FULL:
        return tr("Tournament is full");
    case tmnt_register_failed_reason::ACCESS_DENIED:
        return tr("Access Denied");
    case tmnt_register_failed_reason::ALREADY_REGISTERED:
        return tr("Already Registered");
    case tmnt_register_failed_reason::TOURNAMENT_RUNNING:
        return tr("Tournament is running");
    default:
        return QString::number(reason);
    }
}

TournamentDetailDialog *TournamentsController::detailDialog(qint32 id) const
{
    if (!m_lobbyWidget)
        return nullptr;
    return m_lobbyWidget->findChild<TournamentDetailDialog *>(detailDialogName(id),
                                                              Qt::FindDirectChildrenOnly);
}

TournamentsLobbyWindow *TournamentsController::createTournamentsLobbyWindow()
{
    auto *window = new TournamentsLobbyWindow(this, nullptr);
    window->setModel(m_model);
    return window;
}

void TournamentsController::createTournamentDetailDialog(qint32 id)
{
    if (!m_model->hasTournament(id))
        return;
    if (!m_lobbyWidget) {
        qWarning() << "couldn't find widget 'lobbyWidget'";
        return;
    }
    TournamentDetailDialog *dialog = detailDialog(id);
    if (!dialog) {
        dialog = new TournamentDetailDialog(m_lobbyWidget);
        connect(m_model, &TournamentsLobbyModel::tournamentUpdated, dialog,
                &TournamentDetailDialog::onTournamentUpdated);
        connect(m_model, &TournamentsLobbyModel::tournamentRemoved, dialog,
                &TournamentDetailDialog::onTournamentRemoved);
        connect(m_connectionManager, &ConnectionManager::tournamentRankings, dialog,
                &TournamentDetailDialog::onTournamentRankings);
        connect(dialog, &TournamentDetailDialog::registerTournament, this,
                &TournamentsController::createJoinTournamentDialog);
        connect(dialog, &TournamentDetailDialog::unregisterTournament, this,
                &TournamentsController::onTournamentUnregister);
        connect(dialog, &TournamentDetailDialog::userMenuRequested, this,
                &TournamentsController::userMenuRequested);
        connect(dialog, &TournamentDetailDialog::watchTable, this, &TournamentsController::watchTable);
        connect(m_connectionManager, &ConnectionManager::tournamentPrizeConfiguration, dialog,
                &TournamentDetailDialog::onTournamentPrizeConfiguration);
        connect(dialog, &TournamentDetailDialog::launchBrowser, this,
                &TournamentsController::launchBrowser);
        dialog->setTournament(m_model->tournamentInfo(id));
        dialog->setTableModel(m_tableModel);
        m_connectionManager->get_tournament_ranking_list(id);
        m_connectionManager->query_tournament_prize_configuration(id);
        dialog->setObjectName(detailDialogName(id));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->raise();
    dialog->showAndRaise(true);
}

void TournamentsController::createJoinTournamentDialog(qint32 id)
{
    if (!m_model->hasTournament(id))
        return;
    if (!m_lobbyWidget) {
        qWarning() << "couldn't find widget 'lobbyWidget'";
        return;
    }
    auto *dialog = m_lobbyWidget->findChild<JoinDialog *>(joinDialogName(id), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        const TournamentInfo &info = m_model->tournamentInfo(id);
        const qint64 cost = qint64(info.bet()) + info.fee();
        const bool insufficient = m_host && m_host->accountBalance() < cost;
        dialog = new JoinDialog(m_lobbyWidget, info, insufficient ? 1 : 0);
        connect(dialog, &JoinDialog::deposit, this, &TournamentsController::onAccountNeeded);
        connect(dialog, &JoinDialog::registerTournament, this, &TournamentsController::onTournamentRegister);
        dialog->setObjectName(joinDialogName(id));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->raise();
    dialog->showAndRaise(true);
}

void TournamentsController::onTournamentRegister(qint32 id)
{
    m_connectionManager->register_tournament_request(id);
}

void TournamentsController::onTournamentUnregister(qint32 id)
{
    m_connectionManager->unregister_tournament_request(id);
}

void TournamentsController::getTournamentHighscores(const TournamentInfo &info)
{
    getTournamentHighscores(info.id());
}

void TournamentsController::getTournamentHighscores(qint32 id)
{
    // Only an open detail dialog shows the rankings.
    if (detailDialog(id))
        m_connectionManager->get_tournament_ranking_list(id);
}

QWidget *TournamentsController::boxParent() const
{
    if (QMainWindow *window = Utils::findMainWindow())
        return window;
    return m_lobbyWidget ? m_lobbyWidget->window() : nullptr;
}

void TournamentsController::showPlainBox(int kind, ModelessMsgBox::Wording wording)
{
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::create(boxParent(), kind, std::move(wording),
                                                         QDialogButtonBox::Ok, QDialogButtonBox::NoButton);
    // Tournament names are the server's text, never markup.
    box->setTextFormat(Qt::PlainText);
    box->show();
    box->raise();
    box->centerOnParent();
}

void TournamentsController::onTournamentRegisterFailed(qint32 id,
                                                       tmnt_register_failed_reason::enum_t reason)
{
    switch (reason) {
    case tmnt_register_failed_reason::DENIED:
        m_connectionManager->query_extended_tournament_registration_response(id);
        return;
    case tmnt_register_failed_reason::INSUFFICIENT_FUNDS: {
        auto *box = ModelessMsgBox::question(boxParent(), [] {
            return ModelessMsgBox::Texts{tr("Register for tournament"),
                                         tr("You don't have enough money on your account to join the "
                                            "tournament.\nDo you want to make a deposit now?")};
        });
        ModelessMsgBox::connectFinished(box, this, [this](int result) { onDepositAnswer(result); });
        return;
    }
    case tmnt_register_failed_reason::ACCESS_DENIED:
        if (m_host)
            m_host->offerRegistrationCompletion(TournamentRegistrationVariant);
        return;
    case tmnt_register_failed_reason::ALREADY_REGISTERED:
        return;
    default:
        break;
    }
    if (!m_model->hasTournament(id))
        return;
    const QString name = m_model->tournamentInfo(id).name();
    const char *const text = reason == tmnt_register_failed_reason::TOURNAMENT_FULL
        ? QT_TR_NOOP("Tournament '%1' is full")
        : reason == tmnt_register_failed_reason::TOURNAMENT_RUNNING ? QT_TR_NOOP("Tournament '%1' has already started")
                                                                     : QT_TR_NOOP("Registration for '%1' failed");
    showPlainBox(ModelessMsgBox::Warning, [name, text] {
        return ModelessMsgBox::Texts{tr("Register for tournament"), tr(text).arg(name)};
    });
}

void TournamentsController::onTournamentUnregisterFailed(qint32,
                                                         tmnt_register_failed_reason::enum_t reason)
{
    showPlainBox(ModelessMsgBox::Warning, [reason] {
        return ModelessMsgBox::Texts{tr("Unregister from tournament"),
                                     tr("Unregister from tournament failed!\n%1").arg(registerFailedReasonText(reason))};
    });
}

void TournamentsController::onExtendedTournamentRegisterResponse(
    qint32 id, const extended_tournament_register_response &response)
{
    if (!m_model->hasTournament(id))
        return;
    const QString name = m_model->tournamentInfo(id).name();
    const std::vector<int> codes = response.requirements;
    if (codes.empty()) {
        showPlainBox(ModelessMsgBox::Information, [name] {
            return ModelessMsgBox::Texts{tr("Register for tournament"), tr("Registration for '%1' failed").arg(name)};
        });
        return;
    }
    if (codes.size() == 1) {
        auto *box = ModelessMsgBox::information(
            boxParent(),
            [name] {
                return ModelessMsgBox::Texts{tr("Register for tournament"),
                                             tr("You have to make at least one real money deposit before playing "
                                                "'%1'.\nDo you want to make a deposit now?")
                                                 .arg(name)};
            },
            QDialogButtonBox::Yes | QDialogButtonBox::No, QDialogButtonBox::Yes);
        box->setTextFormat(Qt::PlainText);
        ModelessMsgBox::connectFinished(box, this, [this](int result) { onDepositAnswer(result); });
        return;
    }
    auto *box = ModelessMsgBox::information(boxParent(), [name, codes] {
        QString text = tr("To play '%1' you have to").arg(name.toHtmlEscaped())
            + QStringLiteral("<ul style=\"margin-top: 5px;\">");
        for (const int code : codes) {
            const QString requirement = code == DepositRequirement ? tr("deposit money") : QString::number(code);
            text += QStringLiteral("<li>") + requirement + QStringLiteral("</li>");
        }
        text += QStringLiteral("</ul>");
        return ModelessMsgBox::Texts{tr("Register for tournament"), text};
    });
    box->setTextFormat(Qt::RichText);
}

void TournamentsController::onAccountNeeded()
{
    if (m_host)
        m_host->onDeposit();
}

void TournamentsController::onDepositAnswer(int result)
{
    if (result == QDialogButtonBox::Yes)
        onAccountNeeded();
}

void TournamentsController::onTournamentStatusChanged(qint32 id, TournamentInfo::status_t oldStatus,
                                                      TournamentInfo::status_t newStatus)
{
    qDebug() << "Tournament status changed: "
             << "id" << id << TournamentInfo::statusName(oldStatus) + QStringLiteral(" -> ")
                    + TournamentInfo::statusName(newStatus);
    if (newStatus == TournamentInfo::Aborted && m_model->hasTournament(id)
        && m_model->tournamentInfo(id).isRegistered())
        emit playerTournamentAborted(id);
}

void TournamentsController::onTableWatched(qint32 tableId)
{
    if (!m_lobbyWidget)
        return;
    const auto dialogs = m_lobbyWidget->findChildren<TournamentDetailDialog *>(QString(),
                                                                               Qt::FindDirectChildrenOnly);
    for (TournamentDetailDialog *dialog : dialogs)
        dialog->onTableWatched(tableId);
}

void TournamentsController::onWatchFailed(qint32 tableId)
{
    if (!m_lobbyWidget)
        return;
    const auto dialogs = m_lobbyWidget->findChildren<TournamentDetailDialog *>(QString(),
                                                                               Qt::FindDirectChildrenOnly);
    for (TournamentDetailDialog *dialog : dialogs)
        dialog->onWatchFailed(tableId);
}
