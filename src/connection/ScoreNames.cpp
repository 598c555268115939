#include "connection/ScoreNames.h"

#include "connection/GameRecords.h"

#include <QCoreApplication>

#include <cstring>
#include <iterator>

namespace {

// The code of a name is its index in its list; codes are only ever appended.
const char *const pointNames[] = {
    QT_TRANSLATE_NOOP("Scores", "Base points"),
    QT_TRANSLATE_NOOP("Scores", "Concealed ron"),
    QT_TRANSLATE_NOOP("Scores", "Self-drawn"),
    QT_TRANSLATE_NOOP("Scores", "Exposed pung of simples"),
    QT_TRANSLATE_NOOP("Scores", "Concealed pung of simples"),
    QT_TRANSLATE_NOOP("Scores", "Exposed pung of terminals or honours"),
    QT_TRANSLATE_NOOP("Scores", "Concealed pung of terminals or honours"),
    QT_TRANSLATE_NOOP("Scores", "Exposed kong of simples"),
    QT_TRANSLATE_NOOP("Scores", "Concealed kong of simples"),
    QT_TRANSLATE_NOOP("Scores", "Exposed kong of terminals or honours"),
    QT_TRANSLATE_NOOP("Scores", "Concealed kong of terminals or honours"),
    QT_TRANSLATE_NOOP("Scores", "Pair of dragons"),
    QT_TRANSLATE_NOOP("Scores", "Pair of seat wind"),
    QT_TRANSLATE_NOOP("Scores", "Pair of prevalent wind"),
    QT_TRANSLATE_NOOP("Scores", "Edge wait"),
    QT_TRANSLATE_NOOP("Scores", "Closed wait"),
    QT_TRANSLATE_NOOP("Scores", "Pair wait"),
    QT_TRANSLATE_NOOP("Scores", "Bonus tile"),
};

const char *const doubleNames[] = {
    QT_TRANSLATE_NOOP("Scores", "Riichi"),
    QT_TRANSLATE_NOOP("Scores", "Double riichi"),
    QT_TRANSLATE_NOOP("Scores", "Ippatsu"),
    QT_TRANSLATE_NOOP("Scores", "Fully concealed hand"),
    QT_TRANSLATE_NOOP("Scores", "Pinfu"),
    QT_TRANSLATE_NOOP("Scores", "All simples"),
    QT_TRANSLATE_NOOP("Scores", "Pure double chow"),
    QT_TRANSLATE_NOOP("Scores", "Dragon pung"),
    QT_TRANSLATE_NOOP("Scores", "Seat wind"),
    QT_TRANSLATE_NOOP("Scores", "Prevalent wind"),
    QT_TRANSLATE_NOOP("Scores", "Robbing a kong"),
    QT_TRANSLATE_NOOP("Scores", "After a kong"),
    QT_TRANSLATE_NOOP("Scores", "Last tile from the wall"),
    QT_TRANSLATE_NOOP("Scores", "Last discard"),
    QT_TRANSLATE_NOOP("Scores", "Mixed triple chow"),
    QT_TRANSLATE_NOOP("Scores", "Pure straight"),
    QT_TRANSLATE_NOOP("Scores", "Outside hand"),
    QT_TRANSLATE_NOOP("Scores", "All pungs"),
    QT_TRANSLATE_NOOP("Scores", "Three concealed pungs"),
    QT_TRANSLATE_NOOP("Scores", "Triple pung"),
    QT_TRANSLATE_NOOP("Scores", "Three kongs"),
    QT_TRANSLATE_NOOP("Scores", "Seven pairs"),
    QT_TRANSLATE_NOOP("Scores", "All terminals and honours"),
    QT_TRANSLATE_NOOP("Scores", "Little three dragons"),
    QT_TRANSLATE_NOOP("Scores", "Half flush"),
    QT_TRANSLATE_NOOP("Scores", "Twice pure double chow"),
    QT_TRANSLATE_NOOP("Scores", "Terminals in all sets"),
    QT_TRANSLATE_NOOP("Scores", "Full flush"),
    QT_TRANSLATE_NOOP("Scores", "Dora"),
    QT_TRANSLATE_NOOP("Scores", "Ura dora"),
    QT_TRANSLATE_NOOP("Scores", "Red five"),
};

const char *const limitNames[] = {
    QT_TRANSLATE_NOOP("Scores", "Thirteen orphans"),
    QT_TRANSLATE_NOOP("Scores", "Nine gates"),
    QT_TRANSLATE_NOOP("Scores", "Four concealed pungs"),
    QT_TRANSLATE_NOOP("Scores", "Big three dragons"),
    QT_TRANSLATE_NOOP("Scores", "Little four winds"),
    QT_TRANSLATE_NOOP("Scores", "Big four winds"),
    QT_TRANSLATE_NOOP("Scores", "All honours"),
    QT_TRANSLATE_NOOP("Scores", "All terminals"),
    QT_TRANSLATE_NOOP("Scores", "All green"),
    QT_TRANSLATE_NOOP("Scores", "Four kongs"),
    QT_TRANSLATE_NOOP("Scores", "Blessing of heaven"),
    QT_TRANSLATE_NOOP("Scores", "Blessing of earth"),
    QT_TRANSLATE_NOOP("Scores", "Counted limit hand"),
};

const char *const bonusNames[] = {
    QT_TRANSLATE_NOOP("Scores", "Flower"),
    QT_TRANSLATE_NOOP("Scores", "Season"),
    QT_TRANSLATE_NOOP("Scores", "All flowers"),
    QT_TRANSLATE_NOOP("Scores", "All seasons"),
    QT_TRANSLATE_NOOP("Scores", "Riichi sticks"),
    QT_TRANSLATE_NOOP("Scores", "Counter sticks"),
};

struct Text
{
    const char *source;
    const char *comment;
};

// A name with words of its own in some rule families: the text those families read (its
// source and the disambiguation that tells its translation apart), the families, and
// the riichi name where English has another word in those families.
struct FamilyText
{
    Text text;
    bool classicHongKong;
    bool mcr;
    const char *riichi = nullptr;
};

// Chinese players name these hands by the Chinese names, where riichi players have the
// Japanese ones; MCR names the last tiles, its fans and its 88- and 64-fan hands by its
// own fan list, and Classic and Hong Kong players name the last tile from the wall as
// Chinese players do. English says "Pinfu" at riichi tables only.
const FamilyText familyTexts[] = {
    {QT_TRANSLATE_NOOP3("Scores", "All chows", "Chinese rule sets"), true, true, "Pinfu"},
    {QT_TRANSLATE_NOOP3("Scores", "Fully concealed hand", "Chinese rule sets"), true, true},
    {QT_TRANSLATE_NOOP3("Scores", "After a kong", "Chinese rule sets"), true, true},
    {QT_TRANSLATE_NOOP3("Scores", "Thirteen orphans", "Chinese rule sets"), true, true},
    {QT_TRANSLATE_NOOP3("Scores", "Last tile from the wall", "Classic and Hong Kong"), true, false},
    {QT_TRANSLATE_NOOP3("Scores", "Last tile from the wall", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Last discard", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "All pungs", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Seven pairs", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "All simples", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Dragon pung", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Seat wind", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Prevalent wind", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Pure double chow", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Mixed triple chow", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Pure straight", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Outside hand", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Triple pung", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Three kongs", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "All terminals and honours", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Robbing a kong", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "All terminals", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "Four kongs", "MCR"), false, true},
    {QT_TRANSLATE_NOOP3("Scores", "UNKNOWN LIMIT NAME", "Classic and Hong Kong"), true, false},
    {QT_TRANSLATE_NOOP3("Scores", "UNKNOWN LIMIT NAME", "MCR"), false, true},
};

// The text the family reads for the riichi name: the common text where the family has
// no variant.
Text familyText(const char *source, RuleFamily family)
{
    for (const FamilyText &variant : familyTexts) {
        const bool read = (family == RuleFamily::ClassicHongKong && variant.classicHongKong) ||
                          (family == RuleFamily::Mcr && variant.mcr);
        if (read && std::strcmp(variant.riichi ? variant.riichi : variant.text.source, source) == 0)
            return variant.text;
    }
    return {source, nullptr};
}

template <std::size_t N>
const char *lookUp(const char *const (&names)[N], qint32 code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= N)
        return nullptr;
    return names[code];
}

} // namespace

QString ScoreNames::name(List list, qint32 code, RuleFamily family)
{
    const char *source = nullptr;
    const char *unknown = nullptr;
    switch (list) {
    case List::Points:
        source = lookUp(pointNames, code);
        unknown = QT_TRANSLATE_NOOP("Scores", "UNKNOWN SCORE NAME");
        break;
    case List::Doubles:
        source = lookUp(doubleNames, code);
        unknown = QT_TRANSLATE_NOOP("Scores", "UNKNOWN DOUBLE NAME");
        break;
    case List::Limits:
        source = lookUp(limitNames, code);
        unknown = QT_TRANSLATE_NOOP("Scores", "UNKNOWN LIMIT NAME");
        break;
    case List::Bonuses:
        source = lookUp(bonusNames, code);
        unknown = QT_TRANSLATE_NOOP("Scores", "UNKNOWN BONUS NAME");
        break;
    }
    const Text text = familyText(source ? source : unknown, family);
    return QCoreApplication::translate("Scores", text.source, text.comment);
}

void ScoreNames::nameLines(EndHandPlayer &player, RuleFamily family)
{
    const std::pair<ScoreLines *, List> lists[] = {{&player.points, List::Points},
                                                   {&player.doubles, List::Doubles},
                                                   {&player.limits, List::Limits},
                                                   {&player.bonuses, List::Bonuses}};
    for (const auto &[lines, list] : lists) {
        for (ScoreLine &line : *lines)
            line.name = name(list, line.code, family);
    }
}
