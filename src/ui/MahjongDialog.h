#pragma once

#include <QFrame>
#include <QPoint>

#include <memory>

namespace Ui {
class MahjongDialog;
}

// The frame of every dialog of the client: a child widget drawn over its window, with
// its own title bar, an optional close button and dragging by the title bar. Concrete
// dialogs supply their body through setContentWidget().
class MahjongDialog : public QFrame
{
    Q_OBJECT

public:
    enum Option {
        ShowCloseButton = 1,
        HideTitleBar = 2
    };

    MahjongDialog(QWidget *parent, int options);
    ~MahjongDialog() override;

    void setContentWidget(QWidget *content);
    QWidget *contentWidget() const { return m_content; }

    void centerOnParent();
    void showAndRaise(bool center);

public slots:
    void onCloseClicked();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Takes at least the given width and the height its wrapped texts need at its width,
    // as far as its parent has room.
    void fitIntoParent(int minimumWidth = 0);

private:
    std::unique_ptr<Ui::MahjongDialog> m_ui;
    QWidget *m_content = nullptr;
    bool m_dragging = false;
    QPoint m_grabOffset;
    bool m_shownOnce = false;
    bool m_titleGuard = false;
};

// Keeps a dialog centred in its parent widget while that widget is resized. Created
// with new; it dies with the dialog.
class AutoCenterToParent : public QObject
{
public:
    explicit AutoCenterToParent(QWidget *dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
