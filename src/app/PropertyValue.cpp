#include "app/PropertyValue.h"

#include <limits>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

std::optional<qint64> toInt64(const QVariant &value)
{
    if (value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::ULong) {
        const qulonglong number = value.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(number);
    }
    if (isNumber(value))
        return value.toLongLong();
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
        bool ok = false;
        const qint64 number = value.toString().toLongLong(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> PropertyValue::toInt(const QVariant &value)
{
    const auto number = toInt64(value);
    if (!number || *number < std::numeric_limits<int>::min()
        || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

std::optional<bool> PropertyValue::toBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (const auto number = toInt64(value))
        return *number != 0;
    return std::nullopt;
}

std::optional<QString> PropertyValue::toString(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return std::nullopt;
}

std::optional<QDateTime> PropertyValue::toDateTime(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (isNumber(value))
        return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
    return std::nullopt;
}

std::optional<QUrl> PropertyValue::toUrl(const QVariant &value)
{
    if (value.typeId() == QMetaType::QUrl)
        return value.toUrl();
    if (const auto text = toString(value))
        return text->isEmpty() ? QUrl() : QUrl(*text);
    return std::nullopt;
}
