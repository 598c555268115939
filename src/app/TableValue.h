#pragma once

#include "app/MetaTypes.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The money terms of a table, amounts in cents. The settlement kind (1 to 5) says how
// the amounts combine; kind 0 is a table without money terms. Kind 1 adds a feeding
// penalty, kind 3 place bonuses, and kind 4 pays differently under the Hong Kong rules.
class TableValue
{
public:
    static constexpr int PlaceCount = 4;

    TableValue() = default;

    std::int32_t kind() const { return m_kind; }
    void setKind(std::int32_t kind) { m_kind = kind; }
    std::int32_t bet() const { return m_bet; }
    void setBet(std::int32_t bet) { m_bet = bet; }
    std::int32_t fee() const { return m_fee; }
    void setFee(std::int32_t fee) { m_fee = fee; }
    // The house's share of the pot, in per cent.
    std::int32_t rakePercent() const { return m_rakePercent; }
    void setRakePercent(std::int32_t percent) { m_rakePercent = percent; }
    // The number of players the amounts are computed for.
    std::int32_t players() const { return m_players; }
    void setPlayers(std::int32_t players) { m_players = players; }
    // The table's rule set, which decides the maximum win of kind 4.
    std::int32_t ruleset() const { return m_ruleset; }
    void setRuleset(std::int32_t ruleset) { m_ruleset = ruleset; }

    // Bonus of a place, 0 being the first; lower places are negative. 0 for other places.
    std::int32_t placeBonus(int place) const;
    void setPlaceBonus(int place, std::int32_t bonus);

    // The most the player can lose.
    qint64 total() const;
    bool isFree() const;
    // Bet and fee of a money table.
    int buyIn() const;
    // Kind 1: what a player pays for feeding another's win.
    qint64 feedingPenalty() const;
    bool hasFeedingPenalty() const;
    // The largest place penalty, as a positive amount.
    qint64 maxPlacePenalty() const;
    bool hasPlaceBonus() const;
    // The most the player can win, after the rake.
    int maxWin() const;
    // The pot after the rake.
    qint64 netPot() const;

    QString totalText() const;
    QString feedingPenaltyText() const;
    // "1st $10", "2nd -$5", ... for the places with a bonus.
    QStringList placeBonusTexts() const;
    // "bet + fee".
    QString buyInText() const;
    // "bet (cost without the fee) + fee".
    QString betText() const;
    // The maximum win, with the amount before the rake when the rake changes it.
    QString maxWinText() const;

    // The money text of an amount, "-" for none.
    static QString amountText(int amount);
    static QString optionalAmountText(int amount);

    friend bool operator==(const TableValue &a, const TableValue &b);
    friend bool operator!=(const TableValue &a, const TableValue &b) { return !(a == b); }

private:
    bool isMoneyKind() const { return m_kind >= 1 && m_kind <= 5; }
    qint64 maxWinBeforeRake() const;
    qint64 lessRake(qint64 amount) const;

    std::int32_t m_kind = 0;
    std::int32_t m_bet = 0;
    std::array<std::int32_t, PlaceCount> m_placeBonus{};
    std::int32_t m_fee = 0;
    std::int32_t m_rakePercent = 0;
    std::int32_t m_players = 0;
    std::int32_t m_ruleset = 0;
};

Q_DECLARE_METATYPE(TableValue)

MAHJONG_REGISTER_METATYPE(TableValue, TableValue)
