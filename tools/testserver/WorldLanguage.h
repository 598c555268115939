#pragma once

#include <QString>

// The demo world's own texts (its pages, their menu entries, its manager's lines) in the
// client's four languages.
struct WorldText
{
    const char *en;
    const char *ja;
    const char *zhCN;
    const char *zhTW;
};

namespace WorldLanguage {

// The world's language for the code a client gives ("ja", "zh_TW", "ja_JP", ...): one of
// "en", "ja", "zh_CN", "zh_TW"; English for any other or none.
QString of(const QString &code);
// The text in one of the world's languages.
QString text(const WorldText &text, const QString &language);

} // namespace WorldLanguage
