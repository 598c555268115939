#include "testmain.h"

#include "contrast.h"
#include "screenshot.h"
#include "skinstylesheets.h"

#include "app/TournamentInfo.h"
#include "app/startup/ResourceSearchPaths.h"
#include "lobby/JoinDialog.h"
#include "lobby/TournamentDetailDialog.h"
#include "ui/MahjongDialog.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolButton>

class TestMahjongDialog : public QObject
{
    Q_OBJECT

private:
    static QWidget *topBar(MahjongDialog &d) { return d.findChild<QWidget *>("topBar"); }

    static void sendMouse(QWidget *target, QEvent::Type type, QPoint local, Qt::MouseButton button)
    {
        const QPointF global = target->mapToGlobal(QPointF(local));
        QMouseEvent event(type, QPointF(local), global, button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

private slots:
    // Over a web page the window's backing store holds a hole beneath a dialog, where the
    // page shows, so the dialog itself must cover every pixel of its area: painted alone
    // over transparency, no pixel may stay see-through, with or without the skins' sheets.
    void paintsItsWholeAreaOpaque_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("no style sheet") << QString();
        QTest::newRow("default skin") << QStringLiteral("default");
        QTest::newRow("corvana skin") << QStringLiteral("corvana");
    }

    void paintsItsWholeAreaOpaque()
    {
        QFETCH(QString, skin);
        QString sheet;
        if (!skin.isEmpty()) {
            for (const QString &file : QStringList{QStringLiteral("default/defaultui.css"), skin + QStringLiteral("/customui.css")}) {
                QFile css(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + QStringLiteral("/resources/") + file);
                if (css.open(QIODevice::ReadOnly))
                    sheet += QString::fromUtf8(css.readAll()) + QLatin1Char('\n');
            }
            QVERIFY(!sheet.isEmpty());
        }
        qApp->setStyleSheet(sheet);
        QWidget window;
        window.resize(640, 420);
        ModelessMsgBox::MsgBox *box =
            ModelessMsgBox::question(&window, QStringLiteral("Quit"), QStringLiteral("Are you sure you want to quit?"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QImage alone(box->size(), QImage::Format_ARGB32_Premultiplied);
        alone.fill(Qt::transparent);
        box->render(&alone, QPoint(), QRegion(), QWidget::DrawChildren);
        const QString shots = qEnvironmentVariable("MAHJONG_BINARY_DIR") + QStringLiteral("/screenshots");
        QDir().mkpath(shots);
        alone.save(QStringLiteral("%1/dialog-alone-%2.png").arg(shots, skin.isEmpty() ? QStringLiteral("plain") : skin));
        int seeThrough = 0;
        for (int y = 0; y < alone.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(alone.constScanLine(y));
            for (int x = 0; x < alone.width(); ++x)
                seeThrough += qAlpha(line[x]) < 255 ? 1 : 0;
        }
        qApp->setStyleSheet(QString());
        QCOMPARE(seeThrough, 0);
    }

    void optionsShowAndHideTheTitleBarParts()
    {
        QWidget parent;
        MahjongDialog none(&parent, 0);
        MahjongDialog withClose(&parent, 1);
        MahjongDialog noBar(&parent, 2);
        QVERIFY(none.findChild<QToolButton *>("closeButton")->isHidden());
        QVERIFY(!topBar(none)->isHidden());
        QVERIFY(!withClose.findChild<QToolButton *>("closeButton")->isHidden());
        QVERIFY(topBar(noBar)->isHidden());
        QCOMPARE(none.objectName(), QStringLiteral("MahjongDialog"));
        QVERIFY(!none.isWindow());
    }

    void titlePropagatesBothWaysWithoutLoop()
    {
        QWidget parent;
        MahjongDialog dialog(&parent, 1);
        auto *content = new QWidget;
        content->setWindowTitle("Body");
        dialog.setContentWidget(content);
        auto *title = dialog.findChild<QLabel *>("titleText");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Body"));
        QCOMPARE(title->text(), QStringLiteral("Body"));

        dialog.setWindowTitle("Dialog <b>title</b>");
        QCOMPARE(content->windowTitle(), QStringLiteral("Dialog <b>title</b>"));
        QCOMPARE(title->text(), QStringLiteral("Dialog <b>title</b>"));
        QCOMPARE(title->textFormat(), Qt::PlainText);

        content->setWindowTitle("From content");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("From content"));
        QCOMPARE(title->text(), QStringLiteral("From content"));
    }

    void contentVisibilityDrivesTheDialog()
    {
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        auto *dialog = new MahjongDialog(&parent, 1);
        auto *content = new QWidget;
        content->hide();
        dialog->setContentWidget(content);
        QVERIFY(dialog->isHidden());
        content->show();
        QVERIFY(dialog->isVisible());
        content->hide();
        QVERIFY(dialog->isHidden());

        content->show();
        QSignalSpy destroyed(dialog, &QObject::destroyed);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        content->close();
        QTRY_COMPARE(destroyed.size(), 1);
    }

    void neverLargerThanParentAfterContentResize()
    {
        QWidget parent;
        parent.resize(200, 150);
        parent.show();
        MahjongDialog dialog(&parent, 1);
        auto *content = new QWidget;
        dialog.setContentWidget(content);
        dialog.show();
        dialog.resize(500, 100);
        content->resize(10, 10);
        QCOMPARE(dialog.size(), QSize(200, 100));
        dialog.resize(120, 400);
        content->resize(11, 11);
        QCOMPARE(dialog.size(), QSize(120, 150));
    }

    void centeringAndResizeKeepCentre()
    {
        QWidget parent;
        parent.resize(400, 300);
        MahjongDialog dialog(&parent, 1);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        auto *content = new QWidget;
        dialog.setContentWidget(content);
        content->show();
        dialog.resize(100, 50);
        dialog.centerOnParent();
        QCOMPARE(dialog.pos(), QPoint(150, 125));

        dialog.resize(201, 101);
        QCOMPARE(dialog.pos(), QPoint(100, 100));

        // Growing past the parent is cut back to the parent's width by the content's resize.
        dialog.resize(601, 101);
        QCOMPARE(dialog.pos(), QPoint(0, 100));
        QCOMPARE(dialog.width(), 400);

        // Without a content widget nothing limits the width: centring goes negative.
        MahjongDialog wide(&parent, 1);
        wide.show();
        wide.resize(601, 24);
        wide.centerOnParent();
        QCOMPARE(wide.x(), (400 - 601) / 2);
        QVERIFY(wide.x() < 0);
    }

    void showAndRaiseComputesSizeOnce()
    {
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        MahjongDialog dialog(&parent, 1);
        auto *content = new QWidget;
        content->setMinimumSize(120, 80);
        dialog.setContentWidget(content);

        int shows = 0;
        int hides = 0;
        struct Counter : QObject {
            int *shows;
            int *hides;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Show)
                    ++*shows;
                if (e->type() == QEvent::Hide)
                    ++*hides;
                return false;
            }
        } counter;
        counter.shows = &shows;
        counter.hides = &hides;
        dialog.installEventFilter(&counter);

        dialog.showAndRaise(true);
        QCOMPARE(shows, 2);
        QCOMPARE(hides, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), QPoint((400 - dialog.width()) / 2, (300 - dialog.height()) / 2));
        dialog.showAndRaise(true);
        QCOMPARE(shows, 2);
        QCOMPARE(hides, 1);
    }

    void dragsByTitleBarInsideParentOnly()
    {
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        MahjongDialog dialog(&parent, 1);
        auto *content = new QWidget;
        content->setMinimumSize(100, 60);
        dialog.setContentWidget(content);
        dialog.setWindowTitle("Drag me");
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        dialog.show();
        QCoreApplication::processEvents();
        dialog.move(50, 50);

        const QPoint grab = topBar(dialog)->geometry().center();
        // A press below the title bar starts nothing.
        sendMouse(&dialog, QEvent::MouseButtonPress, QPoint(grab.x(), dialog.height() - 2),
                  Qt::LeftButton);
        sendMouse(&dialog, QEvent::MouseMove, QPoint(grab.x() + 30, dialog.height() + 28),
                  Qt::LeftButton);
        QCOMPARE(dialog.pos(), QPoint(50, 50));
        sendMouse(&dialog, QEvent::MouseButtonRelease, grab, Qt::LeftButton);

        // A right press on the bar starts nothing either.
        sendMouse(&dialog, QEvent::MouseButtonPress, grab, Qt::RightButton);
        sendMouse(&dialog, QEvent::MouseMove, grab + QPoint(10, 10), Qt::RightButton);
        QCOMPARE(dialog.pos(), QPoint(50, 50));

        sendMouse(&dialog, QEvent::MouseButtonPress, grab, Qt::LeftButton);
        sendMouse(&dialog, QEvent::MouseMove, grab + QPoint(20, 10), Qt::LeftButton);
        QCOMPARE(dialog.pos(), QPoint(70, 60));

        // Outside the parent the dialog stays; back inside the drag resumes without a press.
        const QPoint outside = dialog.mapFromParent(QPoint(500, 100));
        sendMouse(&dialog, QEvent::MouseMove, outside, Qt::LeftButton);
        QCOMPARE(dialog.pos(), QPoint(70, 60));
        sendMouse(&dialog, QEvent::MouseMove, grab + QPoint(-10, 0), Qt::LeftButton);
        QCOMPARE(dialog.pos(), QPoint(60, 60));

        sendMouse(&dialog, QEvent::MouseButtonRelease, grab, Qt::LeftButton);
        sendMouse(&dialog, QEvent::MouseMove, grab + QPoint(30, 30), Qt::NoButton);
        QCOMPARE(dialog.pos(), QPoint(60, 60));
    }

    void hiddenTitleBarNeverDrags()
    {
        QWidget parent;
        parent.resize(400, 300);
        parent.show();
        MahjongDialog dialog(&parent, 2);
        auto *content = new QWidget;
        content->setMinimumSize(100, 60);
        dialog.setContentWidget(content);
        dialog.show();
        dialog.move(10, 10);
        sendMouse(&dialog, QEvent::MouseButtonPress, QPoint(5, 2), Qt::LeftButton);
        sendMouse(&dialog, QEvent::MouseMove, QPoint(40, 40), Qt::LeftButton);
        QCOMPARE(dialog.pos(), QPoint(10, 10));
    }

    void autoCenterFollowsParentResizeOnly()
    {
        QWidget parent;
        parent.resize(400, 300);
        auto *dialog = new MahjongDialog(&parent, 1);
        auto *content = new QWidget;
        dialog->setContentWidget(content);
        content->show();
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        dialog->resize(100, 100);
        new AutoCenterToParent(dialog);
        parent.resize(600, 500);
        QCOMPARE(dialog->pos(), QPoint(250, 200));

        QWidget other(&parent);
        other.resize(50, 50);
        dialog->move(0, 0);
        other.resize(80, 80);
        QCOMPARE(dialog->pos(), QPoint(0, 0));
    }

    // The main window's dialogs in both skins, at the smallest window the client
    // supports: each stands inside the window at least at its form's size, and every
    // label reads against its ground.
    void dialogsReadInEverySkin()
    {
        for (const QString &skin : {QStringLiteral("default"), QStringLiteral("corvana")}) {
            setupResourceSearchPaths({}, skin);
            const QString sheet = skinStyleSheets();
            QVERIFY(!sheet.isEmpty());
            qApp->setStyleSheet(sheet);

            QWidget window;
            window.resize(1024, 768);
            auto *screenname = new SetScreennameDialog(&window);
            screenname->setErrorMessage(QStringLiteral("That name is taken."));
            TournamentInfo info(502);
            info.setName(QStringLiteral("Evening Cup"));
            info.setStatus(TournamentInfo::Open);
            info.setRegisteredPlayers(3);
            info.setMaxPlayers(32);
            auto *tournament = new TournamentDetailDialog(&window);
            tournament->setTournament(info);
            TournamentRankings players(3);
            for (int i = 0; i < 3; ++i) {
                players[size_t(i)].pid = 10 + i;
                players[size_t(i)].screenName = QStringLiteral("player-%1").arg(i);
            }
            tournament->onTournamentRankings(502, players);
            auto *join = new JoinDialog(&window, info, 0);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            for (MahjongDialog *dialog : std::initializer_list<MahjongDialog *>{screenname, tournament, join}) {
                for (MahjongDialog *other : window.findChildren<MahjongDialog *>())
                    other->hide();
                dialog->showAndRaise(true);
                const QString name = QString::fromLatin1(dialog->metaObject()->className());
                QVERIFY2(window.rect().contains(dialog->geometry()), qPrintable(name));
                QVERIFY2(dialog->width() >= dialog->minimumSizeHint().width()
                             && dialog->height() >= dialog->minimumSizeHint().height(),
                         qPrintable(name));
                for (QLabel *label : dialog->findChildren<QLabel *>())
                    if (label->wordWrap() && label->isVisibleTo(dialog))
                        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                                 qPrintable(name + QLatin1Char(' ') + label->objectName()));
                const QStringList unreadable = Contrast::unreadableLabels(dialog);
                QVERIFY2(unreadable.isEmpty(), qPrintable(skin + QLatin1Char(' ') + name + QLatin1Char('\n')
                                                          + unreadable.join(QLatin1Char('\n'))));
                saveScreenshot(&window, QStringLiteral("dialog-%1-%2").arg(skin, name.toLower()));
            }
        }
        qApp->setStyleSheet(QString());
    }
};

MAHJONG_TEST_MAIN(TestMahjongDialog)
#include "tst_mahjongdialog.moc"
