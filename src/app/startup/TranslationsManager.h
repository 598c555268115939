#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTranslator;

// The process-wide holder of the interface language. Languages are the
// folders below the "translations" search directories that hold ".qm" files;
// English is built in.
class TranslationsManager : public QObject
{
    Q_OBJECT

public:
    // (language code, the language's own name)
    using Language = std::pair<QString, QString>;

    static const QString builtInLanguage;

    // Reads the available languages from the current "translations" search path.
    explicit TranslationsManager(QObject *parent = nullptr);
    ~TranslationsManager() override;

    // The current language code, empty until one is set.
    QString language() const { return m_language; }

    // English first, then the others in the order of their codes.
    const std::vector<Language> &availableLanguages() const { return m_languages; }

    // Sets the default locale; for a new code installs its translators (ours
    // and Qt's own for the language), points
    // "translations", "textimages" and "localwww" at its folders, gives the
    // application font the language's face for Chinese characters, stores
    // "game/language" and makes it current, so every widget gets a LanguageChange.
    void setLanguage(const QString &code);

    // The available language that fits a locale name ("ja_JP" -> "ja",
    // "zh_HK" -> "zh_TW"); English when none fits.
    QString languageForLocale(const QString &localeName) const;

    // The start language: the command line's, else "game/language", else the
    // installer's, else the system locale's.
    QString startLanguage(const QString &commandLineLanguage) const;

private:
    bool isAvailable(const QString &code) const;
    // Chinese and Japanese share characters that each draws in its own forms, and the
    // font fallback picks those of the system's language: the application font draws
    // with the language's own face first.
    void setLanguageFont(const QString &code);
    void setApplicationFamilies(const QStringList &families);

    QString m_language;
    // The application font's families before the language gave it its face.
    std::optional<QStringList> m_appFamilies;
    QStringList m_roots;
    std::vector<Language> m_languages;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
