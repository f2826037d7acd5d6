#pragma once

#include <string>
#include <vector>

#include "universe/FlagEncoder.h"

namespace tarnholt {

class Questions;
class Universe;
class World;

/// One problem found while writing the area files.
struct Warning {
    std::string type;
    std::string identifier;
    std::string text;

    bool operator==(const Warning&) const = default;
};

/// The state of one run of Generate Code: the World and Universe it writes, the warning list
/// and the flag encoder's words. Registers itself in the Universe for its lifetime, so that
/// record writers reach the warnings and the encoder through the Universe they are given.
class Generator {
public:
    Generator(Universe& universe, World& world);
    ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    void addWarning(const std::string& type, const std::string& identifier, const std::string& text);
    const std::vector<Warning>& warnings() const { return warnings_; }
    FlagEncoder& encoder() { return encoder_; }

private:
    Universe& universe_;
    World& world_;
    std::vector<Warning> warnings_;
    FlagEncoder encoder_;
};

} // namespace tarnholt
