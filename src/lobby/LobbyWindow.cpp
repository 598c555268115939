#include "lobby/LobbyWindow.h"

#include "ui_LobbyView.h"

#include "app/Utils.h"
#include "lobby/CustomItem.h"
#include "lobby/EvenRowDelegate.h"
#include "lobby/LobbyFilter.h"
#include "lobby/LobbyModel.h"
#include "lobby/LobbyTableFilter.h"
#include "lobby/TableModel.h"

#include <QDebug>
#include <QHeaderView>

// The tables under the regular lobby paths.
struct LobbyWindowFilter : LobbyFilter
{
    int pathCount() const override { return int(paths.size()); }
    const QString &path(int i) const override { return paths.at(i); }
    bool acceptsRow(const QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QVariant path = model->data(index, LobbyTablePathRole);
        return path.typeId() == QMetaType::QString
            && path.toString().startsWith(QLatin1String("101/Regular"));
    }
};

namespace {

constexpr int ColumnWidths[] = {155, 155, 100, 85, 90, 35};
constexpr int PathDepth = 2;

// Appends the paths of node under prefix, down to depth levels below it.
void collectPaths(const LobbyStructure &node, const QString &prefix, int depth, QStringList &paths)
{
    const QString path = prefix + QLatin1Char('/') + node.name;
    if (depth != 0 && !node.isLeaf) {
        for (const LobbyStructure &child : node.children)
            collectPaths(child, path, depth - 1, paths);
    } else {
        paths << path;
    }
}

} // namespace

LobbyWindow::LobbyWindow(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::LobbyView>())
    , m_tableFilter(new LobbyTableFilter(this))
{
    m_ui->setupUi(this);
    Ui::LobbyView &ui = *m_ui;

    connect(ui.expressGames, &QCheckBox::stateChanged, this, &LobbyWindow::onExpressGamesChanged);
    connect(ui.sitNGoGames, &QCheckBox::stateChanged, this, &LobbyWindow::onSittNGoGamesChanged);
    connect(ui.eastOnlyGames, &QCheckBox::stateChanged, this, &LobbyWindow::onEastOnlyGamesChanged);
    m_tableFilter->setGameTypeFilterEnabled(true);
    ui.expressGames->setCheckState(Utils::settingCheckState(m_settings, "lobby/singlehand", true));
    ui.sitNGoGames->setCheckState(Utils::settingCheckState(m_settings, "lobby/fullgame", true));
    ui.eastOnlyGames->setCheckState(Utils::settingCheckState(m_settings, "lobby/eastonly", true));

    connect(ui.classicRules, &QCheckBox::stateChanged, this, &LobbyWindow::onClassicRulesChanged);
    connect(ui.internationalRules, &QCheckBox::stateChanged, this,
            &LobbyWindow::onInternationalRulesChanged);
    connect(ui.riichiRules, &QCheckBox::stateChanged, this, &LobbyWindow::onRiichiRulesChanged);
    connect(ui.hongKongRules, &QCheckBox::stateChanged, this, &LobbyWindow::onHongKongRulesChanged);
    m_tableFilter->setRulesFilterEnabled(true);
    ui.classicRules->setCheckState(Utils::settingCheckState(m_settings, "lobby/classic", true));
    ui.internationalRules->setCheckState(
        Utils::settingCheckState(m_settings, "lobby/international", true));
    ui.riichiRules->setCheckState(Utils::settingCheckState(m_settings, "lobby/riichi", true));
    ui.hongKongRules->setCheckState(Utils::settingCheckState(m_settings, "lobby/hongkong", true));

    connect(ui.level1BuyIn, &QCheckBox::stateChanged, this, &LobbyWindow::onLevel1BuyInChanged);
    connect(ui.level2BuyIn, &QCheckBox::stateChanged, this, &LobbyWindow::onLevel2BuyInChanged);
    connect(ui.level3BuyIn, &QCheckBox::stateChanged, this, &LobbyWindow::onLevel3BuyInChanged);
    connect(ui.noBuyIn, &QCheckBox::stateChanged, this, &LobbyWindow::onNoBuyInChanged);
    m_tableFilter->setBuyInFilterEnabled(true);
    ui.level1BuyIn->setCheckState(Utils::settingCheckState(m_settings, "lobby/level1buyin", true));
    ui.level2BuyIn->setCheckState(Utils::settingCheckState(m_settings, "lobby/level2buyin", true));
    ui.level3BuyIn->setCheckState(Utils::settingCheckState(m_settings, "lobby/level3buyin", true));
    ui.noBuyIn->setCheckState(Utils::settingCheckState(m_settings, "lobby/playforfree", true));

    const Qt::CheckState viewAll =
        Utils::settingCheckState(m_settings, "lobby/viewallavailabletables", true);
    ui.viewAllAvailableTablesCheckBox->setCheckState(viewAll);
    m_tableFilter->setFullTablesMode(viewAll == Qt::Checked ? Ignore : ExcludeMatch);
    m_tableFilter->setEmptyTablesMode(Ignore);

    connect(ui.freeTextSearch, &QLineEdit::textChanged, this, &LobbyWindow::onFreeTextSearchChanged);
    ui.lobbyTreeView->setModel(m_tableFilter);
    // Every row as high as a line of any script: Japanese and Chinese names line up.
    ui.lobbyTreeView->setItemDelegate(new EvenRowDelegate(ui.lobbyTreeView));
    ui.lobbyTreeView->setUniformRowHeights(true);
    m_lobbyModel = new LobbyModel(this);
    m_tableFilter->setSourceModel(m_lobbyModel);
    ui.lobbyTreeView->sortByColumn(TableModel::PlayersColumn, Qt::DescendingOrder);
    connect(ui.lobbyTreeView, &QTreeView::activated, this, &LobbyWindow::onTableActivated);
    connect(ui.lobbyTreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LobbyWindow::onCurrentTableChanged);

    ui.retranslateUi(this);
}

LobbyWindow::~LobbyWindow()
{
    m_lobbyModel->setFilter(nullptr);
}

void LobbyWindow::setTableModel(TableModel *model)
{
    m_lobbyModel->setSourceModel(model);
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        m_ui->lobbyTreeView->setColumnWidth(column, ColumnWidths[column]);
    if (!model)
        return;
    // The model may have been built in another language than the current one (before a
    // language was chosen on the login page).
    model->retranslateHeaders();
    connect(model, &TableModel::lobbyStructure, this, &LobbyWindow::onLobbyStructure,
            Qt::UniqueConnection);
    model->queryLobbyStructure();
}

QStringList LobbyWindow::paths() const
{
    return m_filter ? m_filter->paths : QStringList();
}

void LobbyWindow::onLobbyStructure(const LobbyStructure &root)
{
    const LobbyStructure *regular = root.child(QStringLiteral("Regular"));
    if (!regular) {
        // One odd answer keeps the current list rather than ending the program.
        qWarning() << "Lobby path not found";
        return;
    }
    auto filter = std::make_unique<LobbyWindowFilter>();
    collectPaths(*regular, QStringLiteral("101"), PathDepth, filter->paths);
    m_lobbyModel->setFilter(filter.get());
    m_filter = std::move(filter);
}

void LobbyWindow::applyBox(const char *key, int state, FilterSet set,
                           std::initializer_list<int> values)
{
    const bool checked = state == Qt::Checked;
    m_settings.setValue(QLatin1String(key), checked);
    for (int value : values) {
        switch (set) {
        case Rulesets:
            checked ? m_tableFilter->addRuleset(value) : m_tableFilter->removeRuleset(value);
            break;
        case GameTypes:
            checked ? m_tableFilter->addGameType(value) : m_tableFilter->removeGameType(value);
            break;
        case BuyInLevels:
            checked ? m_tableFilter->addBuyInLevel(value) : m_tableFilter->removeBuyInLevel(value);
            break;
        }
    }
}

void LobbyWindow::onClassicRulesChanged(int state)
{
    applyBox("lobby/classic", state, Rulesets, {0});
}

void LobbyWindow::onInternationalRulesChanged(int state)
{
    applyBox("lobby/international", state, Rulesets, {1});
}

void LobbyWindow::onRiichiRulesChanged(int state)
{
    applyBox("lobby/riichi", state, Rulesets, {2, 3, 4});
}

void LobbyWindow::onHongKongRulesChanged(int state)
{
    applyBox("lobby/hongkong", state, Rulesets, {5});
}

void LobbyWindow::onLevel1BuyInChanged(int state)
{
    applyBox("lobby/level1buyin", state, BuyInLevels, {1});
}

void LobbyWindow::onLevel2BuyInChanged(int state)
{
    applyBox("lobby/level2buyin", state, BuyInLevels, {2});
}

void LobbyWindow::onLevel3BuyInChanged(int state)
{
    applyBox("lobby/level3buyin", state, BuyInLevels, {3});
}

void LobbyWindow::onNoBuyInChanged(int state)
{
    applyBox("lobby/playforfree", state, BuyInLevels, {0});
}

void LobbyWindow::onExpressGamesChanged(int state)
{
    applyBox("lobby/singlehand", state, GameTypes, {TableInfo::SINGLE_HAND});
}

void LobbyWindow::onSittNGoGamesChanged(int state)
{
    applyBox("lobby/fullgame", state, GameTypes, {TableInfo::FULL_GAME});
}

void LobbyWindow::onEastOnlyGamesChanged(int state)
{
    applyBox("lobby/eastonly", state, GameTypes, {TableInfo::EAST_ONLY});
}

void LobbyWindow::on_viewAllAvailableTablesCheckBox_stateChanged(int state)
{
    m_settings.setValue(QStringLiteral("lobby/viewallavailabletables"), state == Qt::Checked);
    if (state == Qt::Checked)
        m_tableFilter->setFullTablesMode(Ignore);
    else if (state == Qt::Unchecked)
        m_tableFilter->setFullTablesMode(ExcludeMatch);
}

void LobbyWindow::onFreeTextSearchChanged(const QString &text)
{
    m_tableFilter->setSearchText(text);
}

int LobbyWindow::tableIdAt(const QModelIndex &index) const
{
    const QAbstractItemModel *model = m_ui->lobbyTreeView->model();
    return model ? model->data(index, TableIdRole).toInt() : -1;
}

void LobbyWindow::onCurrentTableChanged(const QModelIndex &index)
{
    if (index.isValid())
        emit tableSelected(tableIdAt(index));
}

void LobbyWindow::onTableActivated(const QModelIndex &index)
{
    if (index.isValid())
        emit tableActivated(tableIdAt(index));
}

void LobbyWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (TableModel *model = m_lobbyModel->tableModel())
            model->retranslateHeaders();
    }
    QWidget::changeEvent(event);
}
