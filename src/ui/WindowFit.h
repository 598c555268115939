#pragma once

#include <QMargins>
#include <QMetaObject>
#include <QObject>
#include <QSize>
#include <QTimer>

class QScreen;
class QWidget;

// Keeps a top-level window, its frame included, inside the available area of the screen
// it shows on: the window takes the size wished for, shrunk where that screen has less
// room, and is moved in where it would reach past an edge of the area. It looks again
// when the window shows, when it comes back from full screen or maximized, when the
// window manager's frame arrives or changes (seen as the window moves, is resized or is
// activated, and looked for a while after each fit until it is told), when the window
// goes to another screen and when that screen's area changes. Until the window manager
// has told its frame, room is kept for one, at the window's sides and above it. A size
// given to the window in its normal state (by the player, say) becomes the wish; a size
// the fit made does not, nor one the window system made by fitting the wish to the
// screen its own way.
class WindowFit : public QObject
{
    Q_OBJECT

public:
    explicit WindowFit(QWidget *window);

    // Resizes the window to `size` as far as its screen allows, and keeps fitting it from
    // then on.
    void setWishedSize(const QSize &size);
    // The size wished for: the last one set or given to the window, else its size.
    QSize wishedSize() const;

    // Fits the window now, when a size is wished and the window is in its normal state.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followScreen(QScreen *screen);
    void fitLater();
    // Fits again when the window manager's frame has changed since the last look.
    void noticeFrame();
    QMargins frameMargins() const;
    QMargins expectedFrame() const;
    bool fittedToScreen(const QSize &size) const;

    QWidget *m_window;
    QSize m_wish; // none: the window keeps the size it has
    QSize m_fitted;
    bool m_fitting = false;
    bool m_fitQueued = false;
    QMargins m_frame;
    // Looks for the frame while the window manager has not told it.
    QTimer m_frameLook;
    int m_frameLooks = 0;
    QMetaObject::Connection m_screenArea;
};
