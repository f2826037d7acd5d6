#pragma once

#include <cstdint>
#include <string>

#include "world/World.h"

namespace tarnholt {

class Universe;

/// Builds seeded, realistic zones for the benchmarks, the crash-safety tests and the fuzzers'
/// seed corpora. The same size and seed always give the same World.
namespace sample {

/// A zone of `rooms` rooms laid out on a square grid, with rooms / 2 mobs and rooms / 2 items.
/// Every room has 2 to 4 exits to its grid neighbours (some with doors and keys), one to three
/// loads and an extra description; items carry type values, flags, abilities and extra
/// descriptions, mobs flags and descriptions. The zone header is filled and `basePath` set, so
/// the zone can be generated as it is. Vnums are left for generation to assign.
World makeZone(int rooms, uint32_t seed);

/// The text of an area file of `records` items (".obj") or mobs (".mob"), as generation writes
/// them (CR LF line ends, "#99999" at the end), numbered from `firstVnum`.
std::string makeItemFile(int records, uint32_t seed, int32_t firstVnum = 1000);
std::string makeMobFile(int records, uint32_t seed, int32_t firstVnum = 1000);

} // namespace sample
} // namespace tarnholt
