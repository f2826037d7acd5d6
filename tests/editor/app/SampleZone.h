#pragma once

#include "world/World.h"

namespace tarnholt::test {

/// The sample zone of the examples folder: Castle Tarnholt, twelve linked rooms with doors, an
/// exit out of the zone, a one-way passage, three mobs, five items, loads and a shop.
World buildCastle();

} // namespace tarnholt::test
