#pragma once

#include "chat/ChatOutputWidget.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

// A view of 600 x 400, shown.
template <typename View>
std::unique_ptr<View> shownView()
{
    auto view = std::make_unique<View>();
    view->resize(600, 400);
    view->show();
    QCoreApplication::processEvents();
    return view;
}

// Lets the view lay out everything it was given.
inline void settle(QTextEdit &view)
{
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(view.document()->size());
}

// Runs the event loop until the line list shows the text at its end: it shows the
// lines it was given over the next passes.
inline void showAll(ChatOutputWidget &view, const QString &lastText)
{
    while (!view.document()->lastBlock().text().endsWith(lastText))
        QCoreApplication::processEvents();
    settle(view);
}
