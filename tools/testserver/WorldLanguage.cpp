#include "WorldLanguage.h"

namespace WorldLanguage {

QString of(const QString &code)
{
    const QString c = code.trimmed().toLower().replace(QLatin1Char('-'), QLatin1Char('_'));
    if (c == QLatin1String("ja") || c.startsWith(QLatin1String("ja_")))
        return QStringLiteral("ja");
    if (c == QLatin1String("zh_tw") || c == QLatin1String("zh_hk") || c == QLatin1String("zh_mo")
        || c.startsWith(QLatin1String("zh_hant")))
        return QStringLiteral("zh_TW");
    if (c == QLatin1String("zh") || c.startsWith(QLatin1String("zh_")))
        return QStringLiteral("zh_CN");
    return QStringLiteral("en");
}

QString text(const WorldText &text, const QString &language)
{
    if (language == QLatin1String("ja"))
        return QString::fromUtf8(text.ja);
    if (language == QLatin1String("zh_CN"))
        return QString::fromUtf8(text.zhCN);
    if (language == QLatin1String("zh_TW"))
        return QString::fromUtf8(text.zhTW);
    return QString::fromUtf8(text.en);
}

} // namespace WorldLanguage
