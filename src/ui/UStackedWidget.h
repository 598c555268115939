#pragma once

#include <QStackedWidget>

// The page stack inside UTabWidget; a class of its own so that style sheets can name it.
class UStackedWidget : public QStackedWidget
{
    Q_OBJECT

public:
    explicit UStackedWidget(QWidget *parent = nullptr)
        : QStackedWidget(parent)
    {
    }
};
