#pragma once

#include <QPushButton>

class QLabel;
class TimeSpan;
class TimerView;

// A button of the open-tables strip: the table's shortened name, an icon by the kind
// of table and, at its right edge, a pie countdown of the table's current time limit or,
// while the table is inactive, the inactive-table icon.
class SelectorButton : public QPushButton
{
    Q_OBJECT

public:
    // The widest a table's name is shown, in pixels.
    static constexpr int MaxTextWidth = 160;

    explicit SelectorButton(QWidget *parent);

    // Shows the name, cut in the middle when wider than MaxTextWidth; the whole name as
    // tool tip.
    void setText(const QString &name);
    // 0 a plain table, 1 a money table, 2 a tournament table.
    void setKind(int kind);
    int kind() const { return m_kind; }
    void setTableActive(bool active);
    bool isTableActive() const { return m_active; }
    void setTimeSpan(const TimeSpan &span);

public slots:
    void wantsAttention(bool attention);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TimerView *m_countdown;
    QLabel *m_inactiveIcon;
    int m_kind = 0;
    bool m_active = true;
};
