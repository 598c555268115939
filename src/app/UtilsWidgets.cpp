#include "app/Utils.h"

#include <QApplication>
#include <QMainWindow>

QMainWindow *Utils::findMainWindow()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *window = qobject_cast<QMainWindow *>(widget))
            return window;
    }
    return nullptr;
}
