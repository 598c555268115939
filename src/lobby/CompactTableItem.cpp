#include "lobby/CompactTableItem.h"
#include "ui_CompactTableItem.h"

#include "lobby/LocalizationDb.h"

#include <QMouseEvent>
#include <QStyle>

CompactTableItem::CompactTableItem(qint32 tableId, LocalizationDb *localizationDb, QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::CompactTableItem>())
    , m_tableId(tableId)
    , m_localizationDb(localizationDb)
{
    m_ui->setupUi(this);
    if (m_localizationDb)
        connect(m_localizationDb, &LocalizationDb::tableNamesUpdated, this,
                &CompactTableItem::onTableNamesUpdated);
}

CompactTableItem::~CompactTableItem() = default;

void CompactTableItem::setTableInfo(const TableInfo &info)
{
    m_tableInfo = info;
    m_ui->tableName->setText(LocalizationDb::displayName(m_localizationDb, info));
    m_ui->tableRulesGametype->setText(info.rulesDisplayText());
    m_ui->tableSpeed->setText(TableInfo::secondsPerMoveText(info.secondsPerMove()));
    m_ui->buyIn->setText(info.value().betText());
    m_ui->maxWin->setText(info.value().maxWinText());
    const TableCapacity &capacity = info.capacity();
    m_ui->playersWidget->setCapacity(capacity.seats(), capacity.players(), capacity.bots());
}

void CompactTableItem::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    // The style sheet selects on the property: polish again so that it applies anew.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void CompactTableItem::onTableNamesUpdated()
{
    setTableInfo(m_tableInfo);
}

void CompactTableItem::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit clicked();
}

void CompactTableItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked();
}

void CompactTableItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setTableInfo(m_tableInfo);
    }
    QFrame::changeEvent(event);
}
