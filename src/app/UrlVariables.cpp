#include "app/UrlVariables.h"

#include "app/system_info.h"

#include <QFile>
#include <QRegularExpression>

UrlVariables::UrlVariables()
{
    const system_info_t system = system_info_t::current();
    m_values.insert(QStringLiteral("platform"), system.platformName());
    m_values.insert(QStringLiteral("os"), system.osName());
    m_values.insert(QStringLiteral("osVersion"), system.osVersionText());
}

void UrlVariables::setHost(const QString &host)
{
    setValue(QStringLiteral("host"), host);
}

void UrlVariables::setLocaleProvider(std::function<QString()> provider)
{
    m_localeProvider = std::move(provider);
}

void UrlVariables::setValue(const QString &name, const QString &value)
{
    m_values.insert(name, value);
}

QString UrlVariables::value(const QString &name) const
{
    if (name == QLatin1String("locale") && m_localeProvider)
        return m_localeProvider();
    return m_values.value(name);
}

bool UrlVariables::loadBuildTag(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    setValue(QStringLiteral("partnerId"), QString::fromUtf8(file.readLine(1024)).trimmed());
    return true;
}

QString UrlVariables::expand(const QString &url, const QString &defaultTemplate) const
{
    return expandPlaceholders(url.isEmpty() ? defaultTemplate : url,
                              [this](const QString &name) { return value(name); });
}

QString UrlVariables::expandPlaceholders(const QString &text,
                                         const std::function<QString(const QString &name)> &lookup)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{([a-zA-Z0-9_.-]+)\\}"));
    QString result;
    qsizetype copied = 0;
    auto matches = placeholder.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString replacement = lookup(match.captured(1));
        if (replacement.isNull())
            continue;
        result += QStringView(text).mid(copied, match.capturedStart() - copied);
        result += replacement;
        copied = match.capturedEnd();
    }
    result += QStringView(text).mid(copied);
    return result;
}
