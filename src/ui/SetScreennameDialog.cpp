#include "ui/SetScreennameDialog.h"

#include "ui_SetScreennameDialog.h"

SetScreennameDialog::SetScreennameDialog(QWidget *parent)
    : MahjongDialog(parent, 0)
    , m_ui(std::make_unique<Ui::SetScreennameDialog>())
{
    auto *body = new QFrame;
    m_ui->setupUi(body);
    // The form's width: the notice reads on two lines instead of being cut.
    body->setMinimumWidth(body->width());
    setContentWidget(body);
    m_ui->errorMessage->hide();
    connect(m_ui->setButton, &QPushButton::clicked, this, &SetScreennameDialog::setClicked);
    connect(m_ui->screennameEdit, &QLineEdit::returnPressed, this, &SetScreennameDialog::setClicked);
    connect(m_ui->screennameEdit, &QLineEdit::textChanged, this, &SetScreennameDialog::textChanged);
    m_ui->setButton->setEnabled(false);
    m_ui->screennameEdit->setFocus(Qt::OtherFocusReason);
}

SetScreennameDialog::~SetScreennameDialog() = default;

void SetScreennameDialog::setErrorMessage(const QString &message)
{
    m_ui->errorMessage->setText(message);
    m_ui->errorMessage->setVisible(!message.isEmpty());
}

void SetScreennameDialog::setClicked()
{
    const QString text = m_ui->screennameEdit->text();
    if (text.isEmpty() || !m_ui->screennameEdit->isEnabled())
        return;
    emit setScreenname(text);
    m_ui->setButton->setEnabled(false);
    m_ui->screennameEdit->setEnabled(false);
}

void SetScreennameDialog::textChanged(const QString &text)
{
    m_ui->setButton->setEnabled(!text.isEmpty());
}
