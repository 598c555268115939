#include "imagecompare.h"
#include "testmain.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "app/Utils.h"
#include "chat/ChatNotices.h"
#include "chat/ChatOutputWidget.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTimer>

#include <tuple>

class TestChatOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void datesAndLateLines();
    void linesOfOneTime();
    void longTalkIsBounded();
    void nicksAndTextsStayText();
    void managerLines();
    void waitingLinesStayBelow();
    void ownTextsFollowTheLanguage();

private:
    // The view's lines as text, one per block.
    QStringList lines() const;
    // Runs the event loop until the view's last line ends with the text: lines added
    // are shown in the next passes.
    bool shownLast(const QString &text) const;
    // Where the text sits in the view, in viewport coordinates.
    QPoint positionOf(const QString &text) const;
    // Right-clicks at the text; true when a menu came up (it is closed again).
    bool rightClick(const QString &text);

    std::unique_ptr<ChatOutputWidget> m_view;
};

void TestChatOutput::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
}

void TestChatOutput::init()
{
    m_view = std::make_unique<ChatOutputWidget>();
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestChatOutput::cleanup()
{
    m_view.reset();
}

QStringList TestChatOutput::lines() const
{
    QStringList result;
    for (QTextBlock block = m_view->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty())
            result.append(block.text());
    }
    return result;
}

bool TestChatOutput::shownLast(const QString &text) const
{
    return QTest::qWaitFor([this, &text] { return m_view->document()->lastBlock().text().endsWith(text); }, 5000);
}

QPoint TestChatOutput::positionOf(const QString &text) const
{
    QTextCursor cursor = m_view->document()->find(text);
    cursor.setPosition(cursor.selectionStart() + 1);
    return m_view->cursorRect(cursor).center();
}

bool TestChatOutput::rightClick(const QString &text)
{
    bool menuShown = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&menuShown] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    closer.start(50);
    const QPoint at = positionOf(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(m_view->viewport(), &event);
    QTest::qWait(100);
    return menuShown;
}

void TestChatOutput::datesAndLateLines()
{
    const QDateTime morning(QDate(2026, 3, 1), QTime(9, 0));
    const QString firstDay = Utils::localDateText(morning);
    const QString secondDay = Utils::localDateText(morning.addDays(1));
    const auto timeText = [](const QDateTime &t) { return QStringLiteral("(%1)").arg(Utils::localTimeText(t)); };

    m_view->addMessage(morning, "Aiko", "first", ChatOutputWidget::UserRole);
    m_view->addMessage(morning.addSecs(3600), "Aiko", "second", ChatOutputWidget::UserRole);
    m_view->addSystemMessage(morning.addSecs(15 * 3600 + 60), ClientText::words("after <b>midnight</b>"));
    QVERIFY(shownLast("after <b>midnight</b>"));
    QCOMPARE(lines(), (QStringList{firstDay, timeText(morning) + " Aiko: first",
                                   timeText(morning.addSecs(3600)) + " Aiko: second", secondDay,
                                   "after <b>midnight</b>"}));

    // History of the first evening, behind the last line shown, goes in its place
    // without a rebuild of the lines around it; so does a line of an earlier day.
    QSignalSpy rebuilt(m_view->document(), &QTextDocument::contentsChange);
    for (const auto &[time, text] : {std::pair(morning.addSecs(12 * 3600), "late"),
                                     std::pair(morning.addSecs(1800), "later still"),
                                     std::pair(morning.addDays(-1), "day before")}) {
        m_view->addMessage(time, "Mei", text, ChatOutputWidget::UnknownRole);
        QVERIFY(QTest::qWaitFor([this, line = QLatin1String(text)] { return lines().filter(line).size() == 1; }, 5000));
    }
    // (A rebuild would take out the whole document, some 100 characters.)
    for (const QList<QVariant> &change : rebuilt)
        QVERIFY(change.at(1).toInt() < 40 && change.at(2).toInt() < 80);
    const QString dayBefore = Utils::localDateText(morning.addDays(-1));
    QCOMPARE(lines(), (QStringList{dayBefore, timeText(morning.addDays(-1)) + " Mei: day before", firstDay,
                                   timeText(morning) + " Aiko: first",
                                   timeText(morning.addSecs(1800)) + " Mei: later still",
                                   timeText(morning.addSecs(3600)) + " Aiko: second",
                                   timeText(morning.addSecs(12 * 3600)) + " Mei: late", secondDay,
                                   "after <b>midnight</b>"}));
    m_view->repopulateMessages();
    QCOMPARE(lines().size(), 9);

    // A line in order after the rebuild is appended at the bottom.
    m_view->addMessage(morning.addDays(1).addSecs(3600), "Aiko", "next day", ChatOutputWidget::UserRole);
    QVERIFY(shownLast("Aiko: next day"));
    QCOMPARE(lines().size(), 10);
    QCOMPARE(m_view->verticalScrollBar()->value(), m_view->verticalScrollBar()->maximum());
}

void TestChatOutput::linesOfOneTime()
{
    const QDateTime noon(QDate(2026, 3, 2), QTime(12, 0));
    m_view->addMessage(noon, "Aiko", "one", ChatOutputWidget::UserRole);
    m_view->addMessage(noon, "Mei", "two", ChatOutputWidget::UserRole);
    m_view->addMessage(noon, "Aiko", "one", ChatOutputWidget::UserRole);
    QVERIFY(shownLast("Mei: two"));
    QCOMPARE(lines().size(), 3);
    m_view->repopulateMessages();
    const QStringList shown = lines();
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown.at(1).endsWith("Aiko: one"));
    QVERIFY(shown.at(2).endsWith("Mei: two"));
}

void TestChatOutput::longTalkIsBounded()
{
    // Four days of talk in one burst, more than the view keeps: the newest lines are
    // shown, in order, with their days.
    const QDateTime start(QDate(2026, 3, 1), QTime(0, 0));
    const int total = ChatOutputWidget::MaxLines + 700;
    const auto timeOf = [start](int i) { return start.addSecs(i * 3600 / 20); };
    const auto say = [this, timeOf](int i) {
        m_view->addMessage(timeOf(i), "Aiko", QStringLiteral("line %1").arg(i), ChatOutputWidget::UserRole);
    };
    for (int i = 0; i < total; ++i)
        say(i);
    QVERIFY(shownLast(QStringLiteral(": line %1").arg(total - 1)));
    const auto shownLines = [this] { return lines().filter(": line "); };
    const QStringList burst = shownLines();
    QCOMPARE(burst.size(), ChatOutputWidget::MaxLines);
    int first = total - ChatOutputWidget::MaxLines;
    for (int i = 0; i < ChatOutputWidget::MaxLines; ++i)
        QVERIFY(burst.at(i).endsWith(QStringLiteral(": line %1").arg(first + i)));
    const qint64 days = timeOf(first).date().daysTo(timeOf(total - 1).date()) + 1;
    QCOMPARE(lines().size(), ChatOutputWidget::MaxLines + days);
    QCOMPARE(lines().first(), Utils::localDateText(timeOf(first)));

    // The next line takes the oldest quarter with it.
    say(total);
    QVERIFY(shownLast(QStringLiteral(": line %1").arg(total)));
    QCOMPARE(shownLines().size(), ChatOutputWidget::MaxLines - ChatOutputWidget::MaxLines / 4);
    first = total + 1 - shownLines().size();
    QVERIFY(shownLines().first().endsWith(QStringLiteral(": line %1").arg(first)));
    QCOMPARE(lines().first(), Utils::localDateText(timeOf(first)));

    // Late lines go in their places, one of a day before all others too.
    m_view->addMessage(timeOf(10), "Mei", "long ago", ChatOutputWidget::UserRole);
    m_view->addMessage(timeOf(total - 200).addSecs(1), "Mei", "in between", ChatOutputWidget::UserRole);
    QVERIFY(QTest::qWaitFor([this] { return m_view->toPlainText().contains("in between"); }, 5000));
    const QStringList shown = lines();
    QCOMPARE(shown.at(0), Utils::localDateText(timeOf(10)));
    QVERIFY(shown.at(1).endsWith("Mei: long ago"));
    QCOMPARE(shown.at(2), Utils::localDateText(timeOf(first)));
    QVERIFY(shown.at(shown.indexOf(QRegularExpression(".*Mei: in between")) - 1)
                .endsWith(QStringLiteral(": line %1").arg(total - 200)));
    m_view->repopulateMessages();
    QCOMPARE(lines(), shown);

    // Talk goes on past the bound: the oldest lines go, the newest stay.
    int next = total + 1;
    while (m_view->toPlainText().contains("long ago")) {
        say(next++);
        QVERIFY(shownLast(QStringLiteral(": line %1").arg(next - 1)));
    }
    QVERIFY(next - total <= ChatOutputWidget::MaxLines);
    QVERIFY(shownLines().size() < ChatOutputWidget::MaxLines);
    const int firstKept = shownLines().first().section(": line ", 1).toInt();
    QCOMPARE(lines().first(), Utils::localDateText(timeOf(firstKept)));

    // A megabyte of text is shown up to the bound, with an ellipsis.
    const QString huge = QString(1 << 20, QLatin1Char('x'));
    m_view->addMessage(timeOf(next), "Mei", huge + "<end>", ChatOutputWidget::UserRole);
    QVERIFY(shownLast(QString(20, QLatin1Char('x')) + QChar(0x2026)));
    QVERIFY(lines().last().size() < ChatOutputWidget::MaxMessageLength + 100);
}

void TestChatOutput::nicksAndTextsStayText()
{
    const QString nick = "<i>Mei Ling</i>";
    m_view->addMessage(QDateTime::currentDateTime(), nick, "<b>", ChatOutputWidget::UserRole);
    QVERIFY(shownLast("<i>Mei Ling</i>: <b>"));
    QSignalSpy requests(m_view.get(), &ChatOutputWidget::userMenuRequested);

    QVERIFY(!rightClick("Mei Ling"));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toString(), nick);
    const QPoint at = positionOf("Mei Ling");
    QCOMPARE(requests.at(0).at(1).toPoint(), m_view->viewport()->mapToGlobal(at));

    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(requests.size(), 2);
    QCOMPARE(requests.at(1).at(0).toString(), nick);

    // Away from any nick the usual menu comes.
    QVERIFY(rightClick("<b>"));
    QCOMPARE(requests.size(), 2);
}

void TestChatOutput::managerLines()
{
    m_view->addMessage(QDateTime::currentDateTime(), "Haruto", "welcome", ChatOutputWidget::ManagerRole);
    m_view->addMessage(QDateTime::currentDateTime(), "Ghost", "boo", ChatOutputWidget::UnknownRole);
    QVERIFY(shownLast("Ghost: boo"));
    const QUrl icon("textimages:chat-manager-icon.png");
    const QImage image = m_view->document()->resource(QTextDocument::ImageResource, icon).value<QImage>();
    QVERIFY(!image.isNull());
    QVERIFY(m_view->toHtml().contains("textimages:chat-manager-icon.png"));

    QSignalSpy requests(m_view.get(), &ChatOutputWidget::userMenuRequested);
    QVERIFY(!rightClick("Haruto"));
    QVERIFY(!rightClick("Ghost"));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, positionOf("Haruto"));
    QTest::qWait(50);
    QCOMPARE(requests.size(), 0);

    // The icon follows the nick, also after a rebuild.
    QVERIFY(lines().at(1).endsWith(QStringLiteral("Haruto\uFFFC: welcome")));
    m_view->repopulateMessages();
    QVERIFY(lines().at(1).endsWith(QStringLiteral("Haruto\uFFFC: welcome")));
    QVERIFY(lines().at(2).endsWith(QStringLiteral("Ghost: boo")));
    QVERIFY(!m_view->document()->resource(QTextDocument::ImageResource, icon).value<QImage>().isNull());

    // The mark is a picture of a word: another language brings its own at once.
    setLanguageSearchPaths(QStringLiteral("ja"));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(m_view.get(), &change);
    setLanguageSearchPaths(QStringLiteral("en"));
    MAHJONG_COMPARE_IMAGES(m_view->document()->resource(QTextDocument::ImageResource, icon).value<QImage>(),
                           QImage(QStringLiteral(":/default/text-images/ja/chat-manager-icon.png")));
    QVERIFY(lines().at(1).endsWith(QStringLiteral("Haruto\uFFFC: welcome")));
}

void TestChatOutput::waitingLinesStayBelow()
{
    // The user's lines waiting for the server stand below every line shown, whatever
    // comes meanwhile and wherever it goes, until each is said or goes back.
    const QDateTime evening(QDate(2026, 3, 1), QTime(21, 0));
    const auto timeText = [](const QDateTime &t) { return QStringLiteral("(%1)").arg(Utils::localTimeText(t)); };
    m_view->addWaitingMessage("w0", evening, "Aiko", "alone");
    QCOMPARE(lines(), QStringList{timeText(evening) + " Aiko: alone (sending…)"});
    m_view->removeWaitingMessage("w0");
    QVERIFY(m_view->document()->isEmpty());

    m_view->addMessage(evening, "Mei", "first", ChatOutputWidget::UserRole);
    QVERIFY(shownLast("Mei: first"));
    m_view->addWaitingMessage("w1", evening.addSecs(60), "Aiko", "<b>one</b>");
    m_view->addWaitingMessage("w2", evening.addSecs(60), "Aiko", "two");
    m_view->addMessage(evening.addSecs(120), "Mei", "second", ChatOutputWidget::UserRole);
    m_view->addMessage(evening.addSecs(-60), "Mei", "late", ChatOutputWidget::UserRole);
    m_view->addMessage(evening.addDays(1), "Mei", "next day", ChatOutputWidget::UserRole);
    QVERIFY(QTest::qWaitFor([this] { return m_view->toPlainText().contains("next day"); }, 5000));
    const QString day = Utils::localDateText(evening);
    const QStringList waiting{timeText(evening.addSecs(60)) + " Aiko: <b>one</b> (sending…)",
                              timeText(evening.addSecs(60)) + " Aiko: two (sending…)"};
    const QStringList said{day, timeText(evening.addSecs(-60)) + " Mei: late", timeText(evening) + " Mei: first",
                           timeText(evening.addSecs(120)) + " Mei: second", Utils::localDateText(evening.addDays(1)),
                           timeText(evening.addDays(1)) + " Mei: next day"};
    QCOMPARE(lines(), said + waiting);
    QVERIFY(!m_view->toHtml().contains("<b>one"));
    m_view->repopulateMessages();
    QCOMPARE(lines(), said + waiting);

    // The first one is said, the other goes back.
    m_view->removeWaitingMessage("w1");
    m_view->addMessage(evening.addDays(1).addSecs(60), "Aiko", "<b>one</b>", ChatOutputWidget::UserRole);
    QVERIFY(QTest::qWaitFor([this] { return lines().size() == 8; }, 5000));
    QCOMPARE(lines(), (said + QStringList{timeText(evening.addDays(1).addSecs(60)) + " Aiko: <b>one</b>", waiting.at(1)}));
    m_view->removeWaitingMessage("w2");
    m_view->removeWaitingMessage("w2");
    QVERIFY(lines().last().endsWith("Aiko: <b>one</b>"));
    m_view->addMessage(evening.addDays(1).addSecs(120), "Mei", "after", ChatOutputWidget::UserRole);
    QVERIFY(shownLast("Mei: after"));

    // As the player sees it, in English and in Japanese and Chinese, whose days and times
    // read as each language writes them.
    m_view->addWaitingMessage("w3", evening.addDays(1).addSecs(180), "Aiko", "three");
    QVERIFY(m_view->grab().save("chatoutput-waiting.png"));
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    int days = 1;
    for (const auto &[language, waitingMark, day, time] :
         {std::tuple("ja", "（送信中…）", "2026/03/03", "(21:00)"), std::tuple("zh_CN", "（发送中…）", "2026/3/4", "(21:00)"),
          std::tuple("zh_TW", "（傳送中…）", "2026/3/5", "(下午9:00)")}) {
        languages.setLanguage(QLatin1String(language));
        m_view->addWaitingMessage(QLatin1String(language), evening.addDays(1).addSecs(180), "Aiko", "麻雀");
        QVERIFY(lines().last().endsWith(QStringLiteral("Aiko: 麻雀") + QString::fromUtf8(waitingMark)));
        const QString said = QString::fromUtf8(time) + " Mei: " + QLatin1String(language);
        m_view->addMessage(evening.addDays(++days), "Mei", QLatin1String(language), ChatOutputWidget::UserRole);
        QVERIFY(QTest::qWaitFor([this, &said] { return lines().contains(said); }, 5000));
        QCOMPARE(lines().at(lines().indexOf(said) - 1), QString::fromUtf8(day));
        QVERIFY(m_view->grab().save(QStringLiteral("chatoutput-waiting-%1.png").arg(QLatin1String(language))));
    }
    languages.setLanguage(QStringLiteral("en"));
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

void TestChatOutput::ownTextsFollowTheLanguage()
{
    // Lines said (one of them late, one of the manager), system lines of the table and of
    // the chat (one quoting the player's line, one a server's words) and the user's line
    // waiting for its verdict: after each change of language everything the client wrote
    // reads in that language and script, times and dates as it writes them, while the
    // players' and the server's words stay as they came. A line said after a change goes
    // in its place among them.
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    languages.setLanguage(QStringLiteral("zh_TW"));
    const QDateTime morning(QDate(2026, 3, 1), QTime(11, 43));
    m_view->addMessage(morning, "Mei", "早", ChatOutputWidget::UserRole);
    m_view->addMessage(morning.addDays(1), "Haruto", "welcome", ChatOutputWidget::ManagerRole);
    m_view->addSystemMessage(morning.addDays(1).addSecs(60), ClientText::words("notice <b>"));
    m_view->addSystemMessage(morning.addDays(1).addSecs(60), ClientText("GameWindow", "Hand started"));
    m_view->addSystemMessage(morning.addDays(1).addSecs(60), ChatNotices::notInRoom("<b>麻雀</b>"));
    m_view->addWaitingMessage("w", morning.addDays(1).addSecs(120), "Aiko", "pending");
    QTRY_VERIFY(lines().contains("notice <b>"));
    m_view->addMessage(morning.addSecs(-3600), "Mei", "late", ChatOutputWidget::UserRole);
    const auto pane = [](const char *firstDay, const char *secondDay, const char *earlier, const char *time,
                         const char *waiting, const char *handStarted, const char *notInRoom, const char *sending) {
        return QStringList{QString::fromUtf8(firstDay),
                           QString::fromUtf8(earlier) + " Mei: late",
                           QString::fromUtf8(time) + " Mei: 早",
                           QString::fromUtf8(secondDay),
                           QString::fromUtf8(time) + QStringLiteral(" Haruto\uFFFC: welcome"),
                           "notice <b>",
                           QString::fromUtf8(handStarted),
                           QString::fromUtf8(notInRoom).arg("<b>麻雀</b>"),
                           QString::fromUtf8(waiting) + QStringLiteral(" Aiko: pending") + QString::fromUtf8(sending)};
    };
    const QStringList taiwan = pane("2026/3/1", "2026/3/2", "(上午10:43)", "(上午11:43)", "(上午11:45)", "牌局開始",
                                    "「%1」未傳送：您已不在此聊天室。", "（傳送中…）");
    QTRY_COMPARE(lines(), taiwan);
    QVERIFY(!m_view->toHtml().contains("<b>"));

    languages.setLanguage(QStringLiteral("ja"));
    QTRY_COMPARE(lines(), pane("2026/03/01", "2026/03/02", "(10:43)", "(11:43)", "(11:45)", "局が始まりました",
                               "「%1」は送信されませんでした: このルームにはもう入っていません。", "（送信中…）"));
    QVERIFY(m_view->grab().save(QStringLiteral("chatoutput-times-ja.png")));
    m_view->addMessage(morning.addDays(1).addSecs(90), "Mei", "今", ChatOutputWidget::UserRole);
    QTRY_VERIFY(lines().contains(QStringLiteral("(11:44) Mei: 今")));
    QCOMPARE(lines().indexOf(QStringLiteral("(11:44) Mei: 今")), 8);

    languages.setLanguage(QStringLiteral("zh_CN"));
    QStringList mainland = pane("2026/3/1", "2026/3/2", "(10:43)", "(11:43)", "(11:45)", "牌局开始",
                                "“%1”未发送：您已不在此房间。", "（发送中…）");
    mainland.insert(8, QStringLiteral("(11:44) Mei: 今"));
    QTRY_COMPARE(lines(), mainland);
    QVERIFY(m_view->grab().save(QStringLiteral("chatoutput-times-zh_CN.png")));

    languages.setLanguage(QStringLiteral("zh_TW"));
    QStringList taiwanAgain = taiwan;
    taiwanAgain.insert(8, QStringLiteral("(上午11:44) Mei: 今"));
    QTRY_COMPARE(lines(), taiwanAgain);
    QVERIFY(m_view->grab().save(QStringLiteral("chatoutput-times-zh_TW.png")));

    languages.setLanguage(QStringLiteral("en"));
    const auto timeText = [](const QDateTime &t) { return QStringLiteral("(%1)").arg(Utils::localTimeText(t)); };
    QTRY_COMPARE(lines().at(6), QStringLiteral("Hand started"));
    QCOMPARE(lines().at(7), QStringLiteral("\"<b>麻雀</b>\" was not sent: you are no longer in this room."));
    QCOMPARE(lines().last(), timeText(morning.addDays(1).addSecs(120)) + " Aiko: pending (sending…)");

    // A pane scrolled up to earlier lines keeps them in view across a change.
    for (int i = 0; i < 80; ++i)
        m_view->addMessage(morning.addDays(1).addSecs(180 + i), "Mei", QStringLiteral("line %1").arg(i), ChatOutputWidget::UserRole);
    QVERIFY(shownLast("Aiko: pending (sending…)"));
    QTRY_VERIFY(lines().filter("Mei: line ").size() == 80);
    QScrollBar *bar = m_view->verticalScrollBar();
    QTextCursor reading = m_view->document()->find(QStringLiteral("Mei: line 20"));
    bar->setValue(int(m_view->document()->documentLayout()->blockBoundingRect(reading.block()).top()));
    // The line at the top of the view, without its time.
    const auto topLine = [this] {
        return m_view->cursorForPosition(QPoint(0, m_view->fontMetrics().height() / 2)).block().text().section(") ", 1);
    };
    const QString read = topLine();
    QVERIFY2(read.startsWith("Mei: line "), qPrintable(read));
    for (const char *language : {"ja", "zh_CN", "zh_TW", "en"}) {
        const QString handStarted = lines().at(6);
        languages.setLanguage(QLatin1String(language));
        QTRY_VERIFY(lines().at(6) != handStarted);
        QTRY_COMPARE(topLine(), read);
        QVERIFY(bar->value() < bar->maximum());
    }
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

MAHJONG_TEST_MAIN(TestChatOutput)
#include "tst_chatoutput.moc"
