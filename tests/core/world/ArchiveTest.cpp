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

std::string stored(const std::string& text)
{
    Archive ar;
    ar.writeString(text);
    return ar.data();
}

} // namespace

TEST(Archive, IntsAreFourBytesLittleEndian)
{
    Archive ar;
    ar.writeInt(1);
    ar.writeInt(-1);
    ar.writeInt(0x12345678);
    EXPECT_EQ(ar.data(), bytes({1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));

    Archive in(ar.data());
    EXPECT_EQ(in.readInt(), 1);
    EXPECT_EQ(in.readInt(), -1);
    EXPECT_EQ(in.readInt(), 0x12345678);
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
    std::string text(c.length, 'x');
    std::string data = stored(text);
    ASSERT_EQ(data.size(), c.prefix.size() + c.length);
    EXPECT_EQ(data.substr(0, c.prefix.size()), c.prefix);
    Archive in(data);
    EXPECT_EQ(in.readString(), text);
    EXPECT_EQ(in.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringPrefix,
                         ::testing::Values(PrefixCase{0, bytes({0x00})}, PrefixCase{1, bytes({0x01})},
                                           PrefixCase{254, bytes({0xFE})},
                                           PrefixCase{255, bytes({0xFF, 0xFF, 0x00})},
                                           PrefixCase{65533, bytes({0xFF, 0xFD, 0xFF})},
                                           PrefixCase{65534, bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                                           PrefixCase{70000, bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}));

TEST(Archive, ReadsUtf16StringsAsWindows1252)
{
    // Marker FF FE FF, one-byte length 3, then "aé€" in UTF-16LE.
    std::string data = bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0x00, 0xE9, 0x00, 0xAC, 0x20});
    Archive in(data);
    EXPECT_EQ(in.readString(), bytes({'a', 0xE9, 0x80}));
    EXPECT_EQ(in.remaining(), 0u);

    // A character without an 8-bit form becomes '?'.
    std::string cyrillic = bytes({0xFF, 0xFE, 0xFF, 0x01, 0x14, 0x04});
    Archive in2(cyrillic);
    EXPECT_EQ(in2.readString(), "?");
}

TEST(Archive, ListCountsOfZeroOrBelowReadNothingMore)
{
    for (int count : {0, -1, -100}) {
        Archive ar;
        ar.writeInt(count);
        ar.writeInt(77); // what follows the list
        std::vector<std::string> strings{"old"};
        std::vector<int32_t> ints{5, 6};
        Archive in(ar.data());
        in.readStringList(strings);
        EXPECT_TRUE(strings.empty());
        EXPECT_EQ(in.readInt(), 77);
        Archive in2(ar.data());
        in2.readIntList(ints);
        EXPECT_TRUE(ints.empty());
        EXPECT_EQ(in2.readInt(), 77);
    }
}

TEST(Archive, ReadingAListReplacesItsContents)
{
    Archive ar;
    ar.writeStringList({"a", "bc"});
    ar.writeIntList({7, -8});
    EXPECT_EQ(ar.data(), bytes({2, 0, 0, 0, 1, 'a', 2, 'b', 'c', 2, 0, 0, 0, 7, 0, 0, 0, 0xF8, 0xFF, 0xFF, 0xFF}));

    Archive in(ar.data());
    std::vector<std::string> strings{"x", "y", "z"};
    std::vector<int32_t> ints{1, 2, 3};
    in.serializeStringList(strings);
    in.serializeIntList(ints);
    EXPECT_EQ(strings, (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(ints, (std::vector<int32_t>{7, -8}));
}

TEST(Archive, EndOfDataFailsInsteadOfReadingPastIt)
{
    std::string threeBytes = bytes({1, 2, 3});
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
    std::string hugeList = bytes({0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0});
    Archive l(hugeList);
    std::vector<int32_t> ints;
    EXPECT_THROW(l.readIntList(ints), ArchiveError);
}
