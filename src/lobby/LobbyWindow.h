#pragma once

#include "connection/LobbyRecords.h"

#include <QSettings>
#include <QWidget>

#include <memory>

class LobbyModel;
class LobbyTableFilter;
class QModelIndex;
class TableModel;
struct LobbyWindowFilter;

namespace Ui {
class LobbyView;
}

// The lobby page of the regular tables: a list narrowed by check boxes kept in the
// settings and by a search text. It subscribes the regular tables' lobby paths while it
// lives, and reports the table the user selects and the one the user activates.
class LobbyWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LobbyWindow(QWidget *parent = nullptr);
    ~LobbyWindow() override;

    void setTableModel(TableModel *model);

    LobbyModel *lobbyModel() const { return m_lobbyModel; }
    LobbyTableFilter *tableFilter() const { return m_tableFilter; }
    // The lobby paths whose tables the window shows.
    QStringList paths() const;

signals:
    void tableSelected(qint32 tableId);
    void tableActivated(qint32 tableId);

public slots:
    void onLobbyStructure(const LobbyStructure &root);
    void on_viewAllAvailableTablesCheckBox_stateChanged(int state);
    void onTableActivated(const QModelIndex &index);
    void onCurrentTableChanged(const QModelIndex &index);
    void onClassicRulesChanged(int state);
    void onInternationalRulesChanged(int state);
    void onRiichiRulesChanged(int state);
    void onHongKongRulesChanged(int state);
    void onLevel1BuyInChanged(int state);
    void onLevel2BuyInChanged(int state);
    void onLevel3BuyInChanged(int state);
    void onNoBuyInChanged(int state);
    void onExpressGamesChanged(int state);
    void onSittNGoGamesChanged(int state);
    void onEastOnlyGamesChanged(int state);
    void onFreeTextSearchChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum FilterSet { Rulesets, GameTypes, BuyInLevels };

    // Stores the box's state under key and adds or removes the values in the set.
    void applyBox(const char *key, int state, FilterSet set, std::initializer_list<int> values);
    int tableIdAt(const QModelIndex &index) const;

    std::unique_ptr<Ui::LobbyView> m_ui;
    LobbyTableFilter *m_tableFilter;
    QSettings m_settings;
    LobbyModel *m_lobbyModel = nullptr;
    std::unique_ptr<LobbyWindowFilter> m_filter;
};
