#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

// A (field id, value) change of a table or tournament record, and a list of them.
using PropertyUpdate = std::pair<int, QVariant>;
using PropertyUpdates = std::vector<PropertyUpdate>;

Q_DECLARE_METATYPE(PropertyUpdates)

// Conversions of the server's property values into record fields. Each gives no
// value when the variant does not hold that kind of value.
namespace PropertyValue {

// An integer in the 32-bit range, also from a decimal string.
std::optional<int> toInt(const QVariant &value);
// A boolean, or an integer (non-zero is true).
std::optional<bool> toBool(const QVariant &value);
// A string (byte strings are UTF-8).
std::optional<QString> toString(const QVariant &value);
// A QDateTime, or milliseconds since the epoch in UTC.
std::optional<QDateTime> toDateTime(const QVariant &value);
// A QUrl, or a string; an empty string is the empty URL.
std::optional<QUrl> toUrl(const QVariant &value);

} // namespace PropertyValue
