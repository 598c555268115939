#include "testmain.h"

#include "ui/ULabel.h"
#include "ui/UPushButton.h"
#include "ui/UStackedWidget.h"
#include "ui/UTabWidget.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QToolTip>

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void pushButtonEmitsIdOnlyWhenSet()
    {
        UPushButton button("Join");
        QSignalSpy plain(&button, &QAbstractButton::clicked);
        QSignalSpy withId(&button, qOverload<qint32>(&UPushButton::clicked));
        button.click();
        QCOMPARE(plain.size(), 1);
        QCOMPARE(withId.size(), 0);

        button.setId(0);
        button.click();
        QCOMPARE(withId.size(), 1);
        QCOMPARE(withId.at(0).at(0).toInt(), 0);
    }

    void pushButtonToolTipNamesShortcut()
    {
        UPushButton button("Discard");
        QCOMPARE(button.composedToolTip(), QStringLiteral("Discard"));
        button.setShortcut(QKeySequence(Qt::Key_D));
        QCOMPARE(button.composedToolTip(), QStringLiteral("Discard (D)"));
        // Setting a text resets the shortcut to the text's mnemonic.
        button.setText("Pass");
        button.setShortcut(QKeySequence(Qt::Key_D));
        QCOMPARE(button.composedToolTip(), QStringLiteral("Pass (D)"));

        button.setToolTip("Let the tile go");
        QCOMPARE(button.composedToolTip(), QStringLiteral("Let the tile go (D)"));
        // The text no longer matters while there is a tool tip.
        button.setText("Other");
        button.setShortcut(QKeySequence(Qt::Key_D));
        QCOMPARE(button.composedToolTip(), QStringLiteral("Let the tile go (D)"));
        button.setShortcut(QKeySequence());
        QCOMPARE(button.composedToolTip(), QStringLiteral("Let the tile go"));

        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), button.mapToGlobal(QPoint(1, 1)));
        QVERIFY(QApplication::sendEvent(&button, &help));

        // A name with markup is shown as it stands.
        button.setToolTip(QString());
        button.setText(QStringLiteral("<b>Bold</b>"));
        QVERIFY(QApplication::sendEvent(&button, &help));
        QVERIFY2(QToolTip::text().contains(QStringLiteral("&lt;b&gt;Bold&lt;/b&gt;")), qPrintable(QToolTip::text()));
    }

    void labelElidesAndKeepsFullTextAsToolTip()
    {
        const QString text = QStringLiteral("A rather long table name that cannot fit");
        QWidget parent;
        ULabel label(&parent);
        parent.show();
        label.resize(60, 20);
        label.setText(text);
        QCOMPARE(label.fullText(), text);
        QCOMPARE(label.toolTip(), text);
        QVERIFY(label.text() != text);
        QVERIFY(label.text().contains(QStringLiteral("...")) || label.text().contains(QChar(0x2026)));
        QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= 60);

        const QString narrow = label.text();
        label.resize(150, 20);
        QVERIFY(label.text().size() > narrow.size());
        label.resize(2000, 20);
        QCOMPARE(label.text(), text);

        // The same text again changes nothing, not even the elided text.
        label.resize(60, 20);
        const QString shown = label.text();
        label.setToolTip("changed");
        label.setText(text);
        QCOMPARE(label.toolTip(), QStringLiteral("changed"));
        QCOMPARE(label.text(), shown);

        label.setElideMode(Qt::ElideRight);
        QVERIFY(label.text().startsWith(text.left(3)));
    }

    void labelSizeHints()
    {
        ULabel label("Short");
        QLabel reference("Short");
        QCOMPARE(label.sizeHint(), reference.sizeHint());
        QCOMPARE(label.minimumSizeHint().width(), -1);
        label.setElideMode(Qt::ElideNone);
        QCOMPARE(label.minimumSizeHint(), label.sizeHint());
        QCOMPARE(ULabel().sizeHint(), QSize(-1, -1));

        // A name with markup is shown as it stands, tags included.
        const QString markup = QStringLiteral("<b>Bold</b> <i>table</i>");
        ULabel named(markup);
        QLabel plain(markup);
        plain.setTextFormat(Qt::PlainText);
        QCOMPARE(named.sizeHint(), plain.sizeHint());
        named.resize(2000, 20);
        QCOMPARE(named.text(), markup);
        QVERIFY(named.toolTip().contains(QStringLiteral("&lt;b&gt;Bold&lt;/b&gt; &lt;i&gt;table&lt;/i&gt;")));
    }

    void tabWidgetSwitchesPagesAndSignalsOnce()
    {
        UTabWidget tabs;
        tabs.show();
        auto *first = new QWidget;
        auto *second = new QWidget;
        QCOMPARE(tabs.addTab(first, "Lobby"), 0);
        QCOMPARE(tabs.addTab(second, "Tournaments"), 1);
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.widget(1), second);
        QVERIFY(tabs.tabPane()->inherits("UStackedWidget"));
        QVERIFY(tabs.findChild<QFrame *>("tabBarContainer"));
        QVERIFY(tabs.findChild<QFrame *>("bottomFrame"));
        QVERIFY(!tabs.tabBar()->drawBase());

        QSignalSpy changed(&tabs, &UTabWidget::currentChanged);
        tabs.setCurrentIndex(1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(tabs.currentIndex(), 1);
        QCOMPARE(tabs.tabPane()->currentWidget(), second);

        tabs.setTabText(0, "Tables");
        QCOMPARE(tabs.tabBar()->tabText(0), QStringLiteral("Tables"));
    }
};

MAHJONG_TEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
