#include <gtest/gtest.h>

#include "map/MapGeometry.h"

namespace tarnholt {
namespace {

struct HitCase {
    int64_t x, y;
    bool hits;
    MapHit expected;
};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, PointGivesCellAndAnchor)
{
    const HitCase& c = GetParam();
    const std::optional<MapHit> hit = MapGeometry::hitTest({c.x, c.y});
    ASSERT_EQ(hit.has_value(), c.hits);
    if (c.hits) {
        EXPECT_EQ(*hit, c.expected);
    }
}

// East anchor of cell (0, 0) is at (90, 60), 7 pixels wide; cells start at 23; a box centre is
// 12 pixels from Up and Down.
INSTANTIATE_TEST_SUITE_P(
    Points, HitTest,
    ::testing::Values(HitCase{96, 60, true, {0, 0, 1}}, HitCase{97, 60, true, {1, 0, -1}},
                      HitCase{22, 100, false, {}}, HitCase{23, 100, true, {0, 1, -1}}, HitCase{100, 22, false, {}},
                      HitCase{23, 23, true, {0, 0, 9}}, HitCase{60, 60, true, {0, 0, -1}},
                      HitCase{60, 72, true, {0, 0, 4}}, HitCase{60, 48, true, {0, 0, 5}},
                      HitCase{60, 30, true, {0, 0, 0}}, HitCase{60, 37, true, {0, 0, 0}},
                      HitCase{60, 38, true, {0, 0, -1}}, HitCase{120, 150, true, {1, 1, 3}},
                      HitCase{150, 180, true, {1, 1, 2}}, HitCase{180, 180, true, {1, 1, 7}},
                      HitCase{210, 210, true, {2, 2, 9}}, HitCase{187, 97, true, {2, 1, -1}},
                      HitCase{-5, 40, false, {}}, HitCase{90, 30, true, {0, 0, 6}}, HitCase{30, 90, true, {0, 0, 8}},
                      HitCase{INT64_MIN / 2, 40, false, {}}, HitCase{INT64_MAX / 2, 40, false, {}}));

} // namespace
} // namespace tarnholt
