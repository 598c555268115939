#pragma once

#include <QHash>
#include <QString>

#include <functional>

// The variables of web page URL templates such as "http://{host}/{locale}/help.html":
// "host" (the web host), "locale" (the current language code), "sku", "partnerId",
// "tag", "platform", "os" and "osVersion".
class UrlVariables
{
public:
    // Knows "platform", "os" and "osVersion" of the running system.
    UrlVariables();

    void setHost(const QString &host);
    // Asked for the current language code at every expansion, so that a change of
    // language shows in the next URL.
    void setLocaleProvider(std::function<QString()> provider);
    void setValue(const QString &name, const QString &value);
    // The value of a variable; a null text when it has none.
    QString value(const QString &name) const;

    // Takes "partnerId" from the first line of a build tag file; false when the
    // file cannot be read.
    bool loadBuildTag(const QString &fileName);

    // `url`, or `defaultTemplate` when `url` is empty, with every "{name}" replaced by
    // its value; placeholders without a value stay as they are.
    QString expand(const QString &url, const QString &defaultTemplate) const;

    // `text` with every "{name}" for which `lookup` gives a text (not null) replaced by
    // it; other placeholders stay as they are.
    static QString expandPlaceholders(const QString &text,
                                      const std::function<QString(const QString &name)> &lookup);

private:
    QHash<QString, QString> m_values;
    std::function<QString()> m_localeProvider;
};
