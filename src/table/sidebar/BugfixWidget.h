#pragma once

#include <QWidget>

// A plain widget whose style sheet background is painted (a bare QWidget subclass
// ignores background rules).
class BugfixWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BugfixWidget(QWidget *parent = nullptr);
    ~BugfixWidget() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
