#include "testmain.h"

#include "SceneTestSetup.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "lobby/lobbyscreenshot.h"
#include "table/dialogs/ConcealedActionDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/MeldChoice.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QPushButton *button(const QWidget &parent, const char *name)
{
    auto *found = parent.findChild<QPushButton *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QStringList visibleButtons(const QWidget &parent)
{
    QStringList names;
    for (const QPushButton *b : parent.findChildren<QPushButton *>()) {
        if (b->isVisibleTo(&parent))
            names << b->objectName();
    }
    names.sort();
    return names;
}

// A table window stand-in: the auction is a child, shown over it.
struct Table
{
    Table()
    {
        window.setObjectName(QStringLiteral("table"));
        QFile css(QStringLiteral("resources:/defaultui.css"));
        if (css.open(QIODevice::ReadOnly))
            window.setStyleSheet(QString::fromUtf8(css.readAll())
                                 + QStringLiteral("QWidget#table { background: rgb(30, 70, 45); }"));
        window.resize(500, 600);
        window.show();
        auction = new MeldAuction(&window);
        auction->hide();
        auction->setShortcutKey(QKeySequence(Qt::Key_Space));
    }

    void show()
    {
        auction->showAndRaise(true);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&window, key, modifiers);
    }

    QWidget window;
    MeldAuction *auction;
};

meld_offer offer(int kind, int code)
{
    return meld_offer(kind, tile(std::uint8_t(code)));
}

} // namespace

class TestMeldAuction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestSetup::install(m_artwork.path(), m_work.path()); }
    void chowRowsByTheDiscard();
    void defaultAction();
    void passAndClose();
    void invalidOffersAreSkipped();
    void concealedActions();
    void mahjongButtonNamesTheWin();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestMeldAuction::chowRowsByTheDiscard()
{
    Table table;
    table.auction->showPassButton();
    table.auction->setMeldOffers(offer(CHOW, 3), tile(3));
    table.auction->setMeldOffers(offer(CHOW, 2), tile(3));
    table.auction->setMeldOffers(offer(CHOW, 1), tile(3));
    table.auction->setMeldOffers(offer(PONG, 3), tile(3));
    table.auction->setMode(0);
    table.show();
    QCOMPARE(table.auction->windowTitle(), QStringLiteral("Choose Meld"));

    QStringList texts;
    for (MeldChoice *row : table.auction->choices())
        texts << button(*row, "meldChoiceButton")->text();
    QCOMPARE(texts, QStringList({"Chow Low", "Chow Mid", "Chow Hi", "Pong"}));
    QCOMPARE(button(*table.auction->choices()[2], "meldChoiceButton")->shortcut(),
             QKeySequence(QStringLiteral("Alt+3")));

    QSignalSpy selected(table.auction, &MeldAuction::meldSelected);
    int count = 0;
    for (Qt::Key key : {Qt::Key_2, Qt::Key_P, Qt::Key_1, Qt::Key_3}) {
        table.key(key, Qt::AltModifier);
        ++count;
        QTRY_COMPARE(selected.size(), count);
    }
    QCOMPARE(selected.at(0).value(0).value<meld_offer>(), offer(CHOW, 2));
    QCOMPARE(selected.at(1).value(0).value<meld_offer>(), offer(PONG, 3));
    QCOMPARE(selected.at(2).value(0).value<meld_offer>(), offer(CHOW, 3));
    QCOMPARE(selected.at(3).value(0).value<meld_offer>(), offer(CHOW, 1));
    // Two rows or more: Space has no default.
    table.key(Qt::Key_Space);
    QTest::qWait(200);
    QCOMPARE(selected.size(), 4);
    QVERIFY(table.auction->isVisible());
    QVERIFY(saveScreenshot(table.window, QStringLiteral("meld-auction-chows")) > 20);
}

void TestMeldAuction::defaultAction()
{
    {
        Table table;
        table.auction->setMeldOffers(offer(KONG, 31), tile(31));
        table.auction->showPassButton();
        table.auction->setMode(2);
        QSignalSpy selected(table.auction, &MeldAuction::meldSelected);
        table.key(Qt::Key_Space); // not shown yet
        QTest::qWait(200);
        QCOMPARE(selected.size(), 0);
        table.show();
        QCOMPARE(table.auction->windowTitle(), QStringLiteral("Rob the Kong"));
        table.key(Qt::Key_Space);
        QTRY_COMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).value(0).value<meld_offer>(), offer(KONG, 31));
    }
    {
        Table table;
        table.auction->showCloseButton();
        table.auction->setMeldOffers(offer(PONG, 5), tile(5));
        table.auction->setMeldOffers(offer(MAHJONG, 5), tile(5));
        table.auction->setMode(1);
        table.show();
        QVERIFY(button(*table.auction, "mahjongButton")->isVisible());
        QVERIFY(saveScreenshot(table.window, QStringLiteral("meld-auction-mahjong")) > 20);
        QSignalSpy selected(table.auction, &MeldAuction::meldSelected);
        table.key(Qt::Key_Space);
        QTRY_COMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).value(0).value<meld_offer>(), offer(MAHJONG, 0));
        table.key(Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(selected.size(), 2);
    }
}

void TestMeldAuction::passAndClose()
{
    Table table;
    table.auction->setMode(7);
    table.show();
    QVERIFY(table.auction->windowTitle().isEmpty());
    QSignalSpy passed(table.auction, &MeldAuction::passSelected);
    QSignalSpy closed(table.auction, &MeldAuction::closeSelected);
    // Neither a Pass offer nor any offer: Escape does nothing.
    table.key(Qt::Key_Escape);
    QTest::qWait(200);
    QCOMPARE(passed.size(), 0);
    table.auction->showPassButton();
    table.auction->showCloseButton();
    table.key(Qt::Key_Escape);
    QTRY_COMPARE(passed.size(), 1);
    QVERIFY(table.auction->isVisible());
    QTest::mouseClick(button(*table.auction, "passButton"), Qt::LeftButton);
    QCOMPARE(passed.size(), 2);
    QTest::mouseClick(button(*table.auction, "closeButton"), Qt::LeftButton);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!table.auction->isVisible());
}

void TestMeldAuction::invalidOffersAreSkipped()
{
    Table table;
    table.auction->showPassButton();
    QTest::ignoreMessage(QtWarningMsg, "invalid meld offer sent: riichi");
    table.auction->setMeldOffers(offer(RIICHI, 3), tile(3));
    QTest::ignoreMessage(QtWarningMsg, "invalid meld offer sent - kind 3");
    table.auction->setMeldOffers(offer(PONG | CHOW, 3), tile(3));
    QTest::ignoreMessage(QtWarningMsg, "invalid meld offer sent - kind 18");
    table.auction->setMeldOffers(offer(MAHJONG | PONG, 3), tile(3));
    QTest::ignoreMessage(QtWarningMsg,
                         "invalid tile BAMBOO 4 sent in chow meld offer, last discard is BAMBOO 7 - kind 1");
    table.auction->setMeldOffers(offer(CHOW, 3), tile(6));
    table.auction->setMeldOffers(offer(PONG, 6), tile(6));
    table.show();
    QCOMPARE(table.auction->choices().size(), size_t(1));
    QVERIFY(!button(*table.auction, "mahjongButton")->isVisible());

    QSignalSpy passed(table.auction, &MeldAuction::passSelected);
    table.key(Qt::Key_Escape);
    QTRY_COMPARE(passed.size(), 1);
    QSignalSpy selected(table.auction, &MeldAuction::meldSelected);
    table.key(Qt::Key_Space);
    QTRY_COMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).value(0).value<meld_offer>(), offer(PONG, 6));
}

void TestMeldAuction::concealedActions()
{
    QWidget window;
    auto *panel = new ConcealedActionDialog(&window);
    window.resize(200, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    panel->setOffers({});
    QVERIFY(visibleButtons(*panel).isEmpty());
    panel->setOffers({offer(RIICHI, 0), offer(KONG, 4), offer(KONG, 9), offer(MAHJONG, 0), offer(CHOW, 1)});
    QCOMPARE(visibleButtons(*panel), QStringList({"kongButton", "riichiButton"}));
    QVERIFY(saveScreenshot(window, QStringLiteral("concealed-actions")) > 3);

    QSignalSpy riichi(panel, &ConcealedActionDialog::riichiSelected);
    QSignalSpy kong(panel, &ConcealedActionDialog::kongSelected);
    QSignalSpy cancel(panel, &ConcealedActionDialog::cancelSelected);
    QTest::mouseClick(button(*panel, "riichiButton"), Qt::LeftButton);
    QTest::mouseClick(button(*panel, "kongButton"), Qt::LeftButton);
    QCOMPARE(riichi.size(), 1);
    QCOMPARE(kong.size(), 1);

    panel->showCancelOnly();
    QCOMPARE(visibleButtons(*panel), QStringList({"cancelButton"}));
    QTest::mouseClick(button(*panel, "cancelButton"), Qt::LeftButton);
    QCOMPARE(cancel.size(), 1);

    panel->setOffers({offer(PONG_TO_KONG, 3), offer(BONUS, 35)});
    QCOMPARE(visibleButtons(*panel), QStringList({"pongToKongButton", "replaceBonusButton"}));
    QSignalSpy pongToKong(panel, &ConcealedActionDialog::pongToKongSelected);
    QSignalSpy flower(panel, &ConcealedActionDialog::replaceFlowerSelected);
    QTest::mouseClick(button(*panel, "pongToKongButton"), Qt::LeftButton);
    QTest::mouseClick(button(*panel, "replaceBonusButton"), Qt::LeftButton);
    QCOMPARE(pongToKong.size(), 1);
    QCOMPARE(flower.size(), 1);
    panel->setOffers({offer(MAHJONG, 0)});
    QVERIFY(visibleButtons(*panel).isEmpty());
}

// The Mahjong button calls a win as players do: on another player's tile (a discard or
// a robbed kong) otherwise than on the own draw, in the language of the moment; Alt+M
// stays its key.
void TestMeldAuction::mahjongButtonNamesTheWin()
{
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    languages.setLanguage(QStringLiteral("ja"));
    const auto mahjongText = [](int mode) {
        Table table;
        table.auction->showPassButton();
        table.auction->setMeldOffers(offer(MAHJONG, 5), tile(5));
        table.auction->setMode(mode);
        return button(*table.auction, "mahjongButton")->text();
    };
    QCOMPARE(mahjongText(0), QStringLiteral("ロン"));
    QCOMPARE(mahjongText(2), QStringLiteral("ロン"));

    Table own;
    own.auction->showCloseButton();
    own.auction->setMeldOffers(offer(MAHJONG, 5), tile(5));
    own.auction->setMode(1);
    own.show();
    QPushButton *mahjong = button(*own.auction, "mahjongButton");
    QCOMPARE(mahjong->text(), QStringLiteral("ツモ"));
    QVERIFY(saveScreenshot(own.window, QStringLiteral("meld-auction-tsumo-ja")) > 20);
    for (const auto &[language, text] : {std::pair<const char *, const char *>{"zh_TW", "自摸"}, {"en", "Mahjong"}}) {
        languages.setLanguage(QString::fromLatin1(language));
        QTRY_COMPARE(mahjong->text(), QString::fromUtf8(text));
    }
    QSignalSpy selected(own.auction, &MeldAuction::meldSelected);
    own.key(Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(selected.size(), 1);
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

MAHJONG_TEST_MAIN(TestMeldAuction)
#include "tst_meldauction.moc"
