#include "app/Utils.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QSettings>
#include <QSize>
#include <QVariant>

#include <climits>
#include <stdexcept>

namespace {

// The absolute value of an amount, also for the most negative one.
quint64 magnitude(qint64 value)
{
    return value < 0 ? quint64(0) - quint64(value) : quint64(value);
}

// The locale that writes dates and times: the system's where it speaks the interface
// language (as C writes English), otherwise the language's own.
QLocale timeLocale()
{
    const QLocale chosen;
    const QLocale system = QLocale::system();
    const bool systemSpeaksIt = system.language() == QLocale::C
        ? chosen.language() == QLocale::English || chosen.language() == QLocale::C
        : system.language() == chosen.language() && system.script() == chosen.script();
    return systemSpeaksIt ? system : chosen;
}

// The format with a day period ("B", as Taiwan's short times have it), which QLocale
// would write as the letter, as the morning or afternoon.
QString shortFormat(QString format)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) == u'\'')
            quoted = !quoted;
        else if (!quoted && format.at(i) == u'B')
            format.replace(i++, 1, QStringLiteral("AP"));
    }
    return format;
}

} // namespace

QString Utils::moneyText(qint64 amount, bool forceCents)
{
    const QLocale locale;
    const quint64 cents = magnitude(amount);
    QString number = locale.toString(static_cast<qulonglong>(cents / 100));
    if (forceCents || cents % 100 != 0)
        number += locale.decimalPoint() + QString::number(cents % 100).rightJustified(2, u'0');
    return QStringLiteral("%1$%2").arg(amount < 0 ? QStringLiteral("-") : QString(), number);
}

QString Utils::amountWithReservedText(qint64 amount, qint64 reserved)
{
    if (reserved <= 0)
        return moneyText(amount, false);
    return QCoreApplication::translate("Utils", "%1 (+%2 reserved)")
        .arg(moneyText(amount, false), moneyText(reserved, false));
}

QString Utils::percentText(qint64 value, qint64 scale)
{
    if (scale == 0)
        return QString();
    const QLocale locale;
    const double percent = static_cast<double>(value) * 100.0 / static_cast<double>(scale);
    QString number = locale.toString(percent, 'f', 2);
    // Whole numbers without decimals, others without trailing zeros.
    const QString point = locale.decimalPoint();
    if (number.contains(point)) {
        while (number.endsWith(locale.zeroDigit()))
            number.chop(locale.zeroDigit().size());
        if (number.endsWith(point))
            number.chop(point.size());
    }
    return QStringLiteral("%1%2").arg(number, locale.percent());
}

QString Utils::localDateTimeText(const QDateTime &time)
{
    const QLocale locale = timeLocale();
    return locale.toString(time.toLocalTime(), shortFormat(locale.dateTimeFormat(QLocale::ShortFormat)));
}

QString Utils::localDateText(const QDateTime &time)
{
    const QLocale locale = timeLocale();
    return locale.toString(time.toLocalTime().date(), shortFormat(locale.dateFormat(QLocale::ShortFormat)));
}

QString Utils::localTimeText(const QDateTime &time)
{
    const QLocale locale = timeLocale();
    return locale.toString(time.toLocalTime().time(), shortFormat(locale.timeFormat(QLocale::ShortFormat)));
}

QString Utils::durationText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    const int days = static_cast<int>(qMin<qint64>(seconds / 86400, INT_MAX));
    const int hours = static_cast<int>(seconds / 3600 % 24);
    const int minutes = static_cast<int>(seconds / 60 % 60);

    QString larger;
    QString smaller;
    if (days > 0) {
        larger = QCoreApplication::translate("Utils", "%n day(s)", nullptr, days);
        if (hours > 0)
            smaller = QCoreApplication::translate("Utils", "%n hour(s)", nullptr, hours);
    } else if (hours > 0) {
        larger = QCoreApplication::translate("Utils", "%n hour(s)", nullptr, hours);
        if (minutes > 0)
            smaller = QCoreApplication::translate("Utils", "%n minute(s)", nullptr, minutes);
    } else {
        return QCoreApplication::translate("Utils", "%n minute(s)", nullptr, minutes);
    }
    if (smaller.isEmpty())
        return larger;
    return QCoreApplication::translate("Utils", "%1 %2",
                                       "a duration: the larger unit, then the smaller")
        .arg(larger, smaller);
}

QString Utils::timeLeftText(const QDateTime &from, const QDateTime &to)
{
    return durationText(from.secsTo(to));
}

QString Utils::minutesText(int seconds)
{
    const int minutes = seconds / 60;
    return QCoreApplication::translate("MahjongApplication", "%Ln min(s)", nullptr, minutes);
}

QString Utils::roundText(int round, int rounds, const QString &withTotal, const QString &alone)
{
    const QLocale locale;
    return rounds >= 1 ? withTotal.arg(locale.toString(round), locale.toString(rounds)) : alone.arg(locale.toString(round));
}

QString Utils::ellipsisText()
{
    return QCoreApplication::translate("Utils", "...");
}

QString Utils::elideText(const QFontMetrics &metrics, const QString &text, Qt::TextElideMode mode,
                         int width)
{
    if (mode == Qt::ElideNone || text.size() < 2 || metrics.horizontalAdvance(text) <= width)
        return text;

    QString ellipsis = ellipsisText();
    for (const QChar c : std::as_const(ellipsis)) {
        if (!metrics.inFont(c)) {
            ellipsis = QStringLiteral("...");
            break;
        }
    }

    auto shortened = [&](qsizetype kept) -> QString {
        switch (mode) {
        case Qt::ElideLeft: return ellipsis + text.right(kept);
        case Qt::ElideRight: return text.left(kept) + ellipsis;
        default: return text.left(kept / 2) + ellipsis + text.right(kept - kept / 2);
        }
    };
    // The most characters that fit beside the ellipsis; widths grow with the count.
    qsizetype fits = 0;
    qsizetype tooMany = text.size();
    while (tooMany - fits > 1) {
        const qsizetype kept = fits + (tooMany - fits) / 2;
        if (metrics.horizontalAdvance(shortened(kept)) <= width)
            fits = kept;
        else
            tooMany = kept;
    }
    return shortened(fits);
}

QString Utils::elideMiddle(const QString &text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    if (maxLength < 3)
        return text.left(qMax(maxLength, 0));
    const int kept = maxLength - 3;
    const int head = kept / 2;
    return text.left(head) + QStringLiteral("...") + text.right(kept - head);
}

QString Utils::cutText(const QString &text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    QString cut = text.left(qMax(maxLength, 0));
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut + QChar(0x2026);
}

Qt::CheckState Utils::settingCheckState(QSettings &settings, const char *key, bool defaultValue)
{
    return settings.value(QLatin1String(key), defaultValue).toBool() ? Qt::Checked
                                                                      : Qt::Unchecked;
}

Qt::CheckState Utils::invertCheckState(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked: return Qt::Unchecked;
    case Qt::Unchecked: return Qt::Checked;
    default: return Qt::PartiallyChecked;
    }
}

QString Utils::variantToString(const QVariant &value)
{
    if (value.typeId() == QMetaType::QSize) {
        const QSize size = value.toSize();
        return QStringLiteral("@Size(%1 %2)")
            .arg(QString::number(size.width()), QString::number(size.height()));
    }
    if (value.isValid() && value.canConvert<QString>())
        return value.toString();
    throw std::runtime_error("Unable to convert variant to string");
}

QString Utils::fontHtml(const QString &text, const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("<font>%1</font>").arg(text);
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(colour.name(), text);
}

QString Utils::linkHtml(const QString &url, const QString &text, const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text);
    return QStringLiteral("<a href=\"%1\" style=\"color: %2;\">%3</a>")
        .arg(url.toHtmlEscaped(), colour.name(), text);
}

QString Utils::styledLinkHtml(const QString &url, const QString &text, const QString &style)
{
    if (style.isEmpty())
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text);
    return QStringLiteral("<a href=\"%1\" style=\"%2\">%3</a>")
        .arg(url.toHtmlEscaped(), style.toHtmlEscaped(), text);
}

bool Utils::isPresenceAvailable(int subscription)
{
    return (subscription & 5) != 0;
}

qint64 Utils::msecsBetween(const QDateTime &from, const QDateTime &to)
{
    const QDateTime a = from.toUTC();
    const QDateTime b = to.toUTC();
    return a.date().daysTo(b.date()) * 86400000LL + a.time().msecsTo(b.time());
}
