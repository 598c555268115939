#include "lobby/ColumnTypes.h"

#include "app/TableInfo.h"

QString RulesColumnType::text() const
{
    return TableInfo::rulesetText(ruleset, minFan, maxFan);
}
