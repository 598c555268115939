#pragma once

#include "app/RulesetInfo.h"

#include <QString>

struct EndHandPlayer;

// The names of the score lines of an end-of-hand result, by the codes the server sends,
// translated in the context "Scores".
namespace ScoreNames {

enum class List { Points, Doubles, Limits, Bonuses };

// The translated name of a code in the words of the rule family; "UNKNOWN SCORE NAME",
// "UNKNOWN DOUBLE NAME", "UNKNOWN LIMIT NAME" or "UNKNOWN BONUS NAME" for a code
// without a name.
QString name(List list, qint32 code, RuleFamily family = RuleFamily::Riichi);

// Names every score line of the row by its code, in the current language and the words
// of the rule family.
void nameLines(EndHandPlayer &player, RuleFamily family = RuleFamily::Riichi);

} // namespace ScoreNames
