#include "ui/WindowFit.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

WindowFit::WindowFit(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

void WindowFit::setWishedSize(const QSize &size)
{
    m_wish = size;
    fit();
}

QSize WindowFit::wishedSize() const
{
    return m_wish.isValid() ? m_wish : m_window->size();
}

QMargins WindowFit::frameMargins() const
{
    const QRect inner = m_window->geometry();
    const QRect outer = m_window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void WindowFit::fit()
{
    if (!m_wish.isValid()
        || (m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized)))
        return;
    const QScreen *screen = m_window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known once the window shows (on some systems a moment later): until
    // then the window alone is fitted.
    const QSize room = area.size().shrunkBy(frameMargins());
    {
        const QScopedValueRollback<bool> fitting(m_fitting, true);
        m_window->resize(m_wish.boundedTo(room));
    }
    m_fitted = m_window->size();
    // A window wider or higher than the area (its minimum size) keeps its top left corner
    // in it, where the title bar and the top bar's controls are.
    const QRect outer = m_window->frameGeometry();
    const QPoint corner(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())),
                        std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft())
        m_window->move(corner);
}

void WindowFit::fitLater()
{
    // After the window system's answer to a change of state or screen has arrived.
    if (m_fitQueued)
        return;
    m_fitQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_fitQueued = false;
            fit();
        },
        Qt::QueuedConnection);
}

void WindowFit::followScreen(QScreen *screen)
{
    disconnect(m_screenArea);
    if (screen)
        m_screenArea = connect(screen, &QScreen::availableGeometryChanged, this, &WindowFit::fitLater);
    fitLater();
}

bool WindowFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (QWindow *handle = m_window->windowHandle()) {
            if (connect(handle, &QWindow::screenChanged, this, &WindowFit::followScreen, Qt::UniqueConnection))
                followScreen(handle->screen());
        }
        m_frame = frameMargins();
        fit();
        break;
    case QEvent::WindowStateChange:
        fitLater();
        break;
    case QEvent::Resize:
    case QEvent::Move:
        // A size given to the normal window is the new wish.
        if (event->type() == QEvent::Resize && m_wish.isValid() && !m_fitting
            && !(m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized))
            && m_window->size() != m_fitted)
            m_wish = m_window->size();
        // The window manager's frame arrived or changed.
        if (const QMargins frame = frameMargins(); frame != m_frame) {
            m_frame = frame;
            fitLater();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
