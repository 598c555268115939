#include "testmain.h"

#include "app/Singleton.h"
#include "app/TournamentInfo.h"
#include "connection/ConnectionManager.h"
#include "connection/ServerTime.h"
#include "lobby/ComingEventPopup.h"
#include "lobby/ComingEventsModel.h"
#include "lobby/ComingEventsView.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

QDateTime serverNow()
{
    return Singleton<ServerTime>::instance().now();
}

TournamentInfo tournament(qint32 id, const std::vector<QDateTime> &starts,
                          const std::vector<int> &lengths, bool registered = true,
                          TournamentInfo::status_t status = TournamentInfo::Open)
{
    TournamentInfo info(id);
    info.setRegistered(registered);
    info.setStatus(status);
    info.setRoundsStart(starts);
    info.setRoundsLength(lengths);
    return info;
}

std::vector<qint32> kinds(const ComingEvents &events)
{
    std::vector<qint32> result;
    for (const ComingEvent &event : events)
        result.push_back(event.kind);
    return result;
}

} // namespace

class TestComingEvents : public QObject
{
    Q_OBJECT

private:
    ConnectionManager m_connection{false};

private slots:
    void roundsAndServerEventsMergeInTimeOrder()
    {
        ComingEventsModel model(&m_connection, nullptr, nullptr);
        QSignalSpy changed(&model, &ComingEventsModel::comingEventsChanged);
        const QDateTime t0 = QDateTime(QDate(2030, 1, 1), QTime(12, 0), Qt::UTC);
        model.onTournamentAdded(tournament(7, {t0, t0.addSecs(1800), t0.addSecs(3600)}, {1200, 1200, 1200}));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{1, 3, 2, 3, 2, 3}));
        QCOMPARE(model.comingEvents().at(1).time, t0.addSecs(1200));

        model.onComingServerEvents({ComingEvent(0, t0.addSecs(7200)), ComingEvent(0, t0)});
        QCOMPARE(changed.size(), 2);
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{0, 1, 3, 2, 3, 2, 3, 0}));
        QCOMPARE(changed.last().at(0).value<ComingEvents>(), model.comingEvents());

        // The same rounds again change nothing; other rounds do.
        model.onTournamentUpdated(tournament(7, {t0, t0.addSecs(1800), t0.addSecs(3600)}, {1200, 1200, 1200}));
        QCOMPARE(changed.size(), 2);
        model.onTournamentUpdated(tournament(7, {t0}, {600}));
        QCOMPARE(changed.size(), 3);
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{0, 1, 3, 0}));

        // Not registered, or over: the events go; a tournament not held changes nothing.
        model.onTournamentAdded(tournament(8, {t0}, {600}, false));
        model.onTournamentRemoved(99);
        QCOMPARE(changed.size(), 3);
        model.onTournamentUpdated(tournament(7, {t0}, {600}, true, TournamentInfo::Done));
        QCOMPARE(changed.size(), 4);
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{0, 0}));
        model.onTournamentAdded(tournament(9, {t0}, {600}));
        model.onTournamentUpdated(tournament(9, {t0}, {600}, false));
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{0, 0}));
    }

    void roundListsOfUnequalLengthPairOnlyWhatTheyShare()
    {
        ComingEventsModel model(&m_connection, nullptr, nullptr);
        const QDateTime t0 = QDateTime(QDate(2030, 1, 1), QTime(12, 0), Qt::UTC);
        model.onTournamentAdded(tournament(1, {t0, t0.addSecs(3600), t0.addSecs(7200)}, {600}));
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{1, 3}));
        model.onTournamentUpdated(tournament(1, {t0}, {600, 700, 800}));
        QCOMPARE(kinds(model.comingEvents()), (std::vector<qint32>{1, 3}));
        model.onTournamentUpdated(tournament(1, {}, {600}));
        QVERIFY(model.comingEvents().empty());
    }

    void noticeOfTheFirstRelevantEvent()
    {
        QWidget host;
        host.resize(600, 300);
        host.show();
        ComingEventsModel model(&m_connection, nullptr, nullptr);
        ComingEventsView view(&model, &host);
        view.setArea([&host](const QSize &) { return QRect(10, 20, host.width() - 20, 60); });
        const QDateTime now = serverNow();

        view.updatePopup({ComingEvent(1, now.addSecs(7200)), ComingEvent(3, now.addSecs(60))});
        QVERIFY(!view.currentPopup());

        const ComingEvent start(1, now.addSecs(59 * 60));
        view.updatePopup({ComingEvent(3, now.addSecs(30)), start});
        QPointer<ComingEventPopup> popup = view.currentPopup();
        QVERIFY(popup);
        QCOMPARE(popup->comingEvent(), start);
        // Centred at the top of its area, and again when the host's size changes.
        QCOMPARE(popup->y(), 20);
        QVERIFY(qAbs(popup->geometry().center().x() - 300) <= 1);
        host.resize(800, 300);
        QTRY_VERIFY(qAbs(popup->geometry().center().x() - 400) <= 1);
        QTRY_VERIFY(popup->text().startsWith("You are registered for tournament starting in "));
        // An area narrower than the notice: from its left edge, yet inside the host.
        view.setArea([](const QSize &) { return QRect(50, 30, 0, 0); });
        QCOMPARE(popup->pos(), QPoint(50, 30));
        view.setArea([&host](const QSize &) { return QRect(host.width() - 10, 30, 0, 0); });
        QCOMPARE(popup->geometry().right(), host.width() - 1);
        QCOMPARE(popup->width(), popup->sizeHint().width());
        // A fixed place stays where it is whatever the host's size.
        view.setPosition(QPoint(12, 34));
        QCOMPARE(popup->pos(), QPoint(12, 34));
        host.resize(640, 300);
        QTest::qWait(20);
        QCOMPARE(popup->pos(), QPoint(12, 34));
        view.setArea([&host](const QSize &) { return QRect(10, 20, host.width() - 20, 60); });
        QVERIFY(qAbs(popup->geometry().center().x() - 320) <= 1);

        // Another list with the same first notice keeps the notice.
        view.updatePopup({ComingEvent(3, now.addSecs(10)), start, ComingEvent(0, now.addSecs(9000))});
        QCOMPARE(view.currentPopup(), popup.data());

        // A notice lets clicks through to what lies beneath it.
        auto *button = new QPushButton("beneath", &host);
        button->setGeometry(popup->geometry().adjusted(-5, -5, 5, 5));
        button->lower();
        button->show();
        QSignalSpy clicked(button, &QPushButton::clicked);
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, popup->geometry().center());
        QCOMPARE(clicked.size(), 1);

        view.updatePopup({});
        QVERIFY(!view.currentPopup());
        QTRY_VERIFY(!popup);
    }

    void maintenanceNoticeCountsDownAndExpiresOnce()
    {
        QWidget host;
        host.resize(600, 300);
        host.show();
        ComingEventsModel model(&m_connection, nullptr, nullptr);
        ComingEventsView view(&model, &host);
        const ComingEvent maintenance(0, serverNow().addSecs(3));
        model.onComingServerEvents({maintenance});
        QPointer<ComingEventPopup> popup = view.currentPopup();
        QVERIFY(popup);
        QSignalSpy expired(popup.data(), &ComingEventPopup::expired);
        QTRY_VERIFY(popup->text().startsWith("Server will go down for maintenance in 0 minute"));
        QTRY_VERIFY_WITH_TIMEOUT(!popup, 5000);
        QCOMPARE(expired.size(), 1);
        QVERIFY(!view.currentPopup());
        QVERIFY(host.findChildren<ComingEventPopup *>().isEmpty());
    }
};

MAHJONG_TEST_MAIN(TestComingEvents)
#include "tst_comingevents.moc"
