#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>
#include <QStringView>
#include <QVariant>

#include <array>
#include <cstddef>
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

// The server's name of a record field by id, or null for an unknown id.
template <std::size_t N>
const char *fieldName(const std::array<const char *, N> &names, int field)
{
    return field >= 0 && std::size_t(field) < N ? names[std::size_t(field)] : nullptr;
}

// The id of a record field by the server's name, or -1.
template <std::size_t N>
int fieldId(const std::array<const char *, N> &names, QStringView name)
{
    for (std::size_t field = 0; field < N; ++field) {
        if (name == QLatin1String(names[field]))
            return int(field);
    }
    return -1;
}

} // namespace PropertyValue
