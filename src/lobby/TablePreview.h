#pragma once

#include "app/TableInfo.h"

#include <QFrame>
#include <QPointer>

#include <memory>
#include <vector>

class ConnectionManager;
class PlayerDb;
class QStandardItemModel;
class TableModel;

namespace Ui {
class TablePreview;
}

// The side panel that describes the table selected in the lobby: rules, seats, the amount
// reserved, maximum win, speed, expected duration and how the pot is paid out. It keeps
// no table data: every redraw reads the table list.
class TablePreview : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int contentMinimumHeight READ contentMinimumHeight WRITE setContentMinimumHeight)

public:
    // Points of the Hong Kong paying chart, by index.
    static constexpr int PayingChartSize = 11;
    static const int payingChartPoints[PayingChartSize];

    explicit TablePreview(QWidget *parent = nullptr);
    ~TablePreview() override;

    int contentMinimumHeight() const;
    void setContentMinimumHeight(int height);

    void setTableModel(TableModel *model);
    void setConnectionManager(ConnectionManager *connection);
    void setPlayerDb(PlayerDb *db);

    qint32 tableId() const { return m_tableId; }

    // "%1-%2 min" of a table's expected duration; empty for tournament tables.
    static QString durationText(const TableInfo &info);
    static QString reservedDetailText(const TableInfo &info);
    // The amounts of one paying chart row, 64-bit so that large bets cannot overflow.
    static qint64 payingChartAmount(qint64 points, qint64 bet, qint64 top);

signals:
    void joinTable(qint32 tableId);
    void watchTable(qint32 tableId);
    void userMenuRequested(const QString &name, const QPoint &position);

public slots:
    void onPreviewTable(qint32 id);
    void onTableInfo(const TableInfo &info);
    void onSeatedUpdate(qint32 id);
    void onTableSeated(qint32 id, const std::vector<qint32> &players);
    void onTableRemoved(qint32 id);
    void onTableNamesChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void on_joinButton_clicked();
    void on_watchButton_clicked();
    void redraw();
    void refreshPlayers(const TableInfo &info);
    void showNoTable();
    void showTable(const TableInfo &info);
    void hideSettlementDetails();
    void showExpressDetail(const TableInfo &info);
    void showMultiHandDetail();
    void showPlaceBonusDetail(const TableInfo &info);
    void showPayPerPointDetail();
    void showPayingChart(const TableInfo &info);

    qint32 m_tableId = -1;
    std::unique_ptr<Ui::TablePreview> m_ui;
    QPointer<TableModel> m_tableModel;
    QPointer<ConnectionManager> m_connection;
    QStandardItemModel *m_payingChartModel;
};
