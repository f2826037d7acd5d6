#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnholt {

class World;

/// Why a JSON text is not a World: one line naming the place ("rooms[2].exits.North.key") and the fault.
class WorldJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The JSON form of a World (docs/world-json.md): every stored field of every record, keys in a fixed
/// order, texts in UTF-8. Ends with a line end.
std::string worldToJson(const World& world);

/// The World of a JSON text written by worldToJson or by hand in the same form. Throws WorldJsonError
/// for anything else: malformed JSON, a wrong type, a missing or unknown key, a number outside the
/// 32-bit range, nesting deeper than the form has, or a character that Windows-1252 cannot hold.
World worldFromJson(std::string_view text);

} // namespace tarnholt
