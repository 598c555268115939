#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class EmptySeatWidget;
}

// A free seat in the side bar: "Waiting for player".
class EmptySeatWidget : public QFrame
{
    Q_OBJECT

public:
    explicit EmptySeatWidget(QWidget *parent = nullptr);
    ~EmptySeatWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::EmptySeatWidget> m_ui;
};
