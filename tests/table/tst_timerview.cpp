#include "testmain.h"

#include "TestServerClock.h"
#include "app/TimeSpan.h"
#include "table/sidebar/TimerView.h"

#include <QImage>

namespace {

// The widget drawn into a transparent image (no window background).
QImage render(TimerView &view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool blank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestTimerView : public QObject
{
    Q_OBJECT

private slots:
    void updateIntervalFollowsTheSpan();
    void counterRoundsToWholeSeconds();
    void emptyOrBackwardSpansShowNothing();
    void shadowShrinksThePie();

private:
    TestServerClock m_clock;
};

void TestTimerView::updateIntervalFollowsTheSpan()
{
    m_clock.setMs(0);
    TimerView pie;
    pie.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(30000)));
    QCOMPARE(pie.length(), 30000);
    QCOMPARE(pie.updateInterval(), 300);
    QVERIFY(pie.isUpdating());
    pie.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(5000)));
    QCOMPARE(pie.updateInterval(), 100);

    TimerView counter(nullptr, {}, TimerView::DEC_COUNTER);
    counter.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(20000)));
    QCOMPARE(counter.updateInterval(), 1000);

    // A null start runs from the server's now; setEndTime is the same.
    m_clock.setMs(4000);
    pie.setTimeSpan(TimeSpan(QDateTime(), m_clock.at(10000)));
    QCOMPARE(pie.length(), 6000);
    pie.setEndTime(m_clock.at(7000));
    QCOMPARE(pie.length(), 3000);

    // The style sheet names the enumerations.
    QWidget holder;
    holder.setStyleSheet(QStringLiteral("TimerView { qproperty-displayType: DEC_COUNTER; "
                                        "qproperty-pieType: PIE_COLOR; qproperty-shadowOffset: 4; }"));
    TimerView styled(&holder);
    holder.ensurePolished();
    styled.ensurePolished();
    QCOMPARE(styled.displayType(), TimerView::DEC_COUNTER);
    QCOMPARE(styled.pieType(), TimerView::PIE_COLOR);
    QCOMPARE(styled.shadowOffset(), 4);
}

void TestTimerView::counterRoundsToWholeSeconds()
{
    m_clock.setMs(0);
    TimerView counter(nullptr, {}, TimerView::DEC_COUNTER);
    counter.resize(40, 30);
    counter.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(20000)));

    m_clock.setMs(20000 - 1499);
    QCOMPARE(counter.secondsShown(), 1);
    const QImage one = render(counter);
    QVERIFY(!blank(one));
    m_clock.setMs(20000 - 1500);
    QCOMPARE(counter.secondsShown(), 2);
    QVERIFY(render(counter) != one);
    m_clock.setMs(20000 - 499);
    QCOMPARE(counter.secondsShown(), 0);
    QVERIFY(blank(render(counter)));
    QVERIFY(counter.isUpdating());

    // Once the end has passed the next paint stops the timer.
    m_clock.setMs(20001);
    render(counter);
    QVERIFY(!counter.isUpdating());
}

void TestTimerView::emptyOrBackwardSpansShowNothing()
{
    m_clock.setMs(0);
    TimerView pie;
    pie.resize(20, 20);
    pie.setTimeSpan(TimeSpan(m_clock.at(5000), m_clock.at(1000)));
    QCOMPARE(pie.length(), 0);
    QVERIFY(!pie.isUpdating());
    QVERIFY(blank(render(pie)));

    pie.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(10000)));
    QVERIFY(pie.isUpdating());
    QVERIFY(!blank(render(pie)));
    pie.setTimeSpan(TimeSpan());
    QCOMPARE(pie.length(), 0);
    QVERIFY(pie.isUpdating()); // until the next paint
    QVERIFY(blank(render(pie)));
    QVERIFY(!pie.isUpdating());
}

void TestTimerView::shadowShrinksThePie()
{
    m_clock.setMs(0);
    TimerView pie;
    pie.resize(40, 40);
    pie.setTimeSpan(TimeSpan(m_clock.at(0), m_clock.at(30000))); // a full circle

    QImage plain = render(pie);
    QCOMPARE(qAlpha(plain.pixel(38, 20)), 255);
    QCOMPARE(qAlpha(plain.pixel(20, 38)), 255);

    pie.setShadowOffset(5);
    const QImage shadowed = render(pie);
    // The pie fills 35 x 35 at the top left, its shadow shows 5 pixels right and down.
    QCOMPARE(qAlpha(shadowed.pixel(33, 17)), 255);
    QCOMPARE(qAlpha(shadowed.pixel(38, 22)), 64);
    QCOMPARE(qAlpha(shadowed.pixel(22, 38)), 64);
    QCOMPARE(qAlpha(shadowed.pixel(1, 1)), 0);

    // Half way the pie keeps its left half (counter-clockwise from 12 o'clock).
    m_clock.setMs(15000);
    pie.setShadowOffset(0);
    const QImage half = render(pie);
    QCOMPARE(qAlpha(half.pixel(8, 20)), 255);
    QCOMPARE(qAlpha(half.pixel(32, 20)), 0);
    half.save(QStringLiteral("%1/timerview-half.png").arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", ".")));
}

MAHJONG_TEST_MAIN(TestTimerView)
#include "tst_timerview.moc"
