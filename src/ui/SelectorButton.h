#pragma once

#include <QPushButton>

class QLabel;
class TimeSpan;

// A button of the open-tables strip: the table's shortened name, an icon by the kind
// of table and, at its right edge, the inactive-table icon while the table is inactive.
class SelectorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit SelectorButton(QWidget *parent);

    // Shows the name shortened to 8 characters, the whole name as tool tip.
    void setText(const QString &name);
    // 0 a plain table, 1 a money table, 2 a tournament table.
    void setKind(int kind);
    int kind() const { return m_kind; }
    void setTableActive(bool active);
    bool isTableActive() const { return m_active; }

public slots:
    void wantsAttention(bool attention);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_inactiveIcon;
    int m_kind = 0;
    bool m_active = true;
};
