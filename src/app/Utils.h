#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

class QFontMetrics;
class QMainWindow;
class QSettings;
class QVariant;

// Display texts shared by all windows: money, percentages, durations, elided text,
// HTML snippets, and a few settings helpers.
namespace Utils {

// "$1,234.50", "-$12", ...: the amount in cents with the locale's grouping. A whole
// amount has no decimals unless `forceCents` is true; other amounts have two.
QString moneyText(qint64 amount, bool forceCents);
// The money text of the amount, followed by "(+reserved)" when some of it is reserved.
QString amountWithReservedText(qint64 amount, qint64 reserved);
// `value` as a percentage, `scale` / 100 being one per cent: "12%", "12.5%".
// Empty when the scale is 0.
QString percentText(qint64 value, qint64 scale);

// Local time in a short format of the interface language: the system's own where the
// system speaks that language.
QString localDateTimeText(const QDateTime &time);
QString localDateText(const QDateTime &time);
QString localTimeText(const QDateTime &time);

// A duration with plural forms: days and hours, hours and minutes, or minutes.
// Negative durations count as 0.
QString durationText(qint64 seconds);
// The duration text of the whole seconds from `from` to `to`.
// Milliseconds from one time to another, both taken in UTC: whole days apart times
// 86 400 000 plus the difference of their times of day.
qint64 msecsBetween(const QDateTime &from, const QDateTime &to);

QString timeLeftText(const QDateTime &from, const QDateTime &to);
// "now" when `start` has passed on the server's clock, else the duration until it.
// Defined with the server clock in the connection layer.
QString timeToStartText(const QDateTime &start);
// "%Ln min(s)" of the whole minutes in `seconds`.
QString minutesText(int seconds);
// A round of a number of rounds: `withTotal` filled with both in the locale's digits, or
// `alone` with the round when the number is not known (below 1).
QString roundText(int round, int rounds, const QString &withTotal, const QString &alone);

// The translated ellipsis, "...".
QString ellipsisText();
// `text` shortened with the ellipsis at the left, right or middle so that it fits `width`.
QString elideText(const QFontMetrics &metrics, const QString &text, Qt::TextElideMode mode,
                  int width);
// `text` cut to `maxLength` characters with "..." in the middle; below 3 characters
// there is no room for the dots and the text is simply cut.
QString elideMiddle(const QString &text, int maxLength);
// `text` up to `maxLength` characters, a longer one cut there with "…" after it, never
// inside a character of two code units.
QString cutText(const QString &text, int maxLength);

Qt::CheckState settingCheckState(QSettings &settings, const char *key, bool defaultValue);
Qt::CheckState invertCheckState(Qt::CheckState state);
// A settings value as text: "true", "42", "@Size(640 480)"; throws std::runtime_error
// for values without a text form.
QString variantToString(const QVariant &value);

// HTML snippets. The texts are inserted as they are: escape user text first.
QString fontHtml(const QString &text, const QColor &colour);
QString linkHtml(const QString &url, const QString &text, const QColor &colour);
QString styledLinkHtml(const QString &url, const QString &text, const QString &style);

// True when a roster subscription word says "to" or "pending".
bool isPresenceAvailable(int subscription);

// The first top-level widget that is a main window, or null.
QMainWindow *findMainWindow();

} // namespace Utils
