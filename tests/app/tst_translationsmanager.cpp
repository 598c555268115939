#include "app/startup/InstallerLayer.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "testmain.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWidget>
#include <QXmlStreamReader>

#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Counts the language changes a widget receives.
class LanguageWatcher : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

// Counts the widgets styled anew (each then gets a StyleChange after its style polished
// it again) while it lives.
class RestyleCounter : public QObject
{
public:
    RestyleCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~RestyleCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int restyled = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StyleChange && watched->isWidgetType())
            ++restyled;
        return false;
    }
};

// Which face draws the widget's Chinese characters, told by characters that each of the
// three draws its own way; null for another.
QString hanFace(const QWidget &widget)
{
    const auto drawn = [](QFont font) {
        QImage image(120, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        font.setPixelSize(30);
        painter.setFont(font);
        painter.drawText(5, 40, QStringLiteral("骨次。"));
        return image;
    };
    const QImage shown = drawn(widget.font());
    for (const char *face : {"Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP"}) {
        if (drawn(QFont(QLatin1String(face))) == shown)
            return QLatin1String(face);
    }
    return QString();
}

// One entry of a .ts file.
struct TsMessage
{
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // the numerus forms, else the one translation
    QString note; // the translator's comment ("//:" in the sources)
};

// Context, source text and comment.
using TsKey = std::tuple<QString, QString, QString>;

std::map<TsKey, TsMessage> readTsFile(const QString &path)
{
    std::map<TsKey, TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = TsMessage();
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                source.clear();
                comment.clear();
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (name == QLatin1String("extracomment")) {
                message.note = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                if (!message.numerus)
                    message.translations << xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                message.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages[{context, source, comment}] = message;
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// The placeholders of a text, sorted: "%1", "%L2", "%n", "%Ln".
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The element names of a rich text, in order; nothing for plain text.
QStringList tagNames(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return {};
    static const QRegularExpression tag(QStringLiteral("<(/?[A-Za-z]+)"));
    QStringList found;
    for (auto it = tag.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// A word that the glossary says not to use in a language, with the word to use instead
// (the Use cell before a parenthesis), in every text or in the one text given.
struct AvoidedWord
{
    QString word;
    QString instead;
    QString insteadWord;
    std::optional<TsKey> text;
};

// The glossary's "Words not to use" tables for a language: the words of every text,
// and the words of one text, named as `Context "source"` with "(comment)" after it.
std::vector<AvoidedWord> avoidedWords(const QString &glossaryPath, const QString &language)
{
    static const QRegularExpression textName(QStringLiteral("^(\\S+) \"(.*)\"(?: \\((.*)\\))?$"));
    std::vector<AvoidedWord> words;
    QFile file(glossaryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    enum { Other, EveryText, OneText } table = Other;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'#')) {
            table = line == QLatin1String("## Words not to use")           ? EveryText
                  : line == QLatin1String("## Words not to use in one text") ? OneText
                                                                             : Other;
            continue;
        }
        QStringList cells = line.split(u'|'); // "", language, [text,] not, use, ""
        if (table == Other || cells.size() != (table == OneText ? 6 : 5) || cells.at(1).trimmed() != language)
            continue;
        AvoidedWord avoided;
        if (table == OneText) {
            const QRegularExpressionMatch name = textName.match(cells.takeAt(2).trimmed());
            if (!name.hasMatch())
                continue;
            avoided.text = TsKey{name.captured(1), name.captured(2), name.captured(3)};
        }
        avoided.word = cells.at(2).trimmed();
        avoided.instead = cells.at(3).trimmed();
        avoided.insteadWord = avoided.instead.section(QStringLiteral(" ("), 0, 0);
        words.push_back(avoided);
    }
    return words;
}

// The glossary's form of a reason in a notice for a language, "%" standing for the
// reason's placeholder; empty where it gives none.
QString reasonForm(const QString &glossaryPath, const QString &language)
{
    QFile file(glossaryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool table = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'#'))
            table = line == QLatin1String("## A reason in a notice");
        const QStringList cells = line.split(u'|'); // "", language, form, ""
        if (table && cells.size() == 4 && cells.at(1).trimmed() == language)
            return cells.at(2).trimmed();
    }
    return QString();
}

int accelerators(const QString &text)
{
    QString rest = text;
    rest.remove(QStringLiteral("&&"));
    return int(rest.count(u'&'));
}

} // namespace

class TestTranslationsManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void shippedLanguagesNameThemselves();
    void setLanguageSwitchesEverything();
    void sameLanguageTwiceDoesNothingMore();
    void startLanguagePrecedence();
    void localeNamesMapToLanguages_data();
    void localeNamesMapToLanguages();
    void installerLanguageIds();
    void shippedFilesTranslateEverySourceText_data();
    void shippedFilesTranslateEverySourceText();

private:
    QTemporaryDir m_skin;
    QString m_translations;
};

void TestTranslationsManager::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
    QCoreApplication::setApplicationName(QStringLiteral("Pellandor-test"));
    QVERIFY(m_skin.isValid());
    m_translations = qEnvironmentVariable("MAHJONG_TEST_TRANSLATIONS");
    QVERIFY(QDir(m_translations).exists(QStringLiteral("ja")));
}

void TestTranslationsManager::init()
{
    setupResourceSearchPaths({m_skin.path()}, QStringLiteral("corvana"));
    QDir::setSearchPaths(QStringLiteral("translations"), {m_translations});
    QSettings().clear();
    QSettings(QStringLiteral("Pellandor"), QStringLiteral("Installer")).clear();
}

void TestTranslationsManager::shippedLanguagesNameThemselves()
{
    const TranslationsManager manager;
    const std::vector<TranslationsManager::Language> expected{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
    };
    QCOMPARE(manager.availableLanguages(), expected);
    QVERIFY(manager.language().isEmpty());
}

void TestTranslationsManager::setLanguageSwitchesEverything()
{
    // Styled as the skins style the windows.
    qApp->setStyleSheet(QStringLiteral("QWidget { font-size: 11px; }"));
    LanguageWatcher widget;
    const QWidget *inner = new QWidget(&widget);
    widget.show();
    const QStringList families = QApplication::font().families();
    TranslationsManager manager;
    const QString skin = QFileInfo(m_skin.path()).absoluteFilePath();

    manager.setLanguage(QStringLiteral("ja"));
    QCOMPARE(manager.language(), QStringLiteral("ja"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("日本語"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QCOMPARE(QSettings().value(QStringLiteral("game/language")).toString(), QStringLiteral("ja"));
    QTRY_VERIFY(widget.changes > 0);
    QCOMPARE(QDir::searchPaths(QStringLiteral("translations")),
             QStringList{m_translations + "/ja"});
    QCOMPARE(QDir::searchPaths(QStringLiteral("textimages")).mid(0, 4),
             (QStringList{skin + "/text-images/ja", skin + "/text-images/en",
                          ":/corvana/text-images/ja", ":/corvana/text-images/en"}));
    QCOMPARE(QDir::searchPaths(QStringLiteral("localwww")).mid(0, 2),
             (QStringList{skin + "/www/ja", skin + "/www/en"}));

    // Chinese characters in each language's own forms, whatever the system's language;
    // back in English, the application's font as it was. The face reaches the widgets
    // without styling them anew, which costs a whole application many times more.
    widget.changes = 0;
    RestyleCounter restyles;
    manager.setLanguage(QStringLiteral("zh_TW"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("繁體中文"));
    QTRY_VERIFY(widget.changes > 0);
    QTRY_COMPARE(hanFace(*inner), QStringLiteral("Noto Sans CJK TC"));
    QCOMPARE(inner->font().families().constFirst(), QStringLiteral("Noto Sans CJK TC"));
    // The face only: the sheet's size stays.
    QCOMPARE(inner->font().pixelSize(), 11);
    manager.setLanguage(QStringLiteral("zh_CN"));
    QTRY_COMPARE(hanFace(*inner), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(inner->font().families().constFirst(), QStringLiteral("Noto Sans CJK SC"));
    manager.setLanguage(QStringLiteral("ja"));
    QTRY_COMPARE(hanFace(*inner), QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(inner->font().families().constFirst(), QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(restyles.restyled, 0);

    widget.changes = 0;
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("English"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QTRY_VERIFY(widget.changes > 0);
    QCOMPARE(QDir::searchPaths(QStringLiteral("textimages")).mid(0, 2),
             (QStringList{skin + "/text-images/en", ":/corvana/text-images/en"}));
    QCOMPARE(QSettings().value(QStringLiteral("game/language")).toString(), QStringLiteral("en"));
    QCOMPARE(QApplication::font().families(), families);
    QCOMPARE(inner->font().families(), families);
    QCOMPARE(restyles.restyled, 0);
    qApp->setStyleSheet(QString());
}

void TestTranslationsManager::sameLanguageTwiceDoesNothingMore()
{
    LanguageWatcher widget;
    TranslationsManager manager;
    manager.setLanguage(QStringLiteral("zh_CN"));
    QTRY_VERIFY(widget.changes > 0);
    QSettings().remove(QStringLiteral("game/language"));
    QLocale::setDefault(QLocale(QLocale::French));
    widget.changes = 0;

    manager.setLanguage(QStringLiteral("zh_CN"));
    QCoreApplication::processEvents();
    QCOMPARE(widget.changes, 0);
    QVERIFY(!QSettings().contains(QStringLiteral("game/language")));
    // The default locale is set again all the same.
    QCOMPARE(QLocale().language(), QLocale::Chinese);
}

void TestTranslationsManager::startLanguagePrecedence()
{
    const TranslationsManager manager;
    QSettings installer(QStringLiteral("Pellandor"), QStringLiteral("Installer"));
    installer.setValue(QStringLiteral("Installer Language"), 1041);
    installer.sync();
    QSettings().setValue(QStringLiteral("game/language"), QStringLiteral("zh_CN"));

    QCOMPARE(manager.startLanguage(QStringLiteral("zh_TW")), QStringLiteral("zh_TW"));
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("zh_CN"));
    QSettings().remove(QStringLiteral("game/language"));
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("ja"));
    installer.setValue(QStringLiteral("Installer Language"), QStringLiteral("zh_HK"));
    installer.sync();
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("zh_TW"));
    installer.remove(QStringLiteral("Installer Language"));
    installer.sync();
    QCOMPARE(manager.startLanguage(QString()), manager.languageForLocale(QLocale::system().name()));
}

void TestTranslationsManager::localeNamesMapToLanguages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("exact") << "zh_TW" << "zh_TW";
    QTest::newRow("language of a territory") << "ja_JP" << "ja";
    QTest::newRow("Singapore writes simplified") << "zh_SG" << "zh_CN";
    QTest::newRow("Hong Kong writes traditional") << "zh_HK" << "zh_TW";
    QTest::newRow("plain Chinese") << "zh" << "zh_CN";
    QTest::newRow("unsupported language") << "fr_FR" << "en";
    QTest::newRow("garbage") << "??" << "en";
}

void TestTranslationsManager::localeNamesMapToLanguages()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(TranslationsManager().languageForLocale(locale), language);
}

void TestTranslationsManager::installerLanguageIds()
{
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1033), QStringLiteral("en_US"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1041), QStringLiteral("ja_JP"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(2052), QStringLiteral("zh_CN"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1028), QStringLiteral("zh_TW"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(3076), QStringLiteral("zh_HK"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1031), QString());
}

void TestTranslationsManager::shippedFilesTranslateEverySourceText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("English plurals") << "en" << 2;
    QTest::newRow("Japanese") << "ja" << 1;
    QTest::newRow("Simplified Chinese") << "zh_CN" << 1;
    QTest::newRow("Traditional Chinese") << "zh_TW" << 1;
}

// Every text of the sources, as lupdate finds it today, is translated in every shipped
// file with the same placeholders, rich-text elements and accelerators, and without a
// word that the glossary says not to use; a text that the glossary names has its word
// to use, and a notice that gives a reason gives it in the glossary's form of the
// language. The English file carries only the plural forms.
void TestTranslationsManager::shippedFilesTranslateEverySourceText()
{
    QFETCH(QString, language);
    QFETCH(int, pluralForms);
    const QString sourceDir = qEnvironmentVariable("MAHJONG_SOURCE_DIR");
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString extracted = scratch.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceDir);
    lupdate.start(qEnvironmentVariable("MAHJONG_LUPDATE"),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-I"), QStringLiteral("src"), QStringLiteral("src"),
                   QStringLiteral("-ts"), extracted});
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitCode(), 0);
    const auto sources = readTsFile(extracted);
    QVERIFY(sources.size() > 500);

    const auto shipped = readTsFile(
        QStringLiteral("%1/resources/translations/mahjong_%2.ts").arg(sourceDir, language));
    const auto refusedWords = avoidedWords(sourceDir + QStringLiteral("/docs/glossary.md"), language);
    QVERIFY(language == QLatin1String("en") || !refusedWords.empty());
    const QString reasonGiven = reasonForm(sourceDir + QStringLiteral("/docs/glossary.md"), language);
    QVERIFY(language == QLatin1String("en") || reasonGiven.contains(u'%'));
    static const QRegularExpression reasonNote(QStringLiteral("(%\\d+) is the reason"));
    int reasons = 0;
    QStringList faults;
    for (const AvoidedWord &avoided : refusedWords) {
        if (avoided.text && sources.count(*avoided.text) == 0)
            faults << QStringLiteral("the glossary's text %1 \"%2\" (%3) is not in the sources")
                          .arg(std::get<0>(*avoided.text), std::get<1>(*avoided.text), std::get<2>(*avoided.text));
    }
    for (const auto &[key, source] : sources) {
        if (language == QLatin1String("en") && !source.numerus)
            continue;
        const auto &[context, text, comment] = key;
        const QString where = QStringLiteral("%1 \"%2\": ").arg(context, text);
        const auto found = shipped.find(key);
        if (found == shipped.end()) {
            faults << where + QStringLiteral("missing");
            continue;
        }
        const TsMessage &message = found->second;
        if (message.unfinished)
            faults << where + QStringLiteral("unfinished");
        if (message.translations.size() != (source.numerus ? pluralForms : 1))
            faults << where + QStringLiteral("%1 forms").arg(message.translations.size());
        // A noun form for a count shown elsewhere leaves the count out.
        QStringList expected = placeholders(text);
        if (comment.contains(QLatin1String("don't include %n")))
            expected.removeAll(QStringLiteral("%n"));
        for (const QString &translation : message.translations) {
            if (translation.trimmed().isEmpty())
                faults << where + QStringLiteral("empty");
            else if (placeholders(translation) != expected)
                faults << where + QStringLiteral("placeholders of \"%1\"").arg(translation);
            else if (tagNames(translation) != tagNames(text))
                faults << where + QStringLiteral("rich text of \"%1\"").arg(translation);
            else if (accelerators(translation) != accelerators(text))
                faults << where + QStringLiteral("accelerators of \"%1\"").arg(translation);
            // A reason reads alike in every notice that gives one.
            const QRegularExpressionMatch reason = reasonNote.match(source.note);
            if (reason.hasMatch() && !reasonGiven.isEmpty()) {
                ++reasons;
                const QString form = QString(reasonGiven).replace(u'%', reason.captured(1));
                if (!translation.contains(form))
                    faults << where + QStringLiteral("\"%1\" gives its reason otherwise than %2").arg(translation, form);
            }
            for (const AvoidedWord &avoided : refusedWords) {
                if (avoided.text && *avoided.text != key)
                    continue;
                // The word to use may hold the word not to use, not the other way round.
                const QString rest = avoided.insteadWord.contains(avoided.word)
                    ? QString(translation).remove(avoided.insteadWord) : translation;
                if (rest.contains(avoided.word))
                    faults << where + QStringLiteral("\"%1\" in \"%2\", the glossary says %3")
                                          .arg(avoided.word, translation, avoided.instead);
                // A text named by the glossary says its word.
                if (avoided.text && !translation.contains(avoided.insteadWord))
                    faults << where + QStringLiteral("\"%1\" lacks %2").arg(translation, avoided.insteadWord);
            }
        }
    }
    QVERIFY(reasonGiven.isEmpty() || reasons > 1);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

MAHJONG_TEST_MAIN(TestTranslationsManager)
#include "tst_translationsmanager.moc"
