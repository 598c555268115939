#include "lobby/TablePreview.h"

#include "app/RulesetInfo.h"
#include "app/Utils.h"
#include "connection/ConnectionManager.h"
#include "lobby/TableModel.h"

#include "ui_TablePreview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStandardItemModel>

#include <algorithm>

const int TablePreview::payingChartPoints[PayingChartSize] = {2, 8, 16, 24, 32, 48, 64, 96, 128,
                                                               256, 512};

namespace {

enum SettlementKind { NoValue = 0, Express = 1, MultiHand = 2, PlaceBonus = 3, PayPerPoint = 4,
                      PayPerPointScore = 5 };

QString money(qint64 amount)
{
    return Utils::moneyText(amount, false);
}

QString dashText()
{
    return QCoreApplication::translate("TablePreviewWidget", "-");
}

QString practiceText()
{
    return QCoreApplication::translate("TablePreviewWidget", "(Practice)");
}

int chartPoints(int index)
{
    return TablePreview::payingChartPoints[std::clamp(index, 0, TablePreview::PayingChartSize - 1)];
}

} // namespace

TablePreview::TablePreview(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::TablePreview>())
    , m_payingChartModel(new QStandardItemModel(this))
{
    m_ui->setupUi(this);
    m_ui->hongKongPayoutView->setRootIsDecorated(false);
    m_ui->hongKongPayoutView->setModel(m_payingChartModel);
    connect(m_ui->joinButton, &QPushButton::clicked, this, &TablePreview::on_joinButton_clicked);
    connect(m_ui->watchButton, &QPushButton::clicked, this, &TablePreview::on_watchButton_clicked);
    showNoTable();
}

TablePreview::~TablePreview() = default;

int TablePreview::contentMinimumHeight() const
{
    const auto *content = findChild<QWidget *>(QStringLiteral("contentContainer"));
    return content ? content->minimumHeight() : 0;
}

void TablePreview::setContentMinimumHeight(int height)
{
    if (auto *content = findChild<QWidget *>(QStringLiteral("contentContainer")))
        content->setMinimumHeight(height);
}

void TablePreview::setTableModel(TableModel *model)
{
    if (m_tableModel)
        disconnect(m_tableModel, nullptr, this, nullptr);
    m_tableModel = model;
    // A name asked for in a new language arrives after the redraw of the language change.
    if (model)
        connect(model, &TableModel::tableNamesChanged, this, &TablePreview::onTableNamesChanged);
}

void TablePreview::onTableNamesChanged()
{
    if (!m_ui->contentContainer->isHidden() && m_tableModel->hasTable(m_tableId))
        m_ui->tablePreviewHeaderLabel->setText(m_tableModel->tableName(m_tableModel->tableInfo(m_tableId)));
}

void TablePreview::setConnectionManager(ConnectionManager *connection)
{
    if (connection == m_connection)
        return;
    if (m_connection)
        disconnect(m_connection, nullptr, this, nullptr);
    m_connection = connection;
    if (!connection)
        return;
    connect(connection, &ConnectionManager::tableRemoved, this, &TablePreview::onTableRemoved);
    connect(connection, &ConnectionManager::tableSeated, this, &TablePreview::onTableSeated);
    connect(connection, qOverload<const TableInfo &>(&ConnectionManager::tableInfoUpdate), this,
            &TablePreview::onTableInfo);
    connect(connection,
            qOverload<const qint32, const int, const TableInfoUpdates &>(
                &ConnectionManager::tableInfoUpdate),
            this, [this](qint32 id, int, const TableInfoUpdates &) { onSeatedUpdate(id); });
}

void TablePreview::setPlayerDb(PlayerDb *db)
{
    m_ui->players->setPlayerDb(db);
}

void TablePreview::onPreviewTable(qint32 id)
{
    if (id == m_tableId)
        return;
    m_tableId = id;
    redraw();
}

void TablePreview::onTableInfo(const TableInfo &info)
{
    if (info.id() == m_tableId)
        redraw();
}

void TablePreview::onSeatedUpdate(qint32 id)
{
    if (id == m_tableId)
        redraw();
}

void TablePreview::onTableSeated(qint32 id, const std::vector<qint32> &players)
{
    if (id == m_tableId)
        m_ui->players->onPlayers(players);
}

void TablePreview::onTableRemoved(qint32 id)
{
    if (id == m_tableId)
        showNoTable();
}

void TablePreview::on_joinButton_clicked()
{
    if (m_tableId > 0)
        emit joinTable(m_tableId);
}

void TablePreview::on_watchButton_clicked()
{
    if (m_tableId > 0)
        emit watchTable(m_tableId);
}

void TablePreview::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        redraw();
    }
    QFrame::changeEvent(event);
}

void TablePreview::redraw()
{
    if (!m_tableModel || !m_tableModel->hasTable(m_tableId)) {
        showNoTable();
        return;
    }
    const TableInfo info = m_tableModel->tableInfo(m_tableId);
    refreshPlayers(info);
    showTable(info);
}

void TablePreview::refreshPlayers(const TableInfo &info)
{
    if (info.capacity().players() > 0) {
        if (m_connection)
            m_connection->query_table_seated(m_tableId);
    } else {
        m_ui->players->onPlayers({});
    }
}

void TablePreview::showNoTable()
{
    m_ui->tablePreviewHeaderLabel->setText(tr("Table"));
    m_ui->chooseInfoContainer->show();
    m_ui->contentContainer->hide();
}

void TablePreview::showTable(const TableInfo &info)
{
    const TableValue &value = info.value();
    m_ui->contentContainer->show();
    m_ui->chooseInfoContainer->hide();
    m_ui->tablePreviewHeaderLabel->setText(m_tableModel->tableName(info));
    for (QPushButton *button : {static_cast<QPushButton *>(m_ui->joinButton),
                                static_cast<QPushButton *>(m_ui->watchButton)}) {
        button->setEnabled(true);
        button->show();
    }

    m_ui->rulesGameTypeBuyInLabel->setText(
        tr("%1 - %2").arg(TableInfo::rulesetText(info.ruleset(), info.minDoubles(), info.maxDoubles()),
                          TableInfo::gameTypeText(info.gameType())));
    m_ui->rulesGameTypeBuyInLabel->show();
    m_ui->reservedLabel->show();

    if (value.isFree()) {
        m_ui->reservedValue->setText(dashText());
    } else if (value.kind() == PlaceBonus || value.kind() == PayPerPointScore) {
        const QString total = money(value.total());
        const int minScore = info.minScore();
        m_ui->reservedValue->setText(
            minScore >= 0 ? tr("%1 (Max loss, at %n point(s) or lower)", nullptr, minScore).arg(total)
                          : tr("%1 (Max loss, at -%n point(s) or lower)", nullptr, -minScore).arg(total));
    } else {
        m_ui->reservedValue->setText(tr("%1 (Max loss)").arg(money(value.total())));
    }

    m_ui->reservedDetail->setText(reservedDetailText(info));
    m_ui->reservedDetail->show();
    m_ui->maxWinLabel->show();
    m_ui->maxWinValue->show();
    m_ui->maxWinValue->setText(TableValue::amountText(value.maxWin()));
    m_ui->speedLabel->show();
    m_ui->speedValue->show();
    m_ui->speedValue->setText(TableInfo::secondsPerMoveText(info.secondsPerMove()));
    m_ui->durationLabel->show();
    m_ui->durationValue->show();
    m_ui->durationValue->setText(durationText(info));

    if (value.isFree()) {
        hideSettlementDetails();
    } else {
        switch (value.kind()) {
        case Express:
            showExpressDetail(info);
            break;
        case MultiHand:
            showMultiHandDetail();
            break;
        case PlaceBonus:
            showPlaceBonusDetail(info);
            break;
        case PayPerPoint:
        case PayPerPointScore:
            if (info.ruleset() == RulesetInfo::HONG_KONG)
                showPayingChart(info);
            else
                showPayPerPointDetail();
            break;
        default:
            hideSettlementDetails();
            break;
        }
    }

    m_ui->players->setSeatCount(info.capacity().seats());
}

QString TablePreview::durationText(const TableInfo &info)
{
    switch (info.gameType()) {
    case TableInfo::SINGLE_HAND:
        return tr("%1-%2 min").arg(3).arg(5);
    case TableInfo::FULL_GAME:
    case TableInfo::EAST_ONLY:
        return tr("%1-%2 min").arg(15 * qint64(info.windRounds())).arg(20 * qint64(info.windRounds()));
    default:
        return QString();
    }
}

QString TablePreview::reservedDetailText(const TableInfo &info)
{
    const TableValue &value = info.value();
    const QString buyIn = money(value.buyIn());
    switch (value.kind()) {
    case NoValue:
        return dashText();
    case Express:
        if (value.isFree())
            return practiceText();
        if (value.feedingPenalty() == 0)
            return tr("(%1 to the pot)").arg(buyIn);
        return tr("(%1 to the pot, %2 reserved for feeding penalty.)")
            .arg(buyIn, money(value.feedingPenalty()));
    case MultiHand:
        return value.isFree() ? practiceText() : tr("(%1 to the pot.)").arg(buyIn);
    case PlaceBonus:
        if (value.isFree())
            return practiceText();
        return tr("(%1 to the pot, %2 reserved for place bonus.)")
            .arg(buyIn, money(value.maxPlacePenalty()));
    default:
        return QString();
    }
}

qint64 TablePreview::payingChartAmount(qint64 points, qint64 bet, qint64 top)
{
    return top != 0 ? points * bet / top : 0;
}

void TablePreview::hideSettlementDetails()
{
    for (QWidget *container : {m_ui->expressDetailContainer, m_ui->houseDetailContainer,
                               m_ui->multiHandDetailContainer, m_ui->payPerPointDetailContainer,
                               m_ui->hongKongDetailContainer})
        container->hide();
}

void TablePreview::showExpressDetail(const TableInfo &info)
{
    hideSettlementDetails();
    const TableValue &value = info.value();
    const bool feeding = value.hasFeedingPenalty();
    if (feeding) {
        m_ui->expressDetailValue->setText(
            tr("Winner takes it all. Player discarding winning tile pays feeding penalty."));
        m_ui->feedingPenaltyValue->setText(tr("%1").arg(money(value.feedingPenalty())));
    } else {
        m_ui->expressDetailValue->setText(tr("Winner takes it all."));
    }
    m_ui->feedingPenaltyLabel->setVisible(feeding);
    m_ui->feedingPenaltyValue->setVisible(feeding);
    m_ui->expressDetailContainer->show();
}

void TablePreview::showMultiHandDetail()
{
    hideSettlementDetails();
    m_ui->multiHandDetailContainer->show();
}

void TablePreview::showPlaceBonusDetail(const TableInfo &info)
{
    hideSettlementDetails();
    const TableValue &value = info.value();
    for (int place = 1; place <= TableValue::PlaceCount; ++place) {
        auto *label = m_ui->houseDetailContainer->findChild<QLabel *>(
            QStringLiteral("placeBonusLabel%1").arg(place));
        auto *amount = m_ui->houseDetailContainer->findChild<QLabel *>(
            QStringLiteral("placeBonus%1").arg(place));
        const bool shown = place - 1 < value.players();
        if (amount && shown)
            amount->setText(money(value.placeBonus(place - 1)));
        for (QLabel *each : {label, amount}) {
            if (each)
                each->setVisible(shown);
        }
    }
    m_ui->houseDetailContainer->show();
}

void TablePreview::showPayPerPointDetail()
{
    hideSettlementDetails();
    m_ui->payPerPointDetailContainer->show();
}

void TablePreview::showPayingChart(const TableInfo &info)
{
    hideSettlementDetails();
    m_ui->hongKongDetailContainer->show();
    const int offset = info.pcIndex() - info.minDoubles();
    const qint64 top = 2 * qint64(chartPoints(info.maxDoubles() + offset));
    const bool points = info.value().kind() == PayPerPointScore;
    m_ui->hongKongDetailLabel->setText(points ? tr("Paying chart (points):") : tr("Paying chart:"));

    m_payingChartModel->clear();
    m_payingChartModel->setHorizontalHeaderLabels({tr("Fans"), tr("Discard"), tr("Self-draw")});
    const qint64 bet = info.value().bet();
    for (int fans = info.minDoubles(); fans <= info.maxDoubles(); ++fans) {
        const qint64 p = chartPoints(fans + offset);
        QString discard;
        QString selfDraw;
        if (points) {
            discard = QString::number(p * 2);
            selfDraw = QString::number(p);
        } else {
            discard = money(payingChartAmount(p * 2, bet, top));
            selfDraw = money(payingChartAmount(p, bet, top));
        }
        m_payingChartModel->appendRow({new QStandardItem(QString::number(fans)),
                                       new QStandardItem(discard), new QStandardItem(selfDraw)});
    }
    m_ui->hongKongPayoutView->setColumnWidth(0, 50);
    m_ui->hongKongPayoutView->setColumnWidth(1, 75);
}
