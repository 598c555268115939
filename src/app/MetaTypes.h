#pragma once

#include <QMetaType>

// Registers a value type under its name (for queued connections and for lookups by
// name) in every program that includes the type's header; ID names the registration.
#define MAHJONG_REGISTER_METATYPE(TYPE, ID)                                               \
    namespace MetaTypeRegistration {                                                      \
    inline const int ID##MetaTypeId = qRegisterMetaType<TYPE>(#TYPE);                     \
    }
