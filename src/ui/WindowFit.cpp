#include "ui/WindowFit.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace {

// The frame a window manager puts around a window, kept free before it has told it: a
// title bar, borders and a handle below as the common desktops draw them.
const QMargins ExpectedFrame(4, 36, 4, 8);
// How far a size the window system gives may lie from the room the fit makes, that still
// counts as its fitting the window to the screen: window managers reckon the room with
// their own frame and panels.
constexpr int FitSlack = 48;
// How often and how long the fit looks for a frame the window manager has not told yet:
// some tell it only by a property, which neither moves nor resizes the window.
constexpr int FrameLookMs = 100;
constexpr int FrameLooks = 50;

// Whether the window system made `size` of `wish` by fitting it into `room` in one
// dimension: unchanged there, or down near the room where the wish takes that room or more.
bool fittedDimension(int size, int wish, int room)
{
    return size == wish || (size < wish && wish > room - FitSlack && std::abs(size - room) <= FitSlack);
}

} // namespace

WindowFit::WindowFit(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    m_frameLook.setInterval(FrameLookMs);
    connect(&m_frameLook, &QTimer::timeout, this, [this] {
        if (!frameMargins().isNull() || ++m_frameLooks >= FrameLooks)
            m_frameLook.stop();
        noticeFrame();
    });
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

QMargins WindowFit::expectedFrame() const
{
    // Until the window manager has framed the window (once it shows, on some systems a
    // moment later), room is kept for a frame.
    const QMargins frame = frameMargins();
    if (!frame.isNull() || (m_window->windowFlags() & Qt::FramelessWindowHint))
        return frame;
    return ExpectedFrame;
}

bool WindowFit::fittedToScreen(const QSize &size) const
{
    const QScreen *screen = m_window->screen();
    if (!screen)
        return false;
    const QSize room = screen->availableGeometry().size().shrunkBy(expectedFrame());
    return fittedDimension(size.width(), m_wish.width(), room.width())
           && fittedDimension(size.height(), m_wish.height(), room.height());
}

QMargins WindowFit::frameMargins() const
{
    // As the window system knows it now: some window managers tell a frame only by a
    // property, which moves nothing, so the widget's frame of its last move is behind.
    if (const QWindow *handle = m_window->windowHandle())
        return handle->frameMargins();
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
    const QMargins frame = expectedFrame();
    {
        const QScopedValueRollback<bool> fitting(m_fitting, true);
        m_window->resize(m_wish.boundedTo(area.size().shrunkBy(frame)));
    }
    m_fitted = m_window->size();
    // The frame stands around the window where it is, also the one room is kept for: a
    // window manager that tells its frame only after the fit (as it takes the window back
    // from full screen, say) draws it around the window as the fit left it. A window wider
    // or higher than the area (its minimum size) keeps its top left corner in it, where
    // the title bar and the top bar's controls are.
    const QRect outer = m_window->geometry().marginsAdded(frame);
    const QPoint corner(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())),
                        std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft())
        m_window->move(m_window->pos() + (corner - outer.topLeft()));
    if (frameMargins().isNull() && !frame.isNull() && !m_frameLook.isActive()) {
        m_frameLooks = 0;
        m_frameLook.start();
    }
}

void WindowFit::noticeFrame()
{
    if (const QMargins frame = frameMargins(); frame != m_frame) {
        m_frame = frame;
        fitLater();
    }
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
    case QEvent::WindowActivate:
    case QEvent::Resize:
    case QEvent::Move:
        // A size given to the normal window is the new wish, unless the window system
        // only fitted the window to the screen (as it leaves full screen, say).
        if (event->type() == QEvent::Resize && m_wish.isValid() && !m_fitting
            && !(m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized))
            && m_window->size() != m_fitted && !fittedToScreen(m_window->size()))
            m_wish = m_window->size();
        // The window manager's frame arrived or changed (some tell it only by the time
        // they activate the window).
        noticeFrame();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
