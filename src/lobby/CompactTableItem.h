#pragma once

#include "app/TableInfo.h"

#include <QFrame>

#include <memory>

class LocalizationDb;

namespace Ui {
class CompactTableItem;
}

// A small card of one table: its name, rules, speed, buy-in, maximum win and seats.
class CompactTableItem : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected)

public:
    CompactTableItem(qint32 tableId, LocalizationDb *localizationDb, QWidget *parent = nullptr);
    ~CompactTableItem() override;

    qint32 tableId() const { return m_tableId; }
    const TableInfo &tableInfo() const { return m_tableInfo; }
    void setTableInfo(const TableInfo &info);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void clicked();
    void doubleClicked();

public slots:
    void onTableNamesUpdated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::CompactTableItem> m_ui;
    const qint32 m_tableId;
    bool m_selected = false;
    TableInfo m_tableInfo;
    LocalizationDb *m_localizationDb;
};
