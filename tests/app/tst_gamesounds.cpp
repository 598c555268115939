#include "app/startup/GameSounds.h"
#include "testmain.h"

#include <QSettings>

namespace {

// Records what the player asked for, as "play 3", "loop 13", "stop 2".
class RecordingBackend : public SoundBackend
{
public:
    explicit RecordingBackend(QStringList *calls) : m_calls(calls) {}

    void play(int id, bool loop) override
    {
        *m_calls << QStringLiteral("%1 %2").arg(QLatin1String(loop ? "loop" : "play"), QString::number(id));
    }
    void stop(int id) override { *m_calls << QStringLiteral("stop %1").arg(id); }

private:
    QStringList *m_calls;
};

QStringList stopsExcept(int id)
{
    QStringList stops;
    for (int other = 0; other < GameSounds::soundCount; ++other) {
        if (other != id)
            stops << QStringLiteral("stop %1").arg(other);
    }
    return stops;
}

} // namespace

class TestGameSounds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void names();
    void playOnceAndLoop();
    void loopReplacesLoopAndSameIdIsIgnored();
    void exclusiveStopsTheOthers();
    void stopForgetsTheLoop();
    void soundSettingSilences();
    void meldSounds();
    void unknownIdsPlayNothing();

private:
    QStringList m_calls;
    std::unique_ptr<GameSounds> m_sounds;
};

void TestGameSounds::init()
{
    QSettings().remove(QStringLiteral("game/sound"));
    m_calls.clear();
    m_sounds = std::make_unique<GameSounds>(std::make_unique<RecordingBackend>(&m_calls));
}

void TestGameSounds::names()
{
    QCOMPARE(GameSounds::soundName(0), QStringLiteral("sounds:/hover"));
    QCOMPARE(GameSounds::soundName(7), QStringLiteral("sounds:/mahjong"));
    QCOMPARE(GameSounds::soundName(13), QStringLiteral("sounds:/lobby_1min"));
    QVERIFY(GameSounds::soundName(14).isEmpty());
    QVERIFY(GameSounds::soundName(-1).isEmpty());
}

void TestGameSounds::playOnceAndLoop()
{
    m_sounds->play(1, 0);
    m_sounds->play(1, 0);
    m_sounds->play(13, GameSounds::LOOP);
    QCOMPARE(m_calls, (QStringList{"play 1", "play 1", "loop 13"}));
    QCOMPARE(m_sounds->loopingSound(), 13);
}

void TestGameSounds::loopReplacesLoopAndSameIdIsIgnored()
{
    m_sounds->play(13, GameSounds::LOOP);
    m_sounds->play(13, GameSounds::LOOP);
    m_sounds->play(13, 0);
    QCOMPARE(m_calls, QStringList{"loop 13"});

    m_sounds->play(2, GameSounds::LOOP);
    QCOMPARE(m_calls, (QStringList{"loop 13", "stop 13", "loop 2"}));
    QCOMPARE(m_sounds->loopingSound(), 2);

    // A sound played once leaves the loop running.
    m_sounds->play(4, 0);
    QCOMPARE(m_calls.last(), QStringLiteral("play 4"));
    QCOMPARE(m_sounds->loopingSound(), 2);
}

void TestGameSounds::exclusiveStopsTheOthers()
{
    m_sounds->play(13, GameSounds::LOOP);
    m_calls.clear();
    m_sounds->play(5, GameSounds::EXCLUSIVE);
    QCOMPARE(m_calls, stopsExcept(5) << "play 5");
    QCOMPARE(m_sounds->loopingSound(), -1);

    // The lobby music: loop and stop the others.
    m_calls.clear();
    m_sounds->play(13, GameSounds::LOOP | GameSounds::EXCLUSIVE);
    QCOMPARE(m_calls, stopsExcept(13) << "loop 13");
    QCOMPARE(m_sounds->loopingSound(), 13);
}

void TestGameSounds::stopForgetsTheLoop()
{
    m_sounds->play(13, GameSounds::LOOP);
    m_sounds->stop(3);
    QCOMPARE(m_sounds->loopingSound(), 13);
    m_sounds->stop(13);
    QCOMPARE(m_sounds->loopingSound(), -1);
    m_sounds->play(13, GameSounds::LOOP);
    QCOMPARE(m_calls, (QStringList{"loop 13", "stop 3", "stop 13", "loop 13"}));
}

void TestGameSounds::soundSettingSilences()
{
    QSettings().setValue(QStringLiteral("game/sound"), false);
    m_sounds->play(1, 0);
    m_sounds->play(13, GameSounds::LOOP | GameSounds::EXCLUSIVE);
    QVERIFY(m_calls.isEmpty());
    QCOMPARE(m_sounds->loopingSound(), -1);

    QSettings().setValue(QStringLiteral("game/sound"), true);
    m_sounds->play(1, 0);
    QCOMPARE(m_calls, QStringList{"play 1"});
}

void TestGameSounds::meldSounds()
{
    for (meld kind : {CHOW, PONG, KONG, MAHJONG})
        m_sounds->playMeldSound(kind);
    QCOMPARE(m_calls, (QStringList{"play 4", "play 5", "play 6", "play 7"}));

    m_calls.clear();
    QTest::ignoreMessage(QtWarningMsg, "no sound for meld kind 4");
    m_sounds->playMeldSound(PONG_TO_KONG);
    QTest::ignoreMessage(QtWarningMsg, "no sound for meld kind 64");
    m_sounds->playMeldSound(BONUS);
    QVERIFY(m_calls.isEmpty());
}

void TestGameSounds::unknownIdsPlayNothing()
{
    QTest::ignoreMessage(QtWarningMsg, "no sound with id 14");
    m_sounds->play(14, GameSounds::LOOP);
    QTest::ignoreMessage(QtWarningMsg, "no sound with id -1");
    m_sounds->play(-1, 0);
    m_sounds->stop(99);
    QVERIFY(m_calls.isEmpty());
    QCOMPARE(m_sounds->loopingSound(), -1);
}

MAHJONG_TEST_MAIN(TestGameSounds)
#include "tst_gamesounds.moc"
