#pragma once

#include "ui/MahjongDialog.h"

#include <memory>

namespace Ui {
class SetScreennameDialog;
}

// Asks once for the screen name other players will see. It only collects the name:
// setScreenname() carries it as typed, after which the dialog takes no more input.
class SetScreennameDialog : public MahjongDialog
{
    Q_OBJECT

public:
    explicit SetScreennameDialog(QWidget *parent);
    ~SetScreennameDialog() override;

    // Shows the text (as plain text) above the field; an empty text hides the line.
    void setErrorMessage(const QString &message);

signals:
    void setScreenname(const QString &screenName);

public slots:
    void setClicked();
    void textChanged(const QString &text);

private:
    std::unique_ptr<Ui::SetScreennameDialog> m_ui;
};
