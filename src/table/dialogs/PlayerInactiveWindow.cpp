#include "table/dialogs/PlayerInactiveWindow.h"

#include "ui_PlayerInactiveWidget.h"

#include <QEvent>

PlayerInactiveWindow::PlayerInactiveWindow(QWidget *parent)
    : MahjongDialog(parent, 0), m_ui(std::make_unique<Ui::PlayerInactiveWidget>())
{
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);
    m_ui->leaveButton->hide();
    connect(m_ui->reactivateButton, &QPushButton::clicked, this,
            &PlayerInactiveWindow::onReactivateButtonClicked);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &PlayerInactiveWindow::leaveButtonClicked);
}

PlayerInactiveWindow::~PlayerInactiveWindow() = default;

void PlayerInactiveWindow::setVisible(bool visible)
{
    MahjongDialog::setVisible(visible);
    if (visible)
        m_ui->reactivateButton->setEnabled(true);
}

void PlayerInactiveWindow::onReactivateButtonClicked()
{
    m_ui->reactivateButton->setEnabled(false);
    emit reactivateButtonClicked();
}

void PlayerInactiveWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(contentWidget());
    MahjongDialog::changeEvent(event);
}
