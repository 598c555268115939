#pragma once

#include "app/TimeSpan.h"

#include <QButtonGroup>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui {
class TableSelector;
}

class LocalizationDb;
class QPushButton;
class SelectorButton;
class TableInfo;

// The strip of buttons that switches between the lobby and the open tables: a "Lobby"
// button, then one button per table in the order they were opened, exactly one checked.
// Arrow buttons scroll the strip when it is wider than the selector.
class TableSelector : public QWidget
{
    Q_OBJECT

public:
    // The "Lobby" button's id in the group; reported as -1.
    static constexpr int lobbyId = -123;
    static constexpr int scrollStep = 40;

    explicit TableSelector(QWidget *parent);
    ~TableSelector() override;

    // Supplies the table names; set before the first table is added.
    void setLocalizationDb(LocalizationDb *db);

    void addTable(const TableInfo &info);
    // -1 checks "Lobby".
    void setActiveTable(qint32 id);
    // The checked table, -1 for "Lobby" or none.
    qint32 currentTable() const;
    SelectorButton *tableButton(qint32 id) const;

    QSize sizeHint() const override;

signals:
    void tableClicked(int id);

public slots:
    void removeTable(qint32 id);
    void onTableActivity(qint32 id, bool wantsAttention, const TimeSpan &span);
    void onTableActiveChanged(qint32 id, bool active);
    void onTableInfo(const TableInfo &info);
    void scrollButtonClicked();
    void onTableNamesUpdated();
    void onTableClicked(int id);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyTexts();
    void refreshLayout();
    void updateScroll();
    void moveStrip(int x);
    QString tableName(qint32 id) const;

    std::unique_ptr<Ui::TableSelector> m_ui;
    QButtonGroup m_group;
    QPushButton *m_lobbyButton;
    QPointer<LocalizationDb> m_localizationDb;
};
