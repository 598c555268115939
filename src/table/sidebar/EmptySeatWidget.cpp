#include "table/sidebar/EmptySeatWidget.h"

#include "ui_EmptySeatWidget.h"

#include <QEvent>

EmptySeatWidget::EmptySeatWidget(QWidget *parent)
    : QFrame(parent), m_ui(std::make_unique<Ui::EmptySeatWidget>())
{
    m_ui->setupUi(this);
    m_ui->label->setText(tr("Waiting for player"));
}

EmptySeatWidget::~EmptySeatWidget() = default;

void EmptySeatWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->label->setText(tr("Waiting for player"));
    }
    QFrame::changeEvent(event);
}
