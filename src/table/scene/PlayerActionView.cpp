#include "table/scene/PlayerActionView.h"

#include "app/RulesetInfo.h"
#include "app/meld.h"

#include <QDebug>
#include <QTransform>

#include <stdexcept>

PlayerActionView::PlayerActionView(int seat, QGraphicsItem *parent)
    : QGraphicsPixmapItem(parent), m_seat(seat)
{
    setTransformationMode(Qt::SmoothTransformation);
}

void PlayerActionView::setAction(int action, int detail)
{
    m_action = action;
    m_detail = detail;
    refresh();
}

void PlayerActionView::setRulesetId(int rulesetId)
{
    m_rulesetId = rulesetId;
    refresh();
}

void PlayerActionView::setAnchorMode(int mode)
{
    m_anchorMode = mode;
    refresh();
}

void PlayerActionView::setScale(double scale)
{
    m_scale = scale;
    refresh();
}

bool PlayerActionView::isRiichiRuleset() const
{
    try {
        return RulesetInfoInstance(m_rulesetId).isRiichi() != 0;
    } catch (const std::exception &) {
        qWarning() << "claim image for unsupported rule set" << m_rulesetId
                   << "shown in the plain words";
        return false;
    }
}

void PlayerActionView::refresh()
{
    const auto riichiOr = [this](const char *riichi, const char *plain) {
        return QString::fromLatin1(isRiichiRuleset() ? riichi : plain);
    };
    QString name;
    switch (m_action) {
    case CHOW:
        name = riichiOr("claim-chii", "claim-chow");
        break;
    case PONG:
        name = riichiOr("claim-pon", "claim-pong");
        break;
    case KONG:
        name = riichiOr("claim-kan", "claim-kong");
        break;
    case MAHJONG:
        name = m_detail == 2   ? QStringLiteral("claim-ron")
               : m_detail == 3 ? QStringLiteral("claim-tsumo")
                               : QStringLiteral("claim-mahjong-game-view");
        break;
    case RIICHI:
        name = QStringLiteral("claim-riichi");
        break;
    default:
        break;
    }
    m_imagePath = name.isEmpty() ? QString() : QStringLiteral("textimages:%1.png").arg(name);
    const QPixmap image = m_imagePath.isEmpty() ? QPixmap() : QPixmap(m_imagePath);
    setPixmap(image);

    const double w = image.width();
    const double h = image.height();
    QTransform transform;
    if (m_anchorMode == 1)
        transform *= QTransform::fromTranslate(-w / 2, -h / 2);
    if (m_seat == 1)
        transform *= QTransform().rotate(270);
    else if (m_seat == 3)
        transform *= QTransform().rotate(90);
    if (m_anchorMode == 0) {
        switch (m_seat) {
        case 0:
            transform *= QTransform::fromTranslate(-w, 0);
            break;
        case 1:
            transform *= QTransform::fromTranslate(0, w);
            break;
        case 2:
            transform *= QTransform::fromTranslate(0, -h);
            break;
        case 3:
            transform *= QTransform::fromTranslate(0, -w);
            break;
        default:
            break;
        }
    }
    transform *= QTransform::fromScale(1.5 * m_scale, 1.5 * m_scale);
    setTransform(transform);
}
