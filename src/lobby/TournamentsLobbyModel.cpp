#include "lobby/TournamentsLobbyModel.h"

#include "app/TableValue.h"
#include "app/Utils.h"
#include "lobby/CheckedItem.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "ui/PlainToolTip.h"

#include <QDebug>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

QString tournamentLobbyPath(qint32 tournamentId)
{
    return QStringLiteral("101/mtt/%1").arg(tournamentId);
}

namespace {

QString startText(const QDateTime &start)
{
    return Utils::localDateTimeText(start);
}

QString statusText(const int &status)
{
    return TournamentInfo::statusName(status);
}

QString rulesText(const RulesColumnType &rules)
{
    return rules.text();
}

QString playersText(const TournamentRegisteredInfo &players)
{
    return players.text();
}

QString buyInText(const int &amount)
{
    return TableValue::optionalAmountText(amount);
}

QString potText(const int &amount)
{
    return TableValue::amountText(amount);
}

RulesColumnType rulesOf(const TournamentInfo &info)
{
    return RulesColumnType{info.ruleset(), info.minDoubles(), info.maxDoubles()};
}

TournamentRegisteredInfo playersOf(const TournamentInfo &info)
{
    return TournamentRegisteredInfo(info.registeredPlayers(), info.maxPlayers());
}

int buyInOf(const TournamentInfo &info)
{
    return info.bet() + info.fee();
}

int potOf(const TournamentInfo &info)
{
    return int(std::clamp<qint64>(info.prizePool(), 0, std::numeric_limits<int>::max()));
}

QString tournamentToolTip(const TournamentInfo &info)
{
    return plainToolTip(info.name());
}

template <typename T>
CustomItem<T> *typedCell(const QList<QStandardItem *> &items, int column)
{
    return static_cast<CustomItem<T> *>(items.at(column));
}

} // namespace

TournamentsLobbyModel::TournamentsLobbyModel(QObject *parent)
    : QStandardItemModel(parent)
{
    setSortRole(CustomItemValueRole);
    retranslate();
}

TournamentsLobbyModel::~TournamentsLobbyModel() = default;

bool TournamentsLobbyModel::hasTournament(qint32 id) const
{
    return m_tournaments.count(id) > 0;
}

const TournamentInfo &TournamentsLobbyModel::tournamentInfo(qint32 id) const
{
    const auto it = m_tournaments.find(id);
    if (it == m_tournaments.end())
        throw std::runtime_error("info for tournament " + std::to_string(id) + " unavailable");
    return it->second.info;
}

QList<qint32> TournamentsLobbyModel::tournamentIds() const
{
    QList<qint32> ids;
    ids.reserve(qsizetype(m_tournaments.size()));
    for (const auto &entry : m_tournaments)
        ids << entry.first;
    return ids;
}

QModelIndex TournamentsLobbyModel::indexOfTournament(qint32 id) const
{
    const auto it = m_tournaments.find(id);
    if (it == m_tournaments.end())
        return QModelIndex();
    refreshRowNumbers();
    return index(it->second.row, RegisteredColumn);
}

void TournamentsLobbyModel::refreshRowNumbers() const
{
    if (!m_rowNumbersStale)
        return;
    m_rowNumbersStale = false;
    for (auto &entry : m_tournaments)
        const_cast<TournamentRow &>(entry.second).row = -1;
    for (int row = 0; row < QStandardItemModel::rowCount(); ++row) {
        const auto it = m_tournaments.find(item(row, RegisteredColumn)->data(Qt::UserRole).toInt());
        if (it != m_tournaments.end())
            const_cast<TournamentRow &>(it->second).row = row;
    }
}

qint32 TournamentsLobbyModel::tournamentIdByPersistentId(qint32 persistentId) const
{
    for (const auto &entry : m_tournaments) {
        if (entry.second.info.persistentId() == persistentId)
            return entry.first;
    }
    return -1;
}

void TournamentsLobbyModel::retranslate()
{
    setHorizontalHeaderLabels({QString(), tr("Start"), tr("Status"), tr("Name"), tr("Rules"),
                               tr("Players"), tr("Buy-in"), tr("Pot")});
    for (auto &entry : m_tournaments) {
        const QString tip = tournamentToolTip(entry.second.info);
        for (QStandardItem *item : qAsConst(entry.second.items))
            item->setToolTip(tip);
    }
}

int TournamentsLobbyModel::rowCount(const QModelIndex &parent) const
{
    // The rows themselves, so that the count agrees with every insertion and removal notice
    // while a row comes or goes; otherwise one row per held tournament.
    return parent.isValid() ? 0 : QStandardItemModel::rowCount(parent);
}

void TournamentsLobbyModel::addOrUpdateTournament(const TournamentInfo &info)
{
    const auto held = m_tournaments.find(info.id());
    if (held != m_tournaments.end()) {
        const bool registered = held->second.info.isRegistered();
        const bool startChanged = held->second.info.start() != info.start();
        held->second.info = info;
        held->second.info.setRegistered(registered);
        updateRow(held->second, startChanged);
        return;
    }
    TournamentRow &row = m_tournaments[info.id()];
    row.info = info;
    row.info.setRegistered(isRegistered(info.id()));
    row.items = makeRow(row.info);
    m_orderStale = true;
    row.row = QStandardItemModel::rowCount();
    appendRow(row.items);
    emit tournamentAdded(row.info);
}

QList<QStandardItem *> TournamentsLobbyModel::makeRow(const TournamentInfo &info)
{
    const QString tip = tournamentToolTip(info);
    auto *checked = new CheckedItem(info.isRegistered());
    checked->setEditable(false);
    checked->setToolTip(tip);
    QList<QStandardItem *> items{
        checked,
        makeCustomItem<QDateTime>(info.start(), tip, startText),
        makeCustomItem<int>(info.status(), tip, statusText),
        makeTextItem(info.name(), tip, Qt::AlignLeft),
        makeCustomItem<RulesColumnType>(rulesOf(info), tip, rulesText),
        makeCustomItem<TournamentRegisteredInfo>(playersOf(info), tip, playersText),
        makeCustomItem<int>(buyInOf(info), tip, buyInText),
        makeCustomItem<int>(potOf(info), tip, potText)};
    for (QStandardItem *item : items)
        item->setData(int(info.id()), Qt::UserRole);
    return items;
}

void TournamentsLobbyModel::updateTournamentInfo(qint32 id, const TournamentInfoUpdates &updates)
{
    const auto held = m_tournaments.find(id);
    if (held == m_tournaments.end()) {
        qWarning() << "No tournament with id" << id << "to update";
        return;
    }
    const TournamentInfo old = held->second.info;
    held->second.info.applyUpdates(updates);
    const TournamentInfo &now = held->second.info;
    updateRow(held->second, old.start() != now.start());
    if (old.status() != TournamentInfo::Unset && old.status() != now.status())
        emit tournamentStatusChanged(id, old.status(), now.status());
}

void TournamentsLobbyModel::onRegisteredNotification(const std::vector<qint32> &ids)
{
    m_registeredIds = ids;
    // The notification is the server's word: rows already held follow it too.
    for (auto &entry : m_tournaments) {
        const bool registered = isRegistered(entry.first);
        if (entry.second.info.isRegistered() == registered)
            continue;
        entry.second.info.setRegistered(registered);
        updateRow(entry.second, false);
    }
}

void TournamentsLobbyModel::onTournamentRemoved(qint32 id)
{
    const auto held = m_tournaments.find(id);
    if (held == m_tournaments.end()) {
        qWarning() << "No tournament to remove with id" << id;
        return;
    }
    const QModelIndex index = indexOfTournament(id);
    if (index.isValid()) {
        removeRow(index.row());
        m_rowNumbersStale = true;
    } else {
        qWarning() << "invalid index returned";
    }
    m_tournaments.erase(held);
    emit tournamentRemoved(id);
}

void TournamentsLobbyModel::onTournamentRegisterSuccess(qint32 id)
{
    if (hasTournament(id))
        setRegistered(id, true);
}

void TournamentsLobbyModel::onTournamentUnregisterSuccess(qint32 id)
{
    if (!hasTournament(id)) {
        qWarning() << "No tournament found with id " << id << ", cannot leave";
        return;
    }
    setRegistered(id, false);
}

void TournamentsLobbyModel::onTournamentLeaveSuccess(qint32 id)
{
    onTournamentUnregisterSuccess(id);
}

bool TournamentsLobbyModel::isRegistered(qint32 id) const
{
    return std::find(m_registeredIds.begin(), m_registeredIds.end(), id) != m_registeredIds.end();
}

void TournamentsLobbyModel::setRegistered(qint32 id, bool registered)
{
    TournamentRow &row = m_tournaments.at(id);
    row.info.setRegistered(registered);
    updateRow(row, false);
}

void TournamentsLobbyModel::updateRow(TournamentRow &row, bool startChanged)
{
    // The cells take their values silently and the row is announced once.
    const TournamentInfo &info = row.info;
    const QList<QStandardItem *> &items = row.items;
    static_cast<CheckedItem *>(items.at(RegisteredColumn))->checked = info.isRegistered();
    typedCell<RulesColumnType>(items, RulesColumn)->assignValue(rulesOf(info));
    typedCell<TournamentRegisteredInfo>(items, PlayersColumn)->assignValue(playersOf(info));
    typedCell<QDateTime>(items, StartColumn)->assignValue(info.start());
    typedCell<int>(items, BuyInColumn)->assignValue(buyInOf(info));
    typedCell<int>(items, PotColumn)->assignValue(potOf(info));
    typedCell<int>(items, StatusColumn)->assignValue(info.status());
    // Texts that did not change cost nothing here.
    items.at(NameColumn)->setText(info.name());
    const QString tip = tournamentToolTip(info);
    for (QStandardItem *item : items)
        item->setToolTip(tip);
    refreshRowNumbers();
    emit dataChanged(index(row.row, 0), index(row.row, ColumnCount - 1));
    emit tournamentUpdated(info);
    if (startChanged)
        m_orderStale = true;
    if (m_orderStale) {
        m_orderStale = false;
        sort(StartColumn, Qt::AscendingOrder);
        m_rowNumbersStale = true;
    }
}
