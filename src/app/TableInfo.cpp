#include "app/TableInfo.h"

#include "app/PropertyValue.h"
#include "app/RulesetInfo.h"

#include <QCoreApplication>
#include <QDebug>

#include <array>

namespace {

constexpr std::array<const char *, TableInfo::FIELD_COUNT> fieldNames = {
    "NAME", "LOBBY_PATH", "RULESET", "SEATS", "PLAYERS", "BOTS", "GAME_TYPE", "SPEED",
    "VALUE_KIND", "BET", "FEE", "PLACE_BONUS_1", "PLACE_BONUS_2", "PLACE_BONUS_3",
    "PLACE_BONUS_4", "RAKE_PERCENT", "VALUE_PLAYERS", "ABORTED", "WIND_ROUNDS", "MIN_DOUBLES",
    "MAX_DOUBLES", "PC_INDEX", "MIN_SCORE", "START_SCORE", "MTT_ID",
};

QString undefinedText()
{
    return QStringLiteral("<undefined>");
}

template <std::size_t N>
QString translatedEntry(const std::array<const char *, N> &texts, int index)
{
    if (index < 0 || index >= int(N))
        return undefinedText();
    return QCoreApplication::translate("TableInfo", texts[std::size_t(index)]);
}

constexpr std::array<const char *, 4> gameTypeNames = {
    QT_TRANSLATE_NOOP("TableInfo", "Single hand"),
    QT_TRANSLATE_NOOP("TableInfo", "Tournament"),
    QT_TRANSLATE_NOOP("TableInfo", "Full game"),
    QT_TRANSLATE_NOOP("TableInfo", "East only"),
};

constexpr std::array<const char *, 4> gameTypeSuffixes = {
    QT_TRANSLATE_NOOP("TableInfo", " single hand"),
    QT_TRANSLATE_NOOP("TableInfo", " tournament"),
    QT_TRANSLATE_NOOP("TableInfo", " full game"),
    QT_TRANSLATE_NOOP("TableInfo", " east only game"),
};

constexpr std::array<const char *, RulesetInfo::Count> rulesetNames = {
    QT_TRANSLATE_NOOP("TableInfo", "Classic"),
    QT_TRANSLATE_NOOP("TableInfo", "MCR"),
    QT_TRANSLATE_NOOP("TableInfo", "EMA Riichi"),
    QT_TRANSLATE_NOOP("TableInfo", "Japanese Riichi"),
    QT_TRANSLATE_NOOP("TableInfo", "Kansai Riichi"),
    QT_TRANSLATE_NOOP("TableInfo", "Hong Kong"),
};

} // namespace

const char *TableInfo::fieldName(int field)
{
    return PropertyValue::fieldName(fieldNames, field);
}

int TableInfo::fieldId(QStringView name)
{
    return PropertyValue::fieldId(fieldNames, name);
}

bool TableInfo::setField(int field, const QVariant &value)
{
    switch (field) {
    case NAME:
    case LOBBY_PATH: {
        const auto text = PropertyValue::toString(value);
        if (!text)
            return false;
        (field == NAME ? m_name : m_lobbyPath) = *text;
        return true;
    }
    case ABORTED: {
        const auto flag = PropertyValue::toBool(value);
        if (!flag)
            return false;
        m_aborted = *flag;
        return true;
    }
    default:
        break;
    }

    const auto number = PropertyValue::toInt(value);
    if (!number)
        return false;
    const int n = *number;
    // The preview and the side bar build one widget per seat, and the duration
    // multiplies the rounds.
    const auto within = [n](int least, int most) { return n >= least && n <= most; };
    switch (field) {
    case SEATS:
        if (!within(TableCapacity::MinSeats, TableCapacity::MaxSeats))
            return false;
        break;
    case PLAYERS:
    case BOTS:
        if (!within(0, TableCapacity::MaxSeats))
            return false;
        break;
    case WIND_ROUNDS:
        if (!within(0, MaxWindRounds))
            return false;
        break;
    default:
        break;
    }
    switch (field) {
    case RULESET: setRuleset(n); break;
    case SEATS: m_capacity = TableCapacity(n, m_capacity.players(), m_capacity.bots()); break;
    case PLAYERS: m_capacity.setPlayers(n); break;
    case BOTS: m_capacity = TableCapacity(m_capacity.seats(), m_capacity.players(), n); break;
    case GAME_TYPE: m_gameType = n; break;
    case SPEED: m_speed = n; break;
    case VALUE_KIND: m_value.setKind(n); break;
    case BET: m_value.setBet(n); break;
    case FEE: m_value.setFee(n); break;
    case PLACE_BONUS_1:
    case PLACE_BONUS_2:
    case PLACE_BONUS_3:
    case PLACE_BONUS_4: m_value.setPlaceBonus(field - PLACE_BONUS_1, n); break;
    case RAKE_PERCENT: m_value.setRakePercent(n); break;
    case VALUE_PLAYERS: m_value.setPlayers(n); break;
    case WIND_ROUNDS: m_windRounds = n; break;
    case MIN_DOUBLES: m_minDoubles = n; break;
    case MAX_DOUBLES: m_maxDoubles = n; break;
    case PC_INDEX: m_pcIndex = n; break;
    case MIN_SCORE: m_minScore = n; break;
    case START_SCORE: m_startScore = n; break;
    case MTT_ID: m_mttId = n; break;
    default: return false;
    }
    return true;
}

bool TableInfo::setProperty(QStringView name, const QVariant &value)
{
    return setField(fieldId(name), value);
}

void TableInfo::applyUpdates(const PropertyUpdates &updates)
{
    for (const auto &[field, value] : updates) {
        if (!setField(field, value)) {
            qWarning() << "table" << m_id << "update skipped: field" << field
                       << (fieldName(field) ? fieldName(field) : "<unknown>") << "value" << value;
        }
    }
}

void TableInfo::setRuleset(int ruleset)
{
    m_ruleset = ruleset;
    m_value.setRuleset(ruleset);
}

void TableInfo::setValue(const TableValue &value)
{
    m_value = value;
    m_value.setRuleset(m_ruleset);
}

const RulesetInfo &TableInfo::rulesetInfo() const
{
    return RulesetInfoInstance(m_ruleset);
}

int TableInfo::deadWallSize() const
{
    return rulesetInfo().deadWallSize();
}

int TableInfo::liveWallSize() const
{
    return rulesetInfo().liveWallSize();
}

int TableInfo::wallStackLength() const
{
    return rulesetInfo().wallStackLength();
}

int TableInfo::wallTileCount() const
{
    return liveWallSize() + deadWallSize();
}

int TableInfo::gameType() const
{
    if (m_gameType == FULL_GAME && m_windRounds == 1)
        return EAST_ONLY;
    return m_gameType;
}

QString TableInfo::rulesDisplayText() const
{
    return rulesetText(m_ruleset, m_minDoubles, m_maxDoubles) + gameTypeSuffix(gameType());
}

QString TableInfo::valueText() const
{
    if (m_value.isFree())
        return QCoreApplication::translate("TableInfo", "Free");
    return m_value.buyInText();
}

QString TableInfo::gameTypeText(int gameType)
{
    return translatedEntry(gameTypeNames, gameType);
}

QString TableInfo::gameTypeName(int gameType)
{
    return translatedEntry(gameTypeNames, gameType);
}

QString TableInfo::gameTypeSuffix(int gameType)
{
    return translatedEntry(gameTypeSuffixes, gameType);
}

QString TableInfo::rulesetName(int ruleset)
{
    return translatedEntry(rulesetNames, ruleset);
}

QString TableInfo::fanRangeText(int minFan, int maxFan)
{
    return QCoreApplication::translate("TableInfo", "%1-%n fan(s)", nullptr, maxFan).arg(minFan);
}

QString TableInfo::rulesetText(int ruleset, int minFan, int maxFan)
{
    if (ruleset == RulesetInfo::HONG_KONG)
        return QCoreApplication::translate("TableInfo", "%1 (%2)")
            .arg(rulesetName(ruleset), fanRangeText(minFan, maxFan));
    return rulesetName(ruleset);
}

QString TableInfo::rulesDescription(int ruleset, int minFan, int maxFan)
{
    if (ruleset == RulesetInfo::MCR)
        return QCoreApplication::translate("TableInfo", "%1/Chinese Official/International")
            .arg(rulesetName(ruleset));
    return rulesetText(ruleset, minFan, maxFan);
}

QString TableInfo::secondsPerMoveText(int seconds)
{
    return QCoreApplication::translate("TableInfo", "%Ln second(s)", nullptr, seconds);
}
