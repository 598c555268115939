#include "ui/TableSelector.h"
#include "ui_TableSelector.h"

#include "app/TableInfo.h"
#include "lobby/LocalizationDb.h"
#include "ui/SelectorButton.h"

#include <QDebug>
#include <QEvent>

#include <algorithm>

namespace {

constexpr int tournamentGameType = 1;
constexpr int tournamentKind = 2;

} // namespace

TableSelector::TableSelector(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::TableSelector>())
{
    m_ui->setupUi(this);
    m_lobbyButton = new QPushButton(m_ui->buttons);
    applyTexts();
    setAttribute(Qt::WA_NoSystemBackground);
    m_lobbyButton->setObjectName(QStringLiteral("lobbyButton"));
    m_lobbyButton->setCheckable(true);
    m_group.setExclusive(true);
    m_group.addButton(m_lobbyButton, lobbyId);
    m_ui->hboxLayout1->addWidget(m_lobbyButton);
    connect(m_ui->selectorLeft, &QToolButton::clicked, this, &TableSelector::scrollButtonClicked);
    connect(m_ui->selectorRight, &QToolButton::clicked, this, &TableSelector::scrollButtonClicked);
    connect(&m_group, &QButtonGroup::idClicked, this, &TableSelector::onTableClicked);
    refreshLayout();
}

TableSelector::~TableSelector() = default;

void TableSelector::setLocalizationDb(LocalizationDb *db)
{
    if (m_localizationDb)
        disconnect(m_localizationDb, nullptr, this, nullptr);
    m_localizationDb = db;
    if (db)
        connect(db, &LocalizationDb::tableNamesUpdated, this, &TableSelector::onTableNamesUpdated);
}

QString TableSelector::tableName(qint32 id) const
{
    // Until the table's localized name is known, the name the table list shows.
    return LocalizationDb::displayName(m_localizationDb, id);
}

SelectorButton *TableSelector::tableButton(qint32 id) const
{
    return id == lobbyId ? nullptr : qobject_cast<SelectorButton *>(m_group.button(id));
}

void TableSelector::addTable(const TableInfo &info)
{
    const qint32 id = info.id();
    if (m_group.button(id)) {
        qWarning() << "duplicate table:" << id;
        return;
    }
    auto *button = new SelectorButton(m_ui->buttons);
    button->setText(tableName(id));
    if (info.gameType() == tournamentGameType)
        button->setKind(tournamentKind);
    m_group.addButton(button, id);
    m_ui->hboxLayout1->addWidget(button);
    refreshLayout();
}

void TableSelector::setActiveTable(qint32 id)
{
    QAbstractButton *button = m_group.button(id == -1 ? lobbyId : id);
    if (!button) {
        qWarning() << "set active table for missing id:" << id;
        return;
    }
    button->setChecked(true);
    refreshLayout();
}

qint32 TableSelector::currentTable() const
{
    const int id = m_group.checkedId();
    return id == lobbyId ? -1 : id;
}

QSize TableSelector::sizeHint() const
{
    return m_ui->buttons->sizeHint();
}

void TableSelector::removeTable(qint32 id)
{
    SelectorButton *button = tableButton(id);
    if (!button) {
        qWarning() << "missing table when removing from table selector, id:" << id;
        return;
    }
    delete button;
    refreshLayout();
}

void TableSelector::onTableActivity(qint32 id, bool wantsAttention, const TimeSpan &span)
{
    SelectorButton *button = tableButton(id);
    if (!button)
        return;
    button->setTimeSpan(span);
    if (!button->isChecked())
        button->wantsAttention(wantsAttention);
}

void TableSelector::onTableActiveChanged(qint32 id, bool active)
{
    if (SelectorButton *button = tableButton(id))
        button->setTableActive(active);
}

void TableSelector::onTableInfo(const TableInfo &info)
{
    SelectorButton *button = tableButton(info.id());
    if (!button) {
        qWarning() << "missing table on table info, id:" << info.id();
        return;
    }
    button->setText(tableName(info.id()));
    if (info.gameType() == tournamentGameType)
        button->setKind(tournamentKind);
    refreshLayout();
}

void TableSelector::scrollButtonClicked()
{
    const int step = sender() == m_ui->selectorLeft ? scrollStep : -scrollStep;
    moveStrip(m_ui->buttons->x() + step);
}

void TableSelector::onTableNamesUpdated()
{
    applyTexts();
    refreshLayout();
}

void TableSelector::onTableClicked(int id)
{
    emit tableClicked(id == lobbyId ? -1 : id);
}

void TableSelector::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        applyTexts();
        // The strip takes the width of the buttons' new texts.
        refreshLayout();
    }
    QWidget::changeEvent(event);
}

void TableSelector::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScroll();
    m_ui->buttons->resize(m_ui->buttons->width(), m_ui->scrollArea->height());
}

void TableSelector::applyTexts()
{
    m_lobbyButton->setText(tr("Lobby"));
    const QList<QAbstractButton *> buttons = m_group.buttons();
    for (QAbstractButton *button : buttons) {
        const int id = m_group.id(button);
        if (id > 0)
            static_cast<SelectorButton *>(button)->setText(tableName(id));
    }
}

void TableSelector::refreshLayout()
{
    const QList<QAbstractButton *> buttons = m_group.buttons();
    for (QAbstractButton *button : buttons)
        button->setVisible(true);
    m_ui->hboxLayout1->activate();
    m_ui->buttons->resize(m_ui->hboxLayout1->sizeHint().width(), m_ui->scrollArea->height());
    updateScroll();
}

void TableSelector::updateScroll()
{
    const bool scrolling = sizeHint().width() > width();
    m_ui->selectorLeft->setVisible(scrolling);
    m_ui->selectorRight->setVisible(scrolling);
    // A strip that fits starts at the left end, whatever room the arrows took before.
    moveStrip(scrolling ? m_ui->buttons->x() : 0);
}

void TableSelector::moveStrip(int x)
{
    const int leftmost = m_ui->scrollArea->width() - m_ui->buttons->width();
    m_ui->buttons->move(std::min(std::max(x, leftmost), 0), 0);
}
