#include "screenshot.h"
#include "testmain.h"

#include "app/startup/GameSounds.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "chat/xmpp/XMPPJid.h"
#include "connection/PlayerDb.h"
#include "game/tiles/TileGraphics.h"
#include "game/tiles/TileImages.h"
#include "game/tiles/TileSetCache.h"
#include "ui/AvatarDialog.h"
#include "ui/ModelessMsgBox.h"
#include "ui/PreferencesWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPicture>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

namespace {

QCheckBox *box(QWidget *page, const char *name)
{
    return page->findChild<QCheckBox *>(QLatin1String(name));
}

// Clicks the box's indicator: the middle of a wide box lies outside its clickable part.
void toggle(QCheckBox *checkBox)
{
    QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(6, checkBox->height() / 2));
}

bool drawsSomething(QWidget *page, const char *name)
{
    return !page->findChild<QLabel *>(QLatin1String(name))->picture().boundingRect().isEmpty();
}

} // namespace

class TestPreferencesWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_preferenceswindow"));
        setupResourceSearchPaths({}, QStringLiteral("default"));
    }

    void init() { QSettings().clear(); }

    void freshStoreGivesTheDefaultsAndWritesThem()
    {
        TranslationsManager translations;
        PlayerDb players(nullptr, nullptr);
        PreferencesWindow page(&translations, &players, nullptr);
        page.resize(548, 614);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        QVERIFY(box(&page, "autoReplaceBonus")->isChecked());
        QVERIFY(!box(&page, "autoPopdownScoreDialog")->isChecked());
        QVERIFY(box(&page, "inGameSoundCheckBox")->isChecked());
        QVERIFY(box(&page, "animationsCheckBox")->isChecked());
        QVERIFY(!box(&page, "compactViewBox")->isChecked());
        QVERIFY(box(&page, "tableInvitesCheckBox")->isChecked());
        QVERIFY(!box(&page, "quickLastDrawnTileDiscard")->isChecked());
        QCOMPARE(page.findChild<QComboBox *>("tileBlankSelection")->currentIndex(), 0);
        QCOMPARE(page.findChild<QComboBox *>("tileFaceSelection")->currentIndex(), 0);
        QCOMPARE(page.findChild<QComboBox *>("languageSelection")->count(),
                 int(translations.availableLanguages().size()));

        QSettings settings;
        for (const char *key : {"game/autoReplaceBonus", "game/sound", "game/animations",
                                "game/showtableinvites"})
            QCOMPARE(settings.value(QLatin1String(key)), QVariant(true));
        // Boxes left off write nothing, nor does the tile set until the player chooses.
        for (const char *key : {"game/autoPopdownScoreDialog", "game/compactView",
                                "game/tableClickDiscardTile", "game/tileblank", "game/tileface"})
            QVERIFY(!settings.contains(QLatin1String(key)));
        QCOMPARE(GameSounds::instance().loopingSound(), 13);

        for (const char *preview : {"tileFront", "tileBack", "hiddenTileRight"})
            QVERIFY2(drawsSomething(&page, preview), preview);
        QVERIFY(saveScreenshot(&page, QStringLiteral("preferences")));

        QSignalSpy compact(&page, &PreferencesWindow::compactViewChanged);
        toggle(box(&page, "compactViewBox"));
        QCOMPARE(compact.count(), 1);
        QCOMPARE(compact.at(0).at(0), QVariant(false));
        QCOMPARE(settings.value("game/compactView"), QVariant(false));

        toggle(box(&page, "inGameSoundCheckBox"));
        QCOMPARE(settings.value("game/sound"), QVariant(false));
        QCOMPARE(GameSounds::instance().loopingSound(), -1);
    }

    void storedTileIndexOutsideTheCatalogue_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("below") << -1;
        QTest::newRow("catalogue size") << int(TileGraphics::tileBlankNames().size());
    }

    void storedTileIndexOutsideTheCatalogue()
    {
        QFETCH(int, stored);
        QSettings().setValue("game/tileblank", stored);
        QSettings().setValue("game/tileface", 1);
        PreferencesWindow page(nullptr, nullptr, nullptr);
        auto *blanks = page.findChild<QComboBox *>("tileBlankSelection");
        QCOMPARE(blanks->currentIndex(), 0);
        QCOMPARE(page.findChild<QComboBox *>("tileFaceSelection")->currentIndex(), 1);
        QCOMPARE(QSettings().value("game/tileblank").toInt(), stored);

        // Choosing a back stores it and redraws the preview from the new set.
        blanks->setCurrentIndex(2);
        QCOMPARE(QSettings().value("game/tileblank").toInt(), 2);
        const auto red = loadOrRenderTileset(TileGraphics::tileBlanks().at(2).second,
                                             TileGraphics::tileFaces().at(1).second, GameScale());
        QTRY_COMPARE_WITH_TIMEOUT(TileGraphics::instance().basePainter().images()->kindImage(0, 0),
                                  red->kindImage(0, 0), 20000);
        QVERIFY(drawsSomething(&page, "tileBack"));
        QVERIFY(!QApplication::overrideCursor());
        page.resize(548, 614);
        QVERIFY(saveScreenshot(&page, QStringLiteral("preferences-red-back")));
    }

    // A set that is not in the cache is rendered off the GUI thread: the choice
    // returns with the tiles unchanged, and of two quick choices only the last
    // one arrives, in the preview and in the set the table draws with.
    void uncachedTileSetsArriveFromTheWorker()
    {
        // The page opens on the set shown already; no set is in the cache.
        TileGraphics &graphics = TileGraphics::instance();
        QSignalSpy shownFirst(&graphics, &TileGraphics::tileGraphicsChanged);
        graphics.setTileSet(0, 0);
        if (shownFirst.isEmpty())
            QVERIFY(shownFirst.wait(20000));
        QDir(TileSetCache::installDirectory()).removeRecursively();
        QDir(TileSetCache::userDirectory()).removeRecursively();
        PreferencesWindow page(nullptr, nullptr, nullptr);
        page.show();
        const TileImages *shown = graphics.basePainter().images();
        const TileImages *table = graphics.painter().images();
        const QByteArray preview = page.findChild<QLabel *>("tileFront")->picture().data();
        QSignalSpy changed(&graphics, &TileGraphics::tileGraphicsChanged);

        auto *faces = page.findChild<QComboBox *>("tileFaceSelection");
        faces->setCurrentIndex(4);
        faces->setCurrentIndex(2);
        QCOMPARE(QSettings().value("game/tileface").toInt(), 2);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(graphics.basePainter().images(), shown);
        QCOMPARE(graphics.painter().images(), table);
        QVERIFY(!QApplication::overrideCursor());

        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 20000);
        QTest::qWait(100);
        QCOMPARE(changed.count(), 1);
        const auto chosen = loadCachedTileset(TileGraphics::tileBlanks().at(0).second,
                                              TileGraphics::tileFaces().at(2).second, GameScale());
        QVERIFY(chosen);
        QCOMPARE(graphics.basePainter().images()->uprightFace(tile(5)), chosen->uprightFace(tile(5)));
        QVERIFY(graphics.painter().images() != table);
        QVERIFY(page.findChild<QLabel *>("tileFront")->picture().data() != preview);

    }

    void oneAvatarDialogClosedByTheLocalPicture()
    {
        PlayerDb players(nullptr, nullptr);
        players.setLocalPlayer(42, QStringLiteral("Mei"));
        PreferencesWindow page(nullptr, &players, nullptr);
        page.resize(548, 614);
        page.show();
        auto *choose = page.findChild<QPushButton *>("setAvatarButton");
        QTest::mouseClick(choose, Qt::LeftButton);
        QPointer<AvatarDialog> dialog = page.findChild<AvatarDialog *>();
        QVERIFY(dialog);
        QTest::mouseClick(choose, Qt::LeftButton);
        QCOMPARE(page.findChildren<AvatarDialog *>().size(), 1);

        // Without a chat connection the upload fails: one warning, the normal cursor, and
        // the dialog stays for another try.
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(page.findChildren<ModelessMsgBox::MsgBox *>().size(), 1);
        QVERIFY(dialog);
        QVERIFY(saveScreenshot(&page, QStringLiteral("preferences-avatar")));

        QImage photo(64, 64, QImage::Format_ARGB32);
        photo.fill(Qt::magenta);
        players.onVCardPhoto(XMPPJid(QStringLiteral("chat.test"), QStringLiteral("7"), QString()), photo, "other");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog);

        players.onVCardPhoto(XMPPJid(QStringLiteral("chat.test"), QStringLiteral("42"), QString()), photo, "mine");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        const QPixmap shown = page.findChild<QLabel *>("avatarLabel")->pixmap();
        QCOMPARE(QColor(shown.toImage().pixel(32, 32)), QColor(Qt::magenta));
    }
};

MAHJONG_TEST_MAIN(TestPreferencesWindow)
#include "tst_preferenceswindow.moc"
