#include "app/TableValue.h"

#include "app/RulesetInfo.h"
#include "app/Utils.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace {

QString money(qint64 amount)
{
    return Utils::moneyText(amount, false);
}

} // namespace

std::int32_t TableValue::placeBonus(int place) const
{
    if (place < 0 || place >= PlaceCount)
        return 0;
    return m_placeBonus[static_cast<std::size_t>(place)];
}

void TableValue::setPlaceBonus(int place, std::int32_t bonus)
{
    if (place >= 0 && place < PlaceCount)
        m_placeBonus[static_cast<std::size_t>(place)] = bonus;
}

qint64 TableValue::total() const
{
    switch (m_kind) {
    case 1: return qint64(m_bet) + m_fee + feedingPenalty();
    case 2:
    case 4:
    case 5: return qint64(m_bet) + m_fee;
    case 3: return qint64(m_bet) + m_fee + maxPlacePenalty();
    default: return 0;
    }
}

bool TableValue::isFree() const
{
    return total() == 0;
}

int TableValue::buyIn() const
{
    return isMoneyKind() ? m_bet + m_fee : 0;
}

qint64 TableValue::feedingPenalty() const
{
    if (m_kind != 1)
        return 0;
    // Fewer than two players (an unfilled record) owe nothing.
    return qint64(std::max(m_players - 2, 0)) * m_bet / 2;
}

bool TableValue::hasFeedingPenalty() const
{
    return m_kind == 1 && feedingPenalty() != 0;
}

qint64 TableValue::maxPlacePenalty() const
{
    return -qint64(std::min({m_placeBonus[1], m_placeBonus[2], m_placeBonus[3]}));
}

bool TableValue::hasPlaceBonus() const
{
    return m_placeBonus[0] != 0;
}

qint64 TableValue::maxWinBeforeRake() const
{
    if (m_kind == 4 && m_ruleset == RulesetInfo::HONG_KONG)
        return std::max(2 * qint64(m_bet), m_bet + qint64(m_players - 1) * (m_bet / 2));
    qint64 win = qint64(m_players) * m_bet;
    if (m_kind == 3)
        win += m_placeBonus[0];
    return win;
}

qint64 TableValue::lessRake(qint64 amount) const
{
    return amount - amount * m_rakePercent / 100;
}

int TableValue::maxWin() const
{
    return static_cast<int>(std::clamp<qint64>(lessRake(maxWinBeforeRake()), INT_MIN, INT_MAX));
}

qint64 TableValue::netPot() const
{
    if (!isMoneyKind())
        return 0;
    return lessRake(qint64(m_players) * m_bet);
}

QString TableValue::totalText() const
{
    return money(total());
}

QString TableValue::feedingPenaltyText() const
{
    return money(feedingPenalty());
}

QStringList TableValue::placeBonusTexts() const
{
    static const std::array<const char *, PlaceCount> places = {
        QT_TRANSLATE_NOOP("TableValue", "1st %1"),
        QT_TRANSLATE_NOOP("TableValue", "2nd %1"),
        QT_TRANSLATE_NOOP("TableValue", "3rd %1"),
        QT_TRANSLATE_NOOP("TableValue", "4th %1"),
    };
    QStringList texts;
    for (std::size_t place = 0; place < places.size(); ++place) {
        if (m_placeBonus[place] != 0)
            texts << QCoreApplication::translate("TableValue", places[place])
                .arg(money(m_placeBonus[place]));
    }
    return texts;
}

QString TableValue::buyInText() const
{
    return QCoreApplication::translate("TableValue", "%1 + %2").arg(money(m_bet), money(m_fee));
}

QString TableValue::betText() const
{
    return QCoreApplication::translate("TableValue", "%1 (%2) + %3")
        .arg(money(m_bet), money(total() - m_fee), money(m_fee));
}

QString TableValue::maxWinText() const
{
    const qint64 net = maxWin();
    const qint64 gross = maxWinBeforeRake();
    if (net == gross)
        return money(net);
    return QCoreApplication::translate("TableValue", "%1 (%2 before rake)")
        .arg(money(net), money(gross));
}

QString TableValue::amountText(int amount)
{
    if (amount == 0)
        return QCoreApplication::translate("TableValue", "-");
    return money(amount);
}

QString TableValue::optionalAmountText(int amount)
{
    if (amount == 0)
        return QCoreApplication::translate("TableValue", "-", "no optional amount");
    return money(amount);
}

bool operator==(const TableValue &a, const TableValue &b)
{
    return a.m_kind == b.m_kind && a.m_bet == b.m_bet && a.m_placeBonus == b.m_placeBonus
        && a.m_fee == b.m_fee && a.m_rakePercent == b.m_rakePercent
        && a.m_players == b.m_players && a.m_ruleset == b.m_ruleset;
}
