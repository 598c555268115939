#include "app/TournamentInfo.h"

#include "app/PropertyValue.h"
#include "app/Utils.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace {

constexpr std::array<const char *, TournamentInfo::FIELD_COUNT> fieldNames = {
    "PERSISTENT_ID", "STATUS", "NAME", "REGISTERED", "MIN_PLAYERS", "MAX_PLAYERS", "START",
    "CLOSE_REGISTER", "NUMBER_OF_ROUNDS", "CURRENT_ROUND", "ROUNDS_START", "ROUNDS_LENGTH",
    "INFO_URL", "SHORT_INFO_URL", "RULESET", "MIN_DOUBLES", "MAX_DOUBLES", "BET", "FEE",
    "ADDITIONAL_PAYOUT_AMOUNT",
};

constexpr std::array<const char *, 8> statusNames = {
    QT_TRANSLATE_NOOP("TournamentInfo", "Open"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Closed"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Seating"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Playing"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Paused"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Done"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Cancelled"),
    QT_TRANSLATE_NOOP("TournamentInfo", "Aborted"),
};

template <typename T, typename Convert>
std::optional<std::vector<T>> toList(const QVariant &value, Convert convert)
{
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    std::vector<T> items;
    const QVariantList list = value.toList();
    items.reserve(std::size_t(list.size()));
    for (const QVariant &item : list) {
        const auto converted = convert(item);
        if (!converted)
            return std::nullopt;
        items.push_back(*converted);
    }
    return items;
}

template <typename T>
bool assign(T &field, const std::optional<T> &value)
{
    if (!value)
        return false;
    field = *value;
    return true;
}

} // namespace

const char *TournamentInfo::fieldName(int field)
{
    return PropertyValue::fieldName(fieldNames, field);
}

int TournamentInfo::fieldId(QStringView name)
{
    return PropertyValue::fieldId(fieldNames, name);
}

bool TournamentInfo::setField(int field, const QVariant &value)
{
    using namespace PropertyValue;
    switch (field) {
    case PERSISTENT_ID: return assign(m_persistentId, toInt(value));
    case STATUS: {
        const auto status = toInt(value);
        if (!status)
            return false;
        m_status = static_cast<status_t>(*status);
        return true;
    }
    case NAME: return assign(m_name, toString(value));
    case REGISTERED: return assign(m_registeredPlayers, toInt(value));
    case MIN_PLAYERS: return assign(m_minPlayers, toInt(value));
    case MAX_PLAYERS: return assign(m_maxPlayers, toInt(value));
    case START: return assign(m_start, toDateTime(value));
    case CLOSE_REGISTER: return assign(m_closeRegister, toDateTime(value));
    case NUMBER_OF_ROUNDS: return assign(m_numberOfRounds, toInt(value));
    case CURRENT_ROUND: return assign(m_currentRound, toInt(value));
    case ROUNDS_START: return assign(m_roundsStart, toList<QDateTime>(value, toDateTime));
    case ROUNDS_LENGTH: return assign(m_roundsLength, toList<int>(value, toInt));
    case INFO_URL: return assign(m_infoUrl, toUrl(value));
    case SHORT_INFO_URL: return assign(m_shortInfoUrl, toUrl(value));
    case RULESET: return assign(m_ruleset, toInt(value));
    case MIN_DOUBLES: return assign(m_minDoubles, toInt(value));
    case MAX_DOUBLES: return assign(m_maxDoubles, toInt(value));
    case BET: return assign(m_bet, toInt(value));
    case FEE: return assign(m_fee, toInt(value));
    case ADDITIONAL_PAYOUT_AMOUNT: return assign(m_additionalPayoutAmount, toInt(value));
    default: return false;
    }
}

bool TournamentInfo::setProperty(QStringView name, const QVariant &value)
{
    return setField(fieldId(name), value);
}

void TournamentInfo::applyUpdates(const PropertyUpdates &updates)
{
    for (const auto &[field, value] : updates) {
        if (!setField(field, value)) {
            qWarning() << "tournament" << m_id << "update skipped: field" << field
                       << (fieldName(field) ? fieldName(field) : "<unknown>") << "value" << value;
        }
    }
}

bool TournamentInfo::isUnfinished() const
{
    switch (m_status) {
    case Unset:
    case Done:
    case Cancelled:
    case Aborted: return false;
    default: return true;
    }
}

qint64 TournamentInfo::prizePool() const
{
    return qint64(m_bet) * m_registeredPlayers + m_additionalPayoutAmount;
}

qint64 TournamentInfo::prizePool(const TournamentInfo &info)
{
    return info.prizePool();
}

QString TournamentInfo::roundsText() const
{
    // Only the rounds whose length the server gave can be told.
    const std::size_t rounds =
        std::min(std::size_t(std::max(m_numberOfRounds, 0)), m_roundsLength.size());
    if (m_numberOfRounds < 1 || rounds == 0)
        return QString();
    const auto first = m_roundsLength.begin();
    const auto last = first + std::ptrdiff_t(rounds);
    if (std::all_of(first, last, [first](int length) { return length == *first; })) {
        return QCoreApplication::translate("TournamentInfo", "%1x%2")
            .arg(QString::number(m_numberOfRounds), Utils::minutesText(*first));
    }
    qint64 total = 0;
    for (auto it = first; it != last; ++it)
        total += *it;
    return Utils::minutesText(int(std::clamp<qint64>(total, INT_MIN, INT_MAX)));
}

qint64 TournamentInfo::shortestBreak() const
{
    std::optional<qint64> shortest;
    for (std::size_t round = 0; round + 1 < m_roundsStart.size() && round < m_roundsLength.size();
         ++round) {
        const QDateTime &start = m_roundsStart[round];
        const QDateTime &next = m_roundsStart[round + 1];
        if (!start.isValid() || !next.isValid())
            continue;
        const qint64 pause = start.secsTo(next) - m_roundsLength[round];
        if (!shortest || pause < *shortest)
            shortest = pause;
    }
    // Overlapping rounds leave no pause.
    return std::max<qint64>(shortest.value_or(0), 0);
}

QString TournamentInfo::breakText() const
{
    const qint64 pause = shortestBreak();
    if (pause == 0)
        return QStringLiteral("-");
    return Utils::minutesText(int(std::min<qint64>(pause, INT_MAX)));
}

QString TournamentInfo::statusName(int status)
{
    if (status < 0 || status >= int(statusNames.size()))
        return QStringLiteral("<undefined>");
    return QCoreApplication::translate("TournamentInfo", statusNames[std::size_t(status)]);
}

QString TournamentRegisteredInfo::text() const
{
    return QCoreApplication::translate("TournamentInfo", "%1/%2")
        .arg(QString::number(registered), QString::number(maximum));
}
