#include "screenshot.h"
#include "testmain.h"

#include "app/startup/ResourceSearchPaths.h"
#include "ui/Avatar.h"
#include "ui/AvatarDialog.h"
#include "ui/ModelessMsgBox.h"

#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QList<ModelessMsgBox::MsgBox *> warnings(QWidget *window)
{
    return window->findChildren<ModelessMsgBox::MsgBox *>();
}

QString boxText(ModelessMsgBox::MsgBox *box)
{
    QStringList texts;
    for (QLabel *label : box->findChildren<QLabel *>())
        texts << label->text();
    return texts.join(QLatin1Char('\n'));
}

// The dialog shown over a main window roomy enough for its whole grid.
AvatarDialog *showDialog(QMainWindow &window)
{
    window.resize(600, 500);
    auto *dialog = new AvatarDialog(&window);
    dialog->showAndRaise(true);
    window.show();
    return dialog;
}

} // namespace

class TestAvatarDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QVERIFY(m_stock.isValid());
        QVERIFY(filled(128, 64, Qt::red).save(m_stock.filePath("a-wide.png")));
        QVERIFY(filled(64, 64, Qt::blue).save(m_stock.filePath("b-square.png")));
        QFile broken(m_stock.filePath("c-broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not an image");
    }

    void init()
    {
        QDir::setSearchPaths(QStringLiteral("avatars"), {m_stock.path()});
        AvatarDialog::setFileChooser({});
    }

    void stockPicturesAreFittedAndCentred()
    {
        QMainWindow window;
        AvatarDialog *dialog = showDialog(window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto *view = dialog->findChild<QListView *>("avatarView");
        // The broken file is left out.
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(view->currentIndex().row(), 0);
        const QModelIndex wide = view->model()->index(0, 0);
        QCOMPARE(wide.data().value<Avatar>().image.size(), QSize(64, 32));
        QVERIFY(!wide.data().value<Avatar>().overlay.isNull());
        QCOMPARE(view->visualRect(wide).size(), QSize(68, 36));
        QCOMPARE(dialog->contentWidget()->size(), QSize(318, 399));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Choose avatar"));

        // The picture is drawn in the middle of its cell.
        const QImage shot = view->viewport()->grab().toImage();
        const QRect cell = view->visualRect(wide);
        QCOMPARE(QColor(shot.pixel(cell.center())), QColor(Qt::red));
        QVERIFY(saveScreenshot(&window, QStringLiteral("avatardialog")));
    }

    void emptyGridSendsNothing()
    {
        QDir::setSearchPaths(QStringLiteral("avatars"), {});
        QWidget window;
        AvatarDialog dialog(&window);
        QSignalSpy sent(&dialog, &AvatarDialog::changeAvatar);
        auto *view = dialog.findChild<QListView *>("avatarView");
        QCOMPARE(view->model()->rowCount(), 0);
        QVERIFY(!view->currentIndex().isValid());
        QTest::mouseClick(dialog.findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QCOMPARE(sent.count(), 0);
        QVERIFY(!QApplication::overrideCursor());
    }

    void okReturnAndDoubleClickSendTheSamePicture()
    {
        QMainWindow window;
        AvatarDialog *dialog = showDialog(window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy sent(dialog, &AvatarDialog::changeAvatar);
        auto *view = dialog->findChild<QListView *>("avatarView");

        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QCOMPARE(sent.count(), 1);
        QApplication::setActiveWindow(&window);
        view->setFocus();
        QVERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(sent.count(), 2);
        const QPoint centre = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                           view->viewport()->mapTo(&window, centre));
        QCOMPARE(sent.count(), 3);
        for (const QList<QVariant> &signal : sent)
            QCOMPARE(signal.at(0).value<QImage>(), filled(128, 64, Qt::red).scaled(64, 32));

        // One wait cursor however often the player picks; closing gives it back.
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        dialog->close();
        QVERIFY(!QApplication::overrideCursor());
    }

    void customFiles()
    {
        QMainWindow window;
        auto *dialog = new AvatarDialog(&window);
        QSignalSpy sent(dialog, &AvatarDialog::changeAvatar);
        QString chosen;
        QStringList asked;
        AvatarDialog::setFileChooser([&](QWidget *, const QString &title, const QString &dir,
                                         const QString &filter) {
            asked = QStringList{title, dir, filter};
            return chosen;
        });
        auto *custom = dialog->findChild<QPushButton *>("customButton");

        // Cancelled.
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(asked, QStringList({QStringLiteral("Locate Avatar Image"), QDir::homePath(),
                                     QStringLiteral("Image files (*.png *.gif *.jpg *.bmp)")}));

        QTemporaryDir dir;
        chosen = dir.filePath("locked.png");
        QVERIFY(filled(8, 8, Qt::green).save(chosen));
        QVERIFY(QFile::setPermissions(chosen, QFileDevice::WriteOwner));
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(warnings(&window).size(), 1);
        QVERIFY(boxText(warnings(&window).at(0)).contains(QStringLiteral("The file %1 is unreadable").arg(chosen)));
        warnings(&window).at(0)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        chosen = m_stock.filePath("c-broken.png");
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(warnings(&window).size(), 1);
        QVERIFY(boxText(warnings(&window).at(0)).contains(QStringLiteral("The file %1 is an invalid image").arg(chosen)));
        QCOMPARE(sent.count(), 0);
        QVERIFY(!QApplication::overrideCursor());

        chosen = dir.filePath("small.png");
        QVERIFY(filled(16, 16, Qt::green).save(chosen));
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).value<QImage>().size(), QSize(64, 64));
        dialog->close();
    }

    void failureRestoresOnlyItsOwnCursorAndWarnsOnce()
    {
        QMainWindow window;
        auto *dialog = new AvatarDialog(&window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        QTest::mouseClick(dialog->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        dialog->onChangeAvatarFailed();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QCOMPARE(warnings(&window).size(), 1);
        QVERIFY(boxText(warnings(&window).at(0)).contains(QStringLiteral("Failed to change avatar")));
        QCOMPARE(warnings(&window).at(0)->windowTitle(), QStringLiteral("Choose avatar"));

        // Closing after the failure leaves the other owner's cursor alone.
        QPointer<AvatarDialog> guard(dialog);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }

private:
    QTemporaryDir m_stock;
};

MAHJONG_TEST_MAIN(TestAvatarDialog)
#include "tst_avatardialog.moc"
