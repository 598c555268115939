#include "testmain.h"

#include "chat/OfferedLines.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace {

// The text with each "c{n}" written out as n times c.
QString expanded(QString text)
{
    static const QRegularExpression repeat(QStringLiteral("(.)\\{(\\d+)\\}"));
    for (QRegularExpressionMatch match = repeat.match(text); match.hasMatch(); match = repeat.match(text))
        text.replace(match.capturedStart(), match.capturedLength(), match.captured(1).repeated(match.captured(2).toInt()));
    return text;
}

// "id=text" lines joined by commas, a line not sent yet with an empty id.
QList<OfferedLines::Line> parseLines(const QString &text)
{
    QList<OfferedLines::Line> lines;
    for (const QString &line : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        lines.append({line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1)});
    return lines;
}

QString lineList(const QList<OfferedLines::Line> &lines)
{
    QStringList texts;
    for (const OfferedLines::Line &line : lines)
        texts << line.id + QLatin1Char('=') + line.text;
    return texts.join(QLatin1Char(','));
}

} // namespace

// The lines back in a chat input, row by row: each row runs its steps on one input
// ("put" lines back, "set" the whole text as the user rewrites it, "type" after what it
// holds, "settle" a line that arrived after all, with the text it must give back, or
// "settle-kept" one whose text stays in the input the user edited), then reads the
// input and what Return takes from it.
class TestOfferedLines : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void TestOfferedLines::steps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("taken");

    QTest::newRow("nothing") << QStringList() << "" << "";
    QTest::newRow("typed only") << QStringList{"set hello"} << "hello" << "=hello";
    QTest::newRow("put back") << QStringList{"put a1=one,a2=two"} << "one two" << "a1=one,a2=two";
    QTest::newRow("put back twice, in order") << QStringList{"put a1=one", "put a2=two"} << "one two" << "a1=one,a2=two";
    QTest::newRow("before what was typed") << QStringList{"set typed", "put a1=one"} << "one typed" << "a1=one,=typed";
    QTest::newRow("typed after") << QStringList{"put a1=one", "type more"} << "one more" << "a1=one,=more";
    QTest::newRow("typed after, then more put back")
        << QStringList{"put a1=one", "type more", "put a2=two"} << "one two more" << "a1=one,a2=two,=more";
    QTest::newRow("edited: a new line") << QStringList{"put a1=one,a2=two", "set one 2"} << "one 2" << "=one 2";
    QTest::newRow("edited, then more put back")
        << QStringList{"put a1=one", "set uno", "put a2=two"} << "two uno" << "a2=two,=uno";
    QTest::newRow("emptied") << QStringList{"put a1=one", "set "} << "" << "";
    QTest::newRow("same text twice") << QStringList{"put a1=ok,a2=ok"} << "ok ok" << "a1=ok,a2=ok";

    QTest::newRow("taken out again")
        << QStringList{"put a1=one,a2=two", "settle a1=one"} << "two" << "a2=two";
    QTest::newRow("the second of the same text taken out")
        << QStringList{"put a1=ok,a2=ok", "settle a2=ok"} << "ok" << "a1=ok";
    QTest::newRow("taken out, typed kept")
        << QStringList{"put a1=one", "type more", "settle a1=one"} << "more" << "=more";
    QTest::newRow("taken out of an edited input: the edit stays")
        << QStringList{"put a1=one", "set onx", "settle-kept a1=one"} << "onx" << "=onx";
    QTest::newRow("both taken out of an edited input")
        << QStringList{"put a1=one,a2=two", "set one 2", "settle-kept a1=one", "settle-kept a2=two"} << "one 2"
        << "=one 2";
    QTest::newRow("the edit keeps the second as put back")
        << QStringList{"put a1=one,a2=two", "set two more", "settle-kept a1=one"} << "two more" << "a2=two,=more";
    QTest::newRow("taken out of an emptied input") << QStringList{"put a1=one", "set ", "settle a1=one"} << "" << "";
    QTest::newRow("unknown id") << QStringList{"put a1=one", "settle zz=", "settle ="} << "one" << "a1=one";
    QTest::newRow("taken out twice") << QStringList{"put a1=one,a2=two", "settle a1=one", "settle a1="} << "two" << "a2=two";
    QTest::newRow("taken out after Return") << QStringList{"put a1=one", "take", "settle a1="} << "" << "";

    // The limit is for typing: what goes back is never cut.
    QTest::newRow("two long lines back")
        << QStringList{"limit 120", "put a1=a{100},a2=b{100}"} << "a{100} b{100}" << "a1=a{100},a2=b{100}";
    QTest::newRow("a long line before typed text")
        << QStringList{"limit 120", "set t{40}", "put a1=a{100}"} << "a{100} t{40}" << "a1=a{100},=t{40}";
    QTest::newRow("typed after them up to the limit")
        << QStringList{"limit 10", "put a1=a{100}", "type t{15}"} << "a{100} t{10}" << "a1=a{100},=t{10}";
    QTest::newRow("a long edit stays whole as more come back")
        << QStringList{"limit 10", "put a1=a{8}", "type t{10}", "set x{19}", "put a2=b{8}"} << "b{8} x{19}"
        << "a2=b{8},=x{19}";
    QTest::newRow("after Return, the limit again") << QStringList{"limit 10", "put a1=a{100}", "take", "set x{15}"}
                                                   << "x{10}" << "=x{10}";
    QTest::newRow("longer than any typed line, as a one-to-one chat's")
        << QStringList{"put a1=a{20000},a2=b{20000}"} << "a{20000} b{20000}" << "a1=a{20000},a2=b{20000}";
}

void TestOfferedLines::steps()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, input);
    QFETCH(QString, taken);
    input = expanded(input);
    taken = expanded(taken);
    QLineEdit edit;
    OfferedLines offered;
    offered.setInput(&edit);
    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString argument = expanded(step.section(QLatin1Char(' '), 1));
        if (verb == "limit") {
            edit.setMaxLength(argument.toInt());
            offered.setInput(&edit);
        } else if (verb == "put") {
            offered.putBack(parseLines(argument));
        } else if (verb == "set") {
            edit.setText(argument);
        } else if (verb == "type") {
            edit.setText(edit.text() + QLatin1Char(' ') + argument);
        } else if (verb == "settle" || verb == "settle-kept") {
            const QString text = argument.section(QLatin1Char('='), 1);
            const OfferedLines::Settled settled = offered.settle(argument.section(QLatin1Char('='), 0, 0));
            QCOMPARE(settled.text, text.isEmpty() ? QString() : text);
            QCOMPARE(settled.editKept, verb == "settle-kept");
        } else if (verb == "take") {
            offered.take();
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
    QCOMPARE(edit.text(), input);
    QCOMPARE(lineList(offered.take()), taken);
    QVERIFY(edit.text().isEmpty());
}

MAHJONG_TEST_MAIN(TestOfferedLines)
#include "tst_offeredlines.moc"
