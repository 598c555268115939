#pragma once

#include <QColor>
#include <QObject>

class QWebEngineView;
class QWidget;

// Lays a view's web page on the colour of the widgets beneath the view.
//
// A page with a transparent background is composed above every widget of its window, so
// boxes and dialogs shown over it would let the page show through. Laid on the colour that
// would show through its transparent areas, the page looks the same and keeps its place
// among the widgets. The colour is read again whenever the view is shown, as it may have
// been moved elsewhere meanwhile.
class PageGround : public QObject
{
    Q_OBJECT

public:
    // Lays the view's current page on its ground now and on every show of the view.
    static void layOn(QWebEngineView *view);
    // The opaque colour of the widgets beneath the middle of the widget.
    static QColor beneath(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PageGround(QWebEngineView *view);
    void apply();

    QWebEngineView *m_view;
};
