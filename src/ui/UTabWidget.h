#pragma once

#include <QWidget>

#include <memory>

class QIcon;
class QTabBar;
class UStackedWidget;

namespace Ui {
class UTabWidget;
}

// A tab widget built from a plain tab bar and a page stack, so that style sheets reach
// every piece of it.
class UTabWidget : public QWidget
{
    Q_OBJECT

public:
    explicit UTabWidget(QWidget *parent = nullptr);
    ~UTabWidget() override;

    int addTab(QWidget *page, const QString &label);
    int count() const;
    void setCurrentIndex(int index);
    int currentIndex() const;
    QWidget *widget(int index) const;
    void setTabText(int index, const QString &text);
    void setTabIcon(int index, const QIcon &icon);

    QTabBar *tabBar() const;
    UStackedWidget *tabPane() const;

signals:
    void currentChanged(int index);

private:
    std::unique_ptr<Ui::UTabWidget> m_ui;
};
