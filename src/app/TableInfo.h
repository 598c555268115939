#pragma once

#include "app/TableCapacity.h"
#include "app/TableValue.h"

#include "app/MetaTypes.h"
#include "app/PropertyValue.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <utility>
#include <vector>

class RulesetInfo;

// A table's properties as the server sets them, by property name or by field id.
class TableInfo
{
public:
    // Field ids of the server's property names ("NAME", "RULESET", ...) and updates.
    enum field_t {
        NAME = 0,
        LOBBY_PATH,
        RULESET,
        SEATS,
        PLAYERS,
        BOTS,
        GAME_TYPE,
        SPEED,
        VALUE_KIND,
        BET,
        FEE,
        PLACE_BONUS_1,
        PLACE_BONUS_2,
        PLACE_BONUS_3,
        PLACE_BONUS_4,
        RAKE_PERCENT,
        VALUE_PLAYERS,
        ABORTED,
        WIND_ROUNDS,
        MIN_DOUBLES,
        MAX_DOUBLES,
        PC_INDEX,
        MIN_SCORE,
        START_SCORE,
        MTT_ID,
        FIELD_COUNT
    };

    // Stored game types; EAST_ONLY exists only as the display game type.
    enum game_type_t { SINGLE_HAND = 0, TOURNAMENT = 1, FULL_GAME = 2, EAST_ONLY = 3 };

    // A (field id, value) change; values are integers, booleans or strings.
    using Update = PropertyUpdate;

    TableInfo() = default;
    explicit TableInfo(std::int32_t id) : m_id(id) {}

    // The property name of a field id ("NAME", ...), null for an unknown id.
    static const char *fieldName(int field);
    // The field id of a property name, -1 for an unknown name.
    static int fieldId(QStringView name);

    // A game has at most one round of each prevalent wind.
    static constexpr int MaxWindRounds = 4;

    // Sets one field; false (and nothing changed) for an unknown field, a value of the
    // wrong type, or a seat count, player count or number of wind rounds the rule sets
    // do not allow.
    bool setField(int field, const QVariant &value);
    bool setProperty(QStringView name, const QVariant &value);
    // Sets every field of the list; unknown fields and bad values are logged and skipped.
    void applyUpdates(const PropertyUpdates &updates);

    bool isValid() const { return m_id != -1; }
    std::int32_t id() const { return m_id; }
    void setId(std::int32_t id) { m_id = id; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // "101/Practice": the game id, then the lobby folders.
    QString lobbyPath() const { return m_lobbyPath; }
    void setLobbyPath(const QString &path) { m_lobbyPath = path; }
    int ruleset() const { return m_ruleset; }
    void setRuleset(int ruleset);
    const TableCapacity &capacity() const { return m_capacity; }
    void setCapacity(const TableCapacity &capacity) { m_capacity = capacity; }
    // The game type as the server stores it: 0, 1 or 2, -1 when unset.
    int storedGameType() const { return m_gameType; }
    void setGameType(int gameType) { m_gameType = gameType; }
    // Time per move in milliseconds.
    int speed() const { return m_speed; }
    void setSpeed(int milliseconds) { m_speed = milliseconds; }
    int secondsPerMove() const { return m_speed / 1000; }
    const TableValue &value() const { return m_value; }
    // Keeps the table's rule set in the value.
    void setValue(const TableValue &value);
    int fee() const { return m_value.fee(); }
    bool isAborted() const { return m_aborted; }
    void setAborted(bool aborted) { m_aborted = aborted; }
    int windRounds() const { return m_windRounds; }
    void setWindRounds(int rounds) { m_windRounds = rounds; }
    int minDoubles() const { return m_minDoubles; }
    void setMinDoubles(int doubles) { m_minDoubles = doubles; }
    int maxDoubles() const { return m_maxDoubles; }
    void setMaxDoubles(int doubles) { m_maxDoubles = doubles; }
    // Index of the lowest fan count in the paying chart.
    int pcIndex() const { return m_pcIndex; }
    void setPcIndex(int index) { m_pcIndex = index; }
    // The score at or below which a loss is capped; may be negative.
    int minScore() const { return m_minScore; }
    void setMinScore(int score) { m_minScore = score; }
    int startScore() const { return m_startScore; }
    void setStartScore(int score) { m_startScore = score; }
    // The tournament of a tournament table, -1 for none.
    std::int32_t mttId() const { return m_mttId; }
    void setMttId(std::int32_t id) { m_mttId = id; }

    // The wall constants of the table's rule set; throws std::runtime_error for an
    // unsupported rule set.
    const RulesetInfo &rulesetInfo() const;
    int deadWallSize() const;
    int liveWallSize() const;
    int wallStackLength() const;
    int wallTileCount() const;

    // The display game type: EAST_ONLY for a full game of one wind round.
    int gameType() const;

    // "Classic (8-88 fan(s))"-style rule set text, then the game type suffix.
    QString rulesDisplayText() const;
    // The stake: "Free", or bet and fee.
    QString valueText() const;

    static QString gameTypeText(int gameType);
    static QString gameTypeName(int gameType);
    // " single hand", " tournament", " full game", " east only game": a noun with a
    // leading blank.
    static QString gameTypeSuffix(int gameType);
    static QString rulesetName(int ruleset);
    static QString fanRangeText(int minFan, int maxFan);
    // The rule set name; the Hong Kong rules add the fan range.
    static QString rulesetText(int ruleset, int minFan, int maxFan);
    // The rules text of lobby rows.
    static QString rulesDescription(int ruleset, int minFan, int maxFan);
    static QString secondsPerMoveText(int seconds);

private:
    std::int32_t m_id = -1;
    QString m_name;
    QString m_lobbyPath;
    int m_ruleset = 0;
    TableCapacity m_capacity;
    int m_gameType = -1;
    int m_speed = 0;
    TableValue m_value;
    bool m_aborted = false;
    int m_windRounds = 0;
    int m_minDoubles = 0;
    int m_maxDoubles = 0;
    int m_pcIndex = 0;
    int m_minScore = 0;
    int m_startScore = 0;
    std::int32_t m_mttId = -1;
};

using TableInfoUpdates = PropertyUpdates;

Q_DECLARE_METATYPE(TableInfo)

MAHJONG_REGISTER_METATYPE(TableInfo, TableInfo)
MAHJONG_REGISTER_METATYPE(TableInfoUpdates, TableInfoUpdates)
