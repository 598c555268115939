#include "app/startup/TranslationsManager.h"

#include "app/startup/InstallerLayer.h"
#include "app/startup/ResourceSearchPaths.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <utility>

const QString TranslationsManager::builtInLanguage = QStringLiteral("en");

namespace {

const QStringList qmFiles{QStringLiteral("*.qm")};

// Each language's own name is its translation of this text.
const char *const englishName = QT_TRANSLATE_NOOP("TranslationsManager", "English");

// The faces that draw Chinese characters as the language writes them, as the systems
// name them; none for a language without them.
QStringList hanFaces(const QString &code)
{
    if (code == QLatin1String("zh_CN"))
        return {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                QStringLiteral("Microsoft YaHei"), QStringLiteral("PingFang SC")};
    if (code == QLatin1String("zh_TW"))
        return {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Source Han Sans TC"),
                QStringLiteral("Microsoft JhengHei"), QStringLiteral("PingFang TC")};
    if (code == QLatin1String("ja"))
        return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"),
                QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"), QStringLiteral("Hiragino Sans")};
    return {};
}

} // namespace

TranslationsManager::TranslationsManager(QObject *parent)
    : QObject(parent)
    , m_roots(QDir::searchPaths(QStringLiteral("translations")))
{
    m_languages.emplace_back(builtInLanguage, QString::fromLatin1(englishName));
    QStringList codes;
    for (const QString &root : std::as_const(m_roots)) {
        const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &code : folders) {
            if (code != builtInLanguage && !codes.contains(code)
                && !QDir(QDir(root).filePath(code)).entryList(qmFiles, QDir::Files).isEmpty())
                codes << code;
        }
    }
    codes.sort();
    for (const QString &code : std::as_const(codes)) {
        QString name;
        for (const QString &dir : subfolders(m_roots, code)) {
            const QStringList files = QDir(dir).entryList(qmFiles, QDir::Files, QDir::Name);
            for (const QString &file : files) {
                QTranslator translator;
                if (translator.load(file, dir))
                    name = translator.translate("TranslationsManager", englishName);
                if (!name.isEmpty())
                    break;
            }
            if (!name.isEmpty())
                break;
        }
        m_languages.emplace_back(code, name.isEmpty() ? code : name);
    }
}

TranslationsManager::~TranslationsManager()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    if (m_appFamilies)
        setApplicationFamilies(*m_appFamilies);
}

bool TranslationsManager::isAvailable(const QString &code) const
{
    return std::any_of(m_languages.begin(), m_languages.end(),
                       [&](const Language &language) { return language.first == code; });
}

void TranslationsManager::setLanguage(const QString &code)
{
    QLocale::setDefault(QLocale(code));
    if (code == m_language)
        return;

    const bool hadTranslators = !m_translators.empty();
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    m_translators.clear();

    // The first folder that has a file of a name wins; later roots only add files.
    QStringList loaded;
    const QStringList dirs = subfolders(m_roots, code);
    for (const QString &dir : dirs) {
        const QStringList files = QDir(dir).entryList(qmFiles, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            if (loaded.contains(file))
                continue;
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(file, dir)) {
                qWarning() << "cannot load translation" << QDir(dir).filePath(file);
                continue;
            }
            loaded << file;
            m_translators.push_back(std::move(translator));
        }
    }
    if (code != builtInLanguage && loaded.isEmpty())
        qWarning() << "no translation for language" << code;
    // Qt's own texts (standard buttons and dialogs) in the same language.
    if (code != builtInLanguage) {
        auto qtTranslator = std::make_unique<QTranslator>();
        if (qtTranslator->load(QStringLiteral("qtbase_") + code,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_translators.push_back(std::move(qtTranslator));
    }

    QDir::setSearchPaths(QStringLiteral("translations"), dirs);
    setLanguageSearchPaths(code);
    setLanguageFont(code);
    QSettings().setValue(QStringLiteral("game/language"), code);
    m_language = code;

    for (const auto &translator : m_translators)
        QCoreApplication::installTranslator(translator.get());
    // Installing or removing a translator announces the change itself.
    if (m_translators.empty() && !hadTranslators && QCoreApplication::instance()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    qWarning().noquote() << QStringLiteral(" [INFO ] language %1").arg(code);
}

void TranslationsManager::setLanguageFont(const QString &code)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QStringList faces = hanFaces(code);
    faces.removeIf([](const QString &face) { return !QFontDatabase::hasFamily(face); });
    if (faces.isEmpty()) {
        if (m_appFamilies)
            setApplicationFamilies(*std::exchange(m_appFamilies, std::nullopt));
        return;
    }
    if (!m_appFamilies) {
        const QFont font = QGuiApplication::font();
        m_appFamilies = font.families().isEmpty() ? QStringList{font.family()} : font.families();
    }
    // The face comes first: Qt keeps the fallbacks a family was first drawn with.
    setApplicationFamilies(faces + *m_appFamilies);
}

void TranslationsManager::setApplicationFamilies(const QStringList &families)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QFont font = QGuiApplication::font();
    if (font.families() == families)
        return;
    font.setFamilies(families);
    QGuiApplication::setFont(font);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // Every widget takes the font anew: one under a style sheet from the application's
    // (its sheet's font settings kept), which it does only when told so, another from its
    // parent, which passes it on. Far cheaper than styling the whole application again.
    QEvent change(QEvent::ApplicationFontChange);
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        QCoreApplication::sendEvent(widget, &change);
}

QString TranslationsManager::languageForLocale(const QString &localeName) const
{
    if (isAvailable(localeName))
        return localeName;
    const QLocale locale(localeName);
    if (locale.language() == QLocale::Chinese) {
        const bool traditional = locale.script() == QLocale::TraditionalHanScript
            || locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
            || locale.territory() == QLocale::Macau;
        const QString code = traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
        if (isAvailable(code))
            return code;
    }
    const QString language = localeName.section(QLatin1Char('_'), 0, 0).toLower();
    if (isAvailable(language))
        return language;
    return builtInLanguage;
}

QString TranslationsManager::startLanguage(const QString &commandLineLanguage) const
{
    if (!commandLineLanguage.isEmpty())
        return languageForLocale(commandLineLanguage);
    const QString stored = QSettings().value(QStringLiteral("game/language")).toString();
    if (!stored.isEmpty())
        return languageForLocale(stored);
    const QString installer = InstallerLayer::installerLocaleName();
    if (!installer.isEmpty())
        return languageForLocale(installer);
    return languageForLocale(QLocale::system().name());
}
