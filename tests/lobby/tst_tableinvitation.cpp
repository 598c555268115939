#include "testmain.h"

#include "../ui/screenshot.h"
#include "silentchat.h"
#include "connection/ConnectedManager.h"
#include "connection/PlayerDb.h"
#include "lobby/TableInvitationDialog.h"
#include "ui/ULabel.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// Marks every text of the dialog's context, as a language switch would change it.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        if (qstrcmp(context, "TableInvitationDialog") != 0)
            return QString();
        return QStringLiteral("[") + QString::fromUtf8(sourceText) + QStringLiteral("]");
    }
};

// The inviting player of the test server's "player-db" scenario.
constexpr qint32 inviter = 2003;

TableInfo table(qint32 id, int seats, int bet, int fee, int gameType = TableInfo::SINGLE_HAND)
{
    TableInfo info(id);
    info.setCapacity(TableCapacity(seats, 1, 0));
    info.setGameType(gameType);
    TableValue value;
    value.setKind(bet > 0 ? 2 : 0);
    value.setBet(bet);
    value.setFee(fee);
    info.setValue(value);
    return info;
}

QString question(TableInvitationDialog *dialog)
{
    return dialog->findChild<QLabel *>("info")->text();
}

} // namespace

class TestTableInvitation : public QObject
{
    Q_OBJECT

private:
    ConnectedManager m_server;
    SilentChat m_chat;
    std::unique_ptr<PlayerDb> m_players;
    QMainWindow m_window;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start("player-db.json"));
        QVERIFY(m_server.login());
        m_players = std::make_unique<PlayerDb>(m_server.manager.get(), &m_chat);
        m_window.resize(800, 600);
        m_window.setCentralWidget(new QWidget);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void completesAsTheNameArrivesAndClosesItselfInTime()
    {
        // Nothing is known of the inviter yet: the default picture stands in at once.
        QPointer<TableInvitationDialog> dialog = new TableInvitationDialog(
            m_players.get(), table(31, 4, 0, 0), inviter, "alice", m_window.centralWidget());
        QVERIFY(dialog->isHidden());
        QVERIFY(!dialog->findChild<QLabel *>("avatarLabel")->pixmap().isNull());
        dialog->showAndRaise(true);
        QVERIFY(dialog->closeTimer().isActive());
        QCOMPARE(dialog->closeTimer().interval(), TableInvitationDialog::CloseAfterMs);
        QCOMPARE(question(dialog), QStringLiteral("Would you like to play a free 4-player Classic single hand?"));
        QCOMPARE(dialog->findChild<ULabel *>("greeting")->fullText(), QStringLiteral("Hi alice"));

        // Updates of other players change nothing.
        dialog->move(0, 0);
        emit m_players->playerNameUpdate(555, "mallory");
        emit m_players->playerPictureUpdate(555);
        QCOMPARE(dialog->pos(), QPoint(0, 0));
        QVERIFY(dialog->findChild<ULabel *>("screenNameLabel")->fullText().isEmpty());

        // The name from the server completes the dialog: centred, timer restarted.
        QTRY_COMPARE(dialog->findChild<ULabel *>("screenNameLabel")->fullText(), QStringLiteral("carol"));
        QVERIFY(dialog->pos() != QPoint(0, 0));
        QVERIFY(dialog->closeTimer().remainingTime() > TableInvitationDialog::CloseAfterMs - 5000);

        QImage photo(64, 64, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        m_players->onVCardPhoto(m_players->jidForPlayer(inviter), photo, "hash");
        QCOMPARE(dialog->findChild<QLabel *>("avatarLabel")->pixmap().toImage().pixel(5, 5),
                 QColor(Qt::darkCyan).rgb());
        QTest::qWait(50); // the layout takes the name in
        QVERIFY(saveScreenshot(&m_window, "table-invitation"));

        QSignalSpy accepted(dialog.data(), &TableInvitationDialog::accepted);
        dialog->findChild<QPushButton *>("yesButton")->click();
        QCOMPARE(accepted.size(), 1);
        QCOMPARE(accepted.at(0).at(0).toInt(), 31);
        QTRY_VERIFY(!dialog);
    }

    // The game type names the game: a full game is no "full game game".
    void cachedInviterShowsAtOnceAndTheTimerCloses()
    {
        QPointer<TableInvitationDialog> dialog = new TableInvitationDialog(
            m_players.get(), table(32, 4, 0, 0, TableInfo::FULL_GAME), inviter, "alice", m_window.centralWidget());
        QVERIFY(dialog->isVisible());
        QCOMPARE(question(dialog), QStringLiteral("Would you like to play a free 4-player Classic full game?"));
        QVERIFY(dialog->closeTimer().isActive());
        QSignalSpy accepted(dialog.data(), &TableInvitationDialog::accepted);
        QSignalSpy watch(dialog.data(), &TableInvitationDialog::watch);
        QMetaObject::invokeMethod(const_cast<QTimer *>(&dialog->closeTimer()), "timeout");
        QTRY_VERIFY(!dialog);
        QCOMPARE(accepted.size() + watch.size(), 0);
    }

    void paidQuestionWatchKeyAndLanguageChange()
    {
        QPointer<TableInvitationDialog> dialog = new TableInvitationDialog(
            m_players.get(), table(33, 1200, 500, 50, TableInfo::EAST_ONLY), inviter, "alice", m_window.centralWidget());
        QCOMPARE(question(dialog), QStringLiteral("Would you like to play a $5.50 1,200-player Classic east only game?"));

        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QTRY_VERIFY(question(dialog).startsWith("[Would you like"));
        QCOMPARE(dialog->findChild<QPushButton *>("watchButton")->text(), QStringLiteral("[Watch]"));
        QCoreApplication::removeTranslator(&marking);
        QTRY_COMPARE(dialog->findChild<QPushButton *>("watchButton")->text(), QStringLiteral("Watch"));

        QVERIFY(QTest::qWaitForWindowActive(&m_window));
        QSignalSpy watch(dialog.data(), &TableInvitationDialog::watch);
        QTest::keyClick(m_window.windowHandle(), Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(watch.size(), 1); // a shortcut clicks after the button's animation
        QCOMPARE(watch.at(0).at(0).toInt(), 33);
        QTRY_VERIFY(!dialog);
    }
};

MAHJONG_TEST_MAIN(TestTableInvitation)
#include "tst_tableinvitation.moc"
