#include "ui/UTabWidget.h"
#include "ui_UTabWidget.h"

#include <QLayout>

UTabWidget::UTabWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::UTabWidget>())
{
    m_ui->setupUi(this);
    connect(m_ui->tabBar, &QTabBar::currentChanged, m_ui->tabPane, &QStackedWidget::setCurrentIndex);
    connect(m_ui->tabPane, &QStackedWidget::currentChanged, this, &UTabWidget::currentChanged);
}

UTabWidget::~UTabWidget() = default;

int UTabWidget::addTab(QWidget *page, const QString &label)
{
    m_ui->tabPane->addWidget(page);
    const int index = m_ui->tabBar->addTab(label);
    // A hidden tab bar does not announce its new size itself; the first tabs would
    // otherwise get no height once shown.
    m_ui->tabBar->updateGeometry();
    if (isVisible())
        m_ui->tabBarContainer->layout()->activate();
    return index;
}

int UTabWidget::count() const
{
    return m_ui->tabPane->count();
}

void UTabWidget::setCurrentIndex(int index)
{
    m_ui->tabBar->setCurrentIndex(index);
}

int UTabWidget::currentIndex() const
{
    return m_ui->tabBar->currentIndex();
}

QWidget *UTabWidget::widget(int index) const
{
    return m_ui->tabPane->widget(index);
}

void UTabWidget::setTabText(int index, const QString &text)
{
    m_ui->tabBar->setTabText(index, text);
    m_ui->tabBar->updateGeometry();
}

void UTabWidget::setTabIcon(int index, const QIcon &icon)
{
    m_ui->tabBar->setTabIcon(index, icon);
    m_ui->tabBar->updateGeometry();
}

QTabBar *UTabWidget::tabBar() const
{
    return m_ui->tabBar;
}

UStackedWidget *UTabWidget::tabPane() const
{
    return m_ui->tabPane;
}
