#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWidget>

#include <memory>
#include <optional>

// Whether a web view shows its page. The page's own process lays it out and draws it at
// its own pace: a test that looks at a view (or keeps a picture of it) waits for the
// page to have been drawn at the view's size.
namespace WebViews {

// The result of a script run beside the page's own (it shares the page's document, not
// its variables); invalid when none comes within `msecs`.
inline QVariant evaluate(QWebEnginePage *page, const QString &script, int msecs = 10000)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                        [result](const QVariant &value) { *result = value; });
    return QTest::qWaitFor([&] { return result->has_value(); }, msecs) ? **result : QVariant();
}

// The size the page is drawn at, once it has been drawn at its present size: the first
// call at a size asks for two animation frames, and the frame between them is drawn
// when the second comes. Empty until then.
inline QString drawnSize(QWebEnginePage *page, int msecs = 10000)
{
    static const QString script = QStringLiteral(R"((function () {
    var size = innerWidth + 'x' + innerHeight;
    if (window.drawnAt === size)
        return size;
    if (window.markingAt !== size) {
        window.markingAt = size;
        requestAnimationFrame(function () {
            requestAnimationFrame(function () { window.drawnAt = size; });
        });
    }
    return '';
})())");
    return evaluate(page, script, msecs).toString();
}

// Whether a widget's picture is all of one colour.
inline bool blank(QWidget *widget)
{
    const QImage shot = widget->grab().toImage();
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != shot.pixel(0, 0))
                return false;
        }
    }
    return true;
}

// The page a view shows or is loading (its url() is empty until the first page came).
inline QUrl pageUrl(QWebEngineView *view)
{
    return view->page()->isLoading() ? view->page()->requestedUrl() : view->url();
}

// Whether a view shown shows its page within `msecs`: loaded, drawn at the view's size
// and in the view's picture (a page that shows nothing but its ground is not drawn yet).
// A hidden view, or one without a page, needs nothing.
inline bool showsPage(QWebEngineView *view, int msecs = 15000)
{
    const QUrl url = pageUrl(view);
    if (!view->isVisible() || url.isEmpty() || url == QUrl(QStringLiteral("about:blank")))
        return true;
    QWebEnginePage *page = view->page();
    const QDeadlineTimer deadline(msecs);
    return QTest::qWaitFor([&] {
        if (page->isLoading())
            return false;
        const QString size = QStringLiteral("%1x%2").arg(view->width()).arg(view->height());
        return drawnSize(page, int(qMax<qint64>(deadline.remainingTime(), 1))) == size && !blank(view);
    }, msecs);
}

// The addresses of the pages that the views shown in the windows do not show within
// `msecs` each (see showsPage); the windows' views are gathered first, since waiting for
// one lets others come and go.
inline QStringList pagesNotShown(const QWidgetList &windows, int msecs = 15000)
{
    QList<QPointer<QWebEngineView>> views;
    for (QWidget *window : windows) {
        const auto found = window->findChildren<QWebEngineView *>();
        views.append(QList<QPointer<QWebEngineView>>(found.begin(), found.end()));
    }
    QStringList notShown;
    for (const QPointer<QWebEngineView> &view : std::as_const(views)) {
        if (view && !showsPage(view, msecs))
            notShown << pageUrl(view).toString();
    }
    return notShown;
}

} // namespace WebViews
