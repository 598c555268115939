#pragma once

#include <QMetaType>
#include <QString>

#include <any>
#include <map>
#include <vector>

// One player's standing in a tournament.
struct TournamentRanking
{
    qint32 pid = -1;
    QString screenName;
    qint32 table_points = 0; // half points
    qint32 competition_points = 0;
    bool flag = false;
    qint64 payout = 0; // smallest money unit, 0 when none
};
using TournamentRankings = std::vector<TournamentRanking>;

// An inclusive range of numbers. A range lies before another when both its bounds lie
// below the other's first bound, so ranges that do not overlap are ordered.
template <typename T>
struct Range
{
    Range() = default;
    Range(T first, T last) : first(first), last(last) {}

    T first{};
    T last{};
};

template <typename T>
bool operator<(const Range<T> &a, const Range<T> &b)
{
    return a.first < b.first && a.last < b.first;
}

template <typename T>
bool operator==(const Range<T> &a, const Range<T> &b)
{
    return a.first == b.first && a.last == b.last;
}

// Finishing positions, first and last inclusive.
using position_range_t = Range<int>;

// The prize of each range of finishing positions; a value holds a pot_share_t or
// another prize kind of the protocol.
using prize_structure_t = std::map<position_range_t, std::any>;

// The prize structure that applies to each range of registered-player counts.
using tournament_prize_configuration_t = std::map<Range<int>, prize_structure_t>;

// The requirements of a tournament that the player does not meet; 0 is a real-money
// deposit.
struct extended_tournament_register_response
{
    std::vector<int> requirements;
};

Q_DECLARE_METATYPE(TournamentRanking)
Q_DECLARE_METATYPE(TournamentRankings)
Q_DECLARE_METATYPE(position_range_t)
Q_DECLARE_METATYPE(prize_structure_t)
Q_DECLARE_METATYPE(tournament_prize_configuration_t)
Q_DECLARE_METATYPE(extended_tournament_register_response)
