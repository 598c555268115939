#include "connection/ScoreNames.h"

#include "connection/GameRecords.h"

#include <QCoreApplication>

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

template <std::size_t N>
const char *lookUp(const char *const (&names)[N], qint32 code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= N)
        return nullptr;
    return names[code];
}

} // namespace

QString ScoreNames::name(List list, qint32 code)
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
    return QCoreApplication::translate("Scores", source ? source : unknown);
}

void ScoreNames::nameLines(EndHandPlayer &player)
{
    const std::pair<ScoreLines *, List> lists[] = {{&player.points, List::Points},
                                                   {&player.doubles, List::Doubles},
                                                   {&player.limits, List::Limits},
                                                   {&player.bonuses, List::Bonuses}};
    for (const auto &[lines, list] : lists) {
        for (ScoreLine &line : *lines)
            line.name = name(list, line.code);
    }
}
