#include "table/dialogs/WaitingForPlayersWindow.h"

#include "ui_WaitingForPlayersWidget.h"

#include <QEvent>

WaitingForPlayersWindow::WaitingForPlayersWindow(QWidget *parent)
    : MahjongDialog(parent, 0), m_ui(std::make_unique<Ui::WaitingForPlayersWidget>())
{
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &WaitingForPlayersWindow::leaveButtonClicked);
    connect(m_ui->inviteButton, &QPushButton::clicked, this, &WaitingForPlayersWindow::inviteButtonClicked);
}

WaitingForPlayersWindow::~WaitingForPlayersWindow() = default;

void WaitingForPlayersWindow::setLeaveEnabled(bool enabled)
{
    m_ui->leaveButton->setEnabled(enabled);
}

void WaitingForPlayersWindow::onSeatsRemaining(int seats)
{
    m_seatsRemaining = seats;
    if (seats < 1) {
        hide();
        return;
    }
    m_ui->mainText->setText(tr("Waiting for %n player(s) to join table.", nullptr, seats));
}

void WaitingForPlayersWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(contentWidget());
        onSeatsRemaining(m_seatsRemaining);
    }
    MahjongDialog::changeEvent(event);
}
