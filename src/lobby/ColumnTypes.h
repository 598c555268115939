#pragma once

#include "app/MetaTypes.h"
#include "app/TableValue.h"

#include <QMetaType>
#include <QString>

#include <cstdint>

// The value of a lobby row's rules column: the rule set and its fan range.
struct RulesColumnType
{
    std::int32_t ruleset = 0;
    std::int32_t minFan = 0;
    std::int32_t maxFan = 0;

    // The translated rule set name (with the fan range for the Hong Kong rules).
    QString text() const;

    friend bool operator==(const RulesColumnType &a, const RulesColumnType &b)
    {
        return a.ruleset == b.ruleset && a.minFan == b.minFan && a.maxFan == b.maxFan;
    }
};

// The value of a lobby row's bet column: the table's money terms.
struct ValueColumnType
{
    TableValue value;

    int buyIn() const { return value.buyIn(); }

    friend bool operator==(const ValueColumnType &a, const ValueColumnType &b)
    {
        return a.value == b.value;
    }
};

Q_DECLARE_METATYPE(RulesColumnType)
Q_DECLARE_METATYPE(ValueColumnType)

MAHJONG_REGISTER_METATYPE(RulesColumnType, RulesColumnType)
MAHJONG_REGISTER_METATYPE(ValueColumnType, ValueColumnType)
