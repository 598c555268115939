#include "table/dialogs/WatchingWindow.h"

#include "ui_WatchingWindowWidget.h"

#include <QDebug>
#include <QEvent>

WatchingWindow::WatchingWindow(QWidget *parent)
    : MahjongDialog(parent, 0), m_ui(std::make_unique<Ui::WatchingWindowWidget>())
{
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &WatchingWindow::leaveButtonClicked);
    connect(m_ui->joinButton, &QPushButton::clicked, this, &WatchingWindow::joinButtonClicked);
}

WatchingWindow::~WatchingWindow() = default;

void WatchingWindow::setPickedUpInfoHidden(bool hidden)
{
    qDebug().nospace() << "setVisible: " << !hidden;
    m_ui->pickedUpInfo->setVisible(!hidden);
}

void WatchingWindow::onJoinableChanged(bool joinable)
{
    m_ui->joinButton->setEnabled(joinable);
}

void WatchingWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(contentWidget());
    MahjongDialog::changeEvent(event);
}
