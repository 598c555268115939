#include "lobby/TablePreviewPlayerWidget.h"

#include "ui_TablePreviewPlayerWidget.h"

TablePreviewPlayerWidget::TablePreviewPlayerWidget(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::TablePreviewPlayerWidget>())
{
    m_ui->setupUi(this);
    m_ui->screenNameLabel->setElideMode(Qt::ElideRight);
    clear();
}

TablePreviewPlayerWidget::~TablePreviewPlayerWidget() = default;

void TablePreviewPlayerWidget::setPicture(const QPixmap &picture)
{
    m_ui->avatarLabel->setPixmap(picture);
}

void TablePreviewPlayerWidget::setName(const QString &name)
{
    m_ui->screenNameLabel->setText(name);
}

QString TablePreviewPlayerWidget::name() const
{
    return m_ui->screenNameLabel->fullText();
}

void TablePreviewPlayerWidget::clear()
{
    setPicture(QPixmap());
    setName(QString());
}
