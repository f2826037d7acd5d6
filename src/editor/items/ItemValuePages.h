#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace tarnholt {

class CBaseItemValuePage;
struct ItemEditContext;

/// The name of the item type `typeName` as the type table spells it, letter case ignored;
/// "" when it names no type.
std::string itemTypeName(std::string_view typeName);

/// A new value page for the type `typeName` (letter case ignored), or null for a type that has
/// none (Treasure, Trash, Note, Boat, Airship, no type).
CBaseItemValuePage* createItemValuePage(std::string_view typeName, ItemEditContext& context, QWidget* parent);

} // namespace tarnholt
