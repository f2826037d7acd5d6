#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tarnholt {

class ItemValues;

/// One of the item types: its name, its number in object files and whether the item editor
/// has a value page for it.
struct ItemTypeInfo {
    const char* name;
    int32_t number;
    bool hasValuePage;
};

/// The 23 item types in table order (Light 1 ... Device 26).
const std::array<ItemTypeInfo, 23>& itemTypes();

/// A new default value record for a type name (letter case ignored); null for Note, Boat,
/// Airship, the empty name and any other name.
std::unique_ptr<ItemValues> createItemValues(std::string_view typeName);

/// The type number of a type name (exact letter case) as decimal text; "" for any other name.
std::string typeNumberText(std::string_view typeName);

/// The type name of an object-file type number; "" for a number that names no type.
std::string typeNameForNumber(int32_t number);

/// True when the item editor has a value page for the type (exact name).
bool typeHasValuePage(std::string_view typeName);

} // namespace tarnholt
