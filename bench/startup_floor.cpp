// The floor of the start-up measurement: a bare Qt widgets program that shows one window
// and prints the wall-clock time of its first paint, then ends.
#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class FloorWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::darkBlue);
        if (m_painted)
            return;
        m_painted = true;
        std::printf("painted %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
