#include "table/dialogs/SeatedWindow.h"

#include "ui_SeatedWindowWidget.h"

#include "app/TimeSpan.h"
#include "lobby/LocalizationDb.h"
#include "ui/UTimer.h"

#include <QEvent>

SeatedWindow::SeatedWindow(LocalizationDb *tableNames, QWidget *parent)
    : MahjongDialog(parent, 0)
    , m_ui(std::make_unique<Ui::SeatedWindowWidget>())
    , m_countdown(new UTimer(this))
    , m_tableNames(tableNames)
{
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);

    connect(m_ui->leaveButton, &QPushButton::clicked, this, &SeatedWindow::onLeaveButtonClicked);
    connect(m_ui->playButton, &QPushButton::clicked, this, &SeatedWindow::onPlayButtonClicked);
    connect(m_countdown, &UTimer::timeout, this, &SeatedWindow::timeout);
    connect(m_countdown, &UTimer::update, this, &SeatedWindow::onTimerUpdate);
    if (tableNames)
        connect(tableNames, &LocalizationDb::tableNamesUpdated, this, &SeatedWindow::onTableNamesUpdated);
}

SeatedWindow::~SeatedWindow() = default;

void SeatedWindow::startCountdown(const TimeSpan &span)
{
    m_countdown->start(span);
}

void SeatedWindow::stopCountdown()
{
    m_countdown->stop();
    m_ui->leaveWarning->clear();
}

void SeatedWindow::onTableInfo(const TableInfo &info)
{
    m_tableInfo = info;
    showTableName();

    const TableValue &value = info.value();
    m_ui->rules->setText(info.rulesDisplayText());
    m_ui->buyIn->setText(value.betText());
    m_ui->maxWin->setText(TableValue::amountText(value.maxWin()));
    m_ui->speed->setText(TableInfo::secondsPerMoveText(info.secondsPerMove()));
    m_ui->capacity->setText(QStringLiteral("%L1").arg(info.capacity().seats()));

    const bool placeBonus = value.hasPlaceBonus();
    m_ui->placeBonus->setText(value.placeBonusTexts().join(QLatin1Char('\n')));
    m_ui->placeBonus->setVisible(placeBonus);
    m_ui->placeBonusLabel->setVisible(placeBonus);

    const bool feedingPenalty = value.hasFeedingPenalty();
    m_ui->feedingPenalty->setText(value.feedingPenaltyText());
    m_ui->feedingPenalty->setVisible(feedingPenalty);
    m_ui->feedingPenaltyLabel->setVisible(feedingPenalty);
    m_ui->feedingPenaltyInfo->setVisible(feedingPenalty);
}

void SeatedWindow::onLeaveButtonClicked()
{
    m_countdown->stop();
    emit leaveButtonClicked();
}

void SeatedWindow::onPlayButtonClicked()
{
    m_countdown->stop();
    emit playButtonClicked();
}

void SeatedWindow::onTimerUpdate(int remainingMs)
{
    const qint64 seconds = (qint64(remainingMs) + 500) / 1000;
    if (seconds >= 1)
        m_ui->leaveWarning->setText(
            tr("You will automatically be unseated from this table in %Ln second(s)", nullptr, int(seconds)));
    else
        hide();
}

void SeatedWindow::onTableNamesUpdated()
{
    if (m_tableInfo.isValid())
        showTableName();
}

void SeatedWindow::showTableName()
{
    const QString name = m_tableNames ? m_tableNames->tableName(m_tableInfo) : QString();
    // Until the server has named the table, its id stands in.
    m_ui->tableName->setText(name.isEmpty() ? tr("Table(%1)").arg(QString::number(m_tableInfo.id())) : name);
}

void SeatedWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(contentWidget());
        if (m_tableInfo.isValid())
            onTableInfo(m_tableInfo);
    }
    MahjongDialog::changeEvent(event);
}
