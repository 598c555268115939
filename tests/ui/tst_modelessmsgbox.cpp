#include "testmain.h"
#include "textfit.h"

#include "ui/ModelessMsgBox.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace ModelessMsgBox;

class TestModelessMsgBox : public QObject
{
    Q_OBJECT


private slots:
    void defaultButtonAndOrder()
    {
        QWidget parent;
        MsgBox *ok = information(&parent, "Title", "Text");
        QCOMPARE(ok->buttonBox()->buttons().size(), 1);
        QCOMPARE(ok->defaultButton(), ok->buttonBox()->button(QDialogButtonBox::Ok));
        QCOMPARE(ok->windowTitle(), QStringLiteral("Title"));
        QVERIFY(ok->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!ok->findChild<QToolButton *>("closeButton")->isHidden());

        MsgBox *ask = question(&parent, "Quit", "Are you sure you want to quit?",
                               QDialogButtonBox::No | QDialogButtonBox::Yes, QDialogButtonBox::Yes);
        QCOMPARE(ask->defaultButton(), ask->buttonBox()->button(QDialogButtonBox::Yes));
        QVERIFY(ask->defaultButton()->isDefault());

        MsgBox *noDefault = create(&parent, Warning, [] { return Texts{"T", "X"}; },
                                   QDialogButtonBox::Yes | QDialogButtonBox::No,
                                   QDialogButtonBox::NoButton);
        // Without a default only an accept-role button becomes the default; Yes has its own role.
        QCOMPARE(noDefault->defaultButton(), nullptr);
        // Buttons are added in ascending value order: Yes before No.
        const auto buttons = noDefault->buttonBox()->buttons();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(noDefault->buttonBox()->standardButton(buttons.at(0)), QDialogButtonBox::Yes);
        QCOMPARE(noDefault->buttonBox()->standardButton(buttons.at(1)), QDialogButtonBox::No);
    }

    // An open box asks its wording again at a language change, title and text alike; a
    // box made with a fixed title and text, with its buttons or bare, keeps them.
    void wordedAgainOnALanguageChange()
    {
        QWidget parent;
        int asked = 0;
        MsgBox *box = warning(&parent, [&asked] {
            ++asked;
            return Texts{QStringLiteral("Title %1").arg(asked), QStringLiteral("Text %1").arg(asked)};
        });
        MsgBox *fixed = create(&parent, Critical, QStringLiteral("Lost"), QStringLiteral("The server is gone."),
                               QDialogButtonBox::Ok, QDialogButtonBox::NoButton);
        QCOMPARE(fixed->defaultButton(), fixed->buttonBox()->button(QDialogButtonBox::Ok));
        QVERIFY(!fixed->isVisible());
        MsgBox bare(Information, QStringLiteral("Note"), QStringLiteral("Saved."), &parent);
        QVERIFY(bare.buttonBox()->buttons().isEmpty());
        const auto text = [](const MsgBox *b) { return b->findChild<QLabel *>(QStringLiteral("messageText"))->text(); };
        QCOMPARE(text(box), QStringLiteral("Text 1"));
        for (MsgBox *b : {box, fixed, &bare}) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(b, &change);
        }
        QCOMPARE(text(box), QStringLiteral("Text 2"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Title 2"));
        QCOMPARE(text(fixed), QStringLiteral("The server is gone."));
        QCOMPARE(fixed->windowTitle(), QStringLiteral("Lost"));
        QCOMPARE(text(&bare), QStringLiteral("Saved."));
        QCOMPARE(bare.windowTitle(), QStringLiteral("Note"));
    }

    // The box follows its window's size and nothing else of it: put away, it stays away
    // when the window shows again, and the window's close leaves it open.
    void windowEventsLeaveTheBoxBe()
    {
        QWidget window;
        window.resize(640, 480);
        window.show();
        QPointer<MsgBox> box = information(&window, QStringLiteral("Title"), QStringLiteral("Text"));
        QVERIFY(box->isVisible());
        box->hide();
        window.hide();
        window.show();
        QVERIFY(box && box->isHidden());
        box->show();
        QEvent close(QEvent::Close);
        QCoreApplication::sendEvent(&window, &close);
        QVERIFY(box && box->isVisible());
    }

    // A box is laid out for its text as it shows and again when its text takes another
    // format, before any event is handled: grabbed or painted at once, it shows its text
    // whole, its buttons below the text and all of it inside the box. The text is a
    // name of the server's, shown as it is, tags and all.
    void laidOutAtOnceForItsText()
    {
        QWidget window;
        window.resize(640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto misfits = [](const MsgBox *box) {
            QStringList found = TextFit::cutTexts(box);
            const QWidget *body = box->contentWidget();
            const QRect text = box->findChild<QLabel *>(QStringLiteral("messageText"))->geometry();
            const QRect buttons = box->buttonBox()->geometry();
            if (buttons.top() < text.bottom())
                found << QStringLiteral("buttons at %1 over the text down to %2").arg(buttons.top()).arg(text.bottom());
            if (!body->rect().contains(text) || !body->rect().contains(buttons))
                found << QStringLiteral("text or buttons outside the box");
            if (!box->rect().contains(QRect(body->mapTo(box, QPoint()), body->size())))
                found << QStringLiteral("the box is smaller than its content");
            return found.join(QStringLiteral(" | "));
        };
        MsgBox *box = information(&window, QStringLiteral("Table closed"),
                                  QStringLiteral("<b>Ann</b> and <i>Bob</i> asked for a table that is not open any more."));
        QVERIFY(box->isVisible());
        QVERIFY2(misfits(box).isEmpty(), qPrintable(misfits(box)));
        box->setTextFormat(Qt::PlainText);
        QVERIFY2(misfits(box).isEmpty(), qPrintable(QStringLiteral("as it is: ") + misfits(box)));
    }

    void resultsAreDeliveredOnce_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("expected");
        QTest::newRow("ok") << 0 << int(QDialogButtonBox::Ok);
        QTest::newRow("yes") << 1 << int(QDialogButtonBox::Yes);
        QTest::newRow("no") << 2 << int(QDialogButtonBox::No);
        QTest::newRow("close button") << 3 << 0;
        QTest::newRow("close by code") << 4 << 0;
    }

    void resultsAreDeliveredOnce()
    {
        QFETCH(int, action);
        QFETCH(int, expected);
        QWidget parent;
        parent.show();
        MsgBox *box = action == 0 ? information(&parent, "T", "X")
                                  : question(&parent, "T", "X");
        QPointer<MsgBox> guard(box);
        QList<int> results;
        connectFinished(box, [&results](int r) { results << r; });
        QSignalSpy finished(box, &MsgBox::finished);

        switch (action) {
        case 0:
            box->buttonBox()->button(QDialogButtonBox::Ok)->click();
            break;
        case 1:
            box->buttonBox()->button(QDialogButtonBox::Yes)->click();
            break;
        case 2:
            box->buttonBox()->button(QDialogButtonBox::No)->click();
            break;
        case 3:
            box->findChild<QToolButton *>("closeButton")->click();
            break;
        case 4:
            box->close();
            break;
        }
        // A close after a click, before the deferred deletion, must not report again.
        if (guard)
            guard->close();
        QTRY_VERIFY(guard.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), expected);
        QCOMPARE(results, QList<int>{expected});
        QVERIFY(parent.findChildren<detail::MsgBoxFinishedHelper *>().isEmpty());
    }

    void parentGoneMeansNoCallback()
    {
        int calls = 0;
        auto *parent = new QWidget;
        MsgBox *box = question(parent, "T", "X");
        QPointer<MsgBox> guard(box);
        connectFinished(box, [&calls](int) { ++calls; });
        delete parent;
        QVERIFY(guard.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    void receiverGoneMeansNoCallback()
    {
        QWidget parent;
        int calls = 0;
        auto *receiver = new QObject;
        MsgBox *box = question(&parent, "T", "X");
        connectFinished(box, receiver, [&calls](int) { ++calls; });
        delete receiver;
        box->buttonBox()->button(QDialogButtonBox::Yes)->click();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    void throwingOrEmptyCallbackStaysInside()
    {
        QWidget parent;
        MsgBox *box = information(&parent, "T", "X");
        connectFinished(box, std::function<void(int)>());
        connectFinished(box, [](int) { throw std::runtime_error("boom"); });
        QTest::ignoreMessage(QtCriticalMsg, "message box callback failed: boom");
        box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCoreApplication::processEvents();
    }

    void buttonSpacingHint()
    {
        QWidget parent;
        MsgBox *box = create(&parent, Question, [] { return Texts{"T", "X"}; },
                             QDialogButtonBox::Yes | QDialogButtonBox::No, QDialogButtonBox::Yes);
        const auto buttons = box->buttonBox()->buttons();
        buttons.at(0)->setMinimumSize(80, 20);
        buttons.at(1)->setMinimumSize(80, 25);
        QCOMPARE(box->buttonBox()->minimumSizeHint(), QSize(210, 25));
    }
};

MAHJONG_TEST_MAIN(TestModelessMsgBox)
#include "tst_modelessmsgbox.moc"
