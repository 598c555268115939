#include "testmain.h"

#include "ui/BusyCursor.h"

#include <QCursor>

// Counts the levels of the application's override-cursor stack by popping them.
static int popAllLevels()
{
    int levels = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++levels;
    }
    return levels;
}

class TestBusyCursor : public QObject
{
    Q_OBJECT

private slots:
    void ownersHoldOneLevelEachAndRestoreInEitherOrder_data()
    {
        QTest::addColumn<bool>("firstOwnerFirst");
        QTest::newRow("in order") << true;
        QTest::newRow("reversed") << false;
    }

    void ownersHoldOneLevelEachAndRestoreInEitherOrder()
    {
        QFETCH(bool, firstOwnerFirst);
        QObject login, join;
        BusyCursor::set(&login);
        BusyCursor::set(&login);
        BusyCursor::set(&join);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        BusyCursor::restore(firstOwnerFirst ? &login : &join);
        BusyCursor::restore(firstOwnerFirst ? &login : &join);
        QVERIFY(QApplication::overrideCursor());
        QVERIFY(BusyCursor::isHeldBy(firstOwnerFirst ? &join : &login));

        BusyCursor::restore(firstOwnerFirst ? &join : &login);
        QCOMPARE(popAllLevels(), 0);
    }

    void aLateRestoreLeavesOtherLevelsAlone()
    {
        QObject request;
        QApplication::setOverrideCursor(Qt::BusyCursor);
        BusyCursor::restore(&request);
        BusyCursor::restore(nullptr);
        QCOMPARE(popAllLevels(), 1);
    }

    void aDestroyedOwnerGivesItsLevelBack()
    {
        {
            QObject dialog;
            BusyCursor::set(&dialog);
        }
        QCOMPARE(popAllLevels(), 0);
        QObject next;
        BusyCursor::set(&next);
        BusyCursor::restore(&next);
        QCOMPARE(popAllLevels(), 0);
    }
};

MAHJONG_TEST_MAIN(TestBusyCursor)
#include "tst_busycursor.moc"
