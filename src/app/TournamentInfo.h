#pragma once

#include "app/MetaTypes.h"
#include "app/PropertyValue.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <cstdint>
#include <utility>
#include <vector>

// A tournament's properties as the server sets them, by property name or by field id.
class TournamentInfo
{
public:
    enum status_t : int {
        Unset = -1,
        Open = 0,
        Closed = 1,
        Seating = 2,
        Playing = 3,
        Paused = 4,
        Done = 5,
        Cancelled = 6,
        Aborted = 7,
    };

    // Field ids of the server's property names and updates.
    enum field_t {
        PERSISTENT_ID = 0,
        STATUS,
        NAME,
        REGISTERED,
        MIN_PLAYERS,
        MAX_PLAYERS,
        START,
        CLOSE_REGISTER,
        NUMBER_OF_ROUNDS,
        CURRENT_ROUND,
        ROUNDS_START,
        ROUNDS_LENGTH,
        INFO_URL,
        SHORT_INFO_URL,
        RULESET,
        MIN_DOUBLES,
        MAX_DOUBLES,
        BET,
        FEE,
        ADDITIONAL_PAYOUT_AMOUNT,
        FIELD_COUNT
    };

    // A (field id, value) change. Values are integers, strings, times (QDateTime or
    // milliseconds since the epoch), URLs as strings, and for ROUNDS_START and
    // ROUNDS_LENGTH lists of times and of seconds.
    using Update = PropertyUpdate;

    TournamentInfo() = default;
    explicit TournamentInfo(std::int32_t id) : m_id(id) {}

    static const char *fieldName(int field);
    static int fieldId(QStringView name);

    // Sets one field; false (and nothing changed) for an unknown field or a value of
    // the wrong type. Never touches the `registered` flag.
    bool setField(int field, const QVariant &value);
    bool setProperty(QStringView name, const QVariant &value);
    // Sets every field of the list; unknown fields and bad values are logged and skipped.
    void applyUpdates(const PropertyUpdates &updates);

    std::int32_t id() const { return m_id; }
    void setId(std::int32_t id) { m_id = id; }
    std::int32_t persistentId() const { return m_persistentId; }
    void setPersistentId(std::int32_t id) { m_persistentId = id; }
    status_t status() const { return m_status; }
    void setStatus(status_t status) { m_status = status; }
    // Whether the local player is registered; kept by the tournament lobby.
    bool isRegistered() const { return m_registered; }
    void setRegistered(bool registered) { m_registered = registered; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // Registered players.
    int registeredPlayers() const { return m_registeredPlayers; }
    void setRegisteredPlayers(int players) { m_registeredPlayers = players; }
    int minPlayers() const { return m_minPlayers; }
    void setMinPlayers(int players) { m_minPlayers = players; }
    int maxPlayers() const { return m_maxPlayers; }
    void setMaxPlayers(int players) { m_maxPlayers = players; }
    QDateTime start() const { return m_start; }
    void setStart(const QDateTime &start) { m_start = start; }
    QDateTime closeRegister() const { return m_closeRegister; }
    void setCloseRegister(const QDateTime &time) { m_closeRegister = time; }
    int numberOfRounds() const { return m_numberOfRounds; }
    void setNumberOfRounds(int rounds) { m_numberOfRounds = rounds; }
    // Counted from 0.
    int currentRound() const { return m_currentRound; }
    void setCurrentRound(int round) { m_currentRound = round; }
    const std::vector<QDateTime> &roundsStart() const { return m_roundsStart; }
    void setRoundsStart(const std::vector<QDateTime> &starts) { m_roundsStart = starts; }
    // Seconds per round.
    const std::vector<int> &roundsLength() const { return m_roundsLength; }
    void setRoundsLength(const std::vector<int> &lengths) { m_roundsLength = lengths; }
    QUrl infoUrl() const { return m_infoUrl; }
    void setInfoUrl(const QUrl &url) { m_infoUrl = url; }
    QUrl shortInfoUrl() const { return m_shortInfoUrl; }
    void setShortInfoUrl(const QUrl &url) { m_shortInfoUrl = url; }
    int ruleset() const { return m_ruleset; }
    void setRuleset(int ruleset) { m_ruleset = ruleset; }
    int minDoubles() const { return m_minDoubles; }
    void setMinDoubles(int doubles) { m_minDoubles = doubles; }
    int maxDoubles() const { return m_maxDoubles; }
    void setMaxDoubles(int doubles) { m_maxDoubles = doubles; }
    // Cents.
    int bet() const { return m_bet; }
    void setBet(int bet) { m_bet = bet; }
    int fee() const { return m_fee; }
    void setFee(int fee) { m_fee = fee; }
    int additionalPayoutAmount() const { return m_additionalPayoutAmount; }
    void setAdditionalPayoutAmount(int amount) { m_additionalPayoutAmount = amount; }

    // False once the tournament is over (or its status was never set).
    bool isUnfinished() const;
    // Bets of the registered players plus the additional payout, in cents.
    qint64 prizePool() const;
    static qint64 prizePool(const TournamentInfo &info);

    // "3x20 min(s)" for rounds of one length, else the total length; empty without rounds.
    QString roundsText() const;
    // The shortest pause between two rounds, "-" when there is none.
    QString breakText() const;
    static QString statusName(int status);

private:
    // Seconds of the shortest pause between two rounds, 0 when there is none.
    qint64 shortestBreak() const;

    std::int32_t m_id = -1;
    std::int32_t m_persistentId = -1;
    status_t m_status = Unset;
    bool m_registered = false;
    QString m_name;
    int m_registeredPlayers = 0;
    int m_minPlayers = 0;
    int m_maxPlayers = 0;
    QDateTime m_start;
    QDateTime m_closeRegister;
    int m_numberOfRounds = 0;
    int m_currentRound = 0;
    std::vector<QDateTime> m_roundsStart;
    std::vector<int> m_roundsLength;
    QUrl m_infoUrl;
    QUrl m_shortInfoUrl;
    int m_ruleset = 0;
    int m_minDoubles = 0;
    int m_maxDoubles = 0;
    int m_bet = 0;
    int m_fee = 0;
    int m_additionalPayoutAmount = 0;
};

// The same type as TableInfoUpdates.
using TournamentInfoUpdates = PropertyUpdates;

// Registered and maximum players of a tournament, ordered as a pair.
struct TournamentRegisteredInfo
{
    TournamentRegisteredInfo() = default;
    TournamentRegisteredInfo(int registered, int maximum) : registered(registered), maximum(maximum)
    {
    }

    int registered = 0;
    int maximum = 0;

    // "12/64".
    QString text() const;

    friend bool operator<(const TournamentRegisteredInfo &a, const TournamentRegisteredInfo &b)
    {
        return std::make_pair(a.registered, a.maximum) < std::make_pair(b.registered, b.maximum);
    }
    friend bool operator==(const TournamentRegisteredInfo &a, const TournamentRegisteredInfo &b)
    {
        return a.registered == b.registered && a.maximum == b.maximum;
    }
};

// Two amounts of a tournament's cost, ordered by their sum.
struct TournamentCost
{
    TournamentCost() = default;
    TournamentCost(std::int32_t first, std::int32_t second) : first(first), second(second) {}

    std::int32_t first = -1;
    std::int32_t second = 0;

    qint64 sum() const { return qint64(first) + second; }

    friend bool operator<(const TournamentCost &a, const TournamentCost &b)
    {
        return a.sum() < b.sum();
    }
    friend bool operator==(const TournamentCost &a, const TournamentCost &b)
    {
        return a.first == b.first && a.second == b.second;
    }
};

Q_DECLARE_METATYPE(TournamentInfo)
Q_DECLARE_METATYPE(TournamentInfo::status_t)
Q_DECLARE_METATYPE(TournamentRegisteredInfo)
Q_DECLARE_METATYPE(TournamentCost)

MAHJONG_REGISTER_METATYPE(TournamentInfo, TournamentInfo)
MAHJONG_REGISTER_METATYPE(TournamentInfo::status_t, tournamentStatus)
MAHJONG_REGISTER_METATYPE(TournamentInfoUpdates, TournamentInfoUpdates)
MAHJONG_REGISTER_METATYPE(TournamentRegisteredInfo, TournamentRegisteredInfo)
MAHJONG_REGISTER_METATYPE(TournamentCost, TournamentCost)
