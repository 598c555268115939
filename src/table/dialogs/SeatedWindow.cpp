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
    // Each term stands whole on one line: the form's least width is the window's floor,
    // from where the window widens for the texts, rather than the width it is held at.
    setMinimumWidth(minimumSizeHint().width());
    body->setMinimumWidth(0);
    m_ui->infoFrame->installEventFilter(this);

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
    fitToTexts();
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
    m_ui->tableName->setText(LocalizationDb::displayName(m_tableNames, m_tableInfo));
}

void SeatedWindow::fitToTexts()
{
    // Laid out at once, from the form's rows outwards, so that the table window places
    // the window at the size its texts need.
    m_ui->formLayout_2->activate();
    m_ui->verticalLayout->activate();
    widenForTexts();
}

void SeatedWindow::widenForTexts()
{
    const int needed = minimumSizeHint().width();
    if (isVisible() && width() < needed)
        fitIntoParent(needed);
}

bool SeatedWindow::event(QEvent *event)
{
    const bool handled = MahjongDialog::event(event);
    if (event->type() == QEvent::LayoutRequest)
        widenForTexts();
    return handled;
}

bool SeatedWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A hidden widget's layout waits for its show to be laid out anew; the form's
    // follows its texts and fonts (the skin's) at once all the same.
    const bool form = watched == m_ui->infoFrame || watched == contentWidget();
    if (form && event->type() == QEvent::LayoutRequest && !isVisible())
        fitToTexts();
    // The rows' frame is watched for that alone.
    return watched == m_ui->infoFrame ? false : MahjongDialog::eventFilter(watched, event);
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
