#include <gtest/gtest.h>

#include "world/Archive.h"

using namespace tarnholt;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

} // namespace

TEST(Archive, IntsAndListsInTheHandWorkedBytesAndBack)
{
    Archive ar;
    ar.writeInt(-1);
    ar.writeInt(0x12345678);
    ar.writeStringList({"a", "bc"});
    ar.writeIntList({7, -8});
    EXPECT_EQ(ar.data(), bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 2, 0, 0, 0, 1, 'a', 2, 'b', 'c', 2, 0,
                                0, 0, 7, 0, 0, 0, 0xF8, 0xFF, 0xFF, 0xFF}));

    Archive in(ar.data());
    EXPECT_EQ(in.readInt(), -1);
    EXPECT_EQ(in.readInt(), 0x12345678);
    std::vector<std::string> strings{"x", "y", "z"}; // replaced, not appended to
    std::vector<int32_t> ints{1, 2, 3};
    in.serializeStringList(strings);
    in.serializeIntList(ints);
    EXPECT_EQ(strings, (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(ints, (std::vector<int32_t>{7, -8}));
    EXPECT_EQ(in.remaining(), 0u);
}

struct PrefixCase {
    std::size_t length;
    std::string prefix;
};

class StringPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefix, WritesThePrefixThenTheCharactersAndReadsBack)
{
    const auto& c = GetParam();
    const std::string text(c.length, 'x');
    Archive out;
    out.writeString(text);
    EXPECT_EQ(out.data(), c.prefix + text);
    Archive in(out.data());
    EXPECT_EQ(in.readString(), text);
    EXPECT_EQ(in.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringPrefix,
                         ::testing::Values(PrefixCase{0, bytes({0x00})}, PrefixCase{254, bytes({0xFE})},
                                           PrefixCase{255, bytes({0xFF, 0xFF, 0x00})},
                                           PrefixCase{65533, bytes({0xFF, 0xFD, 0xFF})},
                                           PrefixCase{65534, bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                                           PrefixCase{70000, bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}));

TEST(Archive, ReadsUtf16StringsAsWindows1252)
{
    // Marker FF FE FF, one-byte length 3, then "aé€" in UTF-16LE; a Cyrillic letter becomes '?'.
    const std::string data = bytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 0xE9, 0, 0xAC, 0x20, 0xFF, 0xFE, 0xFF, 1, 0x14, 0x04});
    Archive in(data);
    EXPECT_EQ(in.readString(), bytes({'a', 0xE9, 0x80}));
    EXPECT_EQ(in.readString(), "?");
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(Archive, ListCountsOfZeroOrBelowReadNothingMore)
{
    for (int count : {0, -1, -100}) {
        Archive ar;
        ar.writeInt(count);
        ar.writeInt(count);
        ar.writeInt(77); // what follows the lists
        std::vector<std::string> strings{"old"};
        std::vector<int32_t> ints{5, 6};
        Archive in(ar.data());
        in.readStringList(strings);
        in.readIntList(ints);
        EXPECT_TRUE(strings.empty() && ints.empty());
        EXPECT_EQ(in.readInt(), 77);
    }
}

TEST(Archive, EndOfDataFailsInsteadOfReadingPastIt)
{
    const std::string threeBytes = bytes({1, 2, 3}), hugeList = bytes({0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0});
    Archive in(threeBytes);
    EXPECT_THROW(in.readInt(), ArchiveError);
    // A string whose prefix announces more than is left, including the giant dword form.
    for (const std::string& data : {bytes({5, 'a', 'b'}), bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}),
                                    bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0}), bytes({0xFF}),
                                    bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF})}) {
        Archive s(data);
        EXPECT_THROW(s.readString(), ArchiveError);
    }
    // An int list whose count runs past the data fails without allocating for the count.
    Archive l(hugeList);
    std::vector<int32_t> ints;
    EXPECT_THROW(l.readIntList(ints), ArchiveError);
}
