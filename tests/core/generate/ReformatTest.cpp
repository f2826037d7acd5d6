#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/Questions.h"
#include "generate/Reformat.h"
#include "world/World.h"

using namespace tarnholt;

namespace {

/// Answers from a list (No once it runs out) and also records each question's default button.
class RecordingQuestions : public ScriptedQuestions {
public:
    explicit RecordingQuestions(const std::vector<bool>& answers) : ScriptedQuestions(false)
    {
        for (bool answer : answers)
            queueAnswer(answer);
    }
    bool askYesNo(const std::string& text, bool defaultNo) override
    {
        defaults.push_back(defaultNo);
        return ScriptedQuestions::askYesNo(text, defaultNo);
    }
    std::vector<bool> defaults;
};

struct ReformatCase {
    const char* name;
    std::string input;
    int width;
    bool keepLineBreaks;
    std::string expected;
};

class ReformatExamples : public ::testing::TestWithParam<ReformatCase> {};

TEST_P(ReformatExamples, RewrapsAsDescribed)
{
    const ReformatCase& c = GetParam();
    // Interactive: Yes to go on, then the line-break answer.
    RecordingQuestions questions({true, c.keepLineBreaks});
    std::string text = c.input;
    EXPECT_TRUE(reformatDescription(text, c.width, false, questions));
    EXPECT_EQ(text, c.expected);

    // Batch mode behaves as "do not keep line breaks" and asks nothing.
    if (!c.keepLineBreaks) {
        RecordingQuestions silent({});
        std::string batch = c.input;
        EXPECT_TRUE(reformatDescription(batch, c.width, true, silent));
        EXPECT_EQ(batch, c.expected);
        EXPECT_TRUE(silent.questions.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, ReformatExamples,
    ::testing::Values(
        ReformatCase{"EightyWithoutBlanksStaysOneLine", std::string(80, 'x'), 80, false, std::string(80, 'x') + "\r\n"},
        ReformatCase{"EightyOneWithoutBlanksIsCut", std::string(81, 'x'), 80, false,
                     std::string(80, 'x') + "\r\nx\r\n"},
        ReformatCase{"ExactlySixtyWithBlankBreaksAtLastBlank", std::string(29, 'a') + " " + std::string(30, 'b'), 60,
                     false, std::string(29, 'a') + "\r\n" + std::string(30, 'b') + "\r\n"},
        ReformatCase{"SeventyCharactersOfWordsAtSixty", "word word word word word word word word word word word word word tail!", 60, false,
                     "word word word word word word word word word word word word\r\nword tail!\r\n"},
        ReformatCase{"PreservedLineBreaks", "first line\r\nsecond line", 60, true, "first line\r\nsecond line\r\n"},
        ReformatCase{"LineBreaksBecomeBlanks", "first line\r\nsecond line\r\n", 60, false,
                     "first line second line \r\n"},
        ReformatCase{"EmptyStaysEmpty", "", 60, false, ""},
        // A blank line kept with line breaks stays at the start of the following line.
        ReformatCase{"KeptBlankLine", "a\r\n\r\nb c", 60, true, "a\r\n\r\nb c\r\n"},
        // A line break at the start and no blank within the width: cut after the width.
        ReformatCase{"BreakAtStartWithoutBlank", "\r\n" + std::string(70, 'x'), 60, true,
                     "\r\n" + std::string(58, 'x') + "\r\n" + std::string(12, 'x') + "\r\n"},
        // A line break beyond the width and no blank within it: cut after the width, then the break.
        ReformatCase{"BreakBeyondWidthWithoutBlank", std::string(70, 'x') + "\r\nab", 60, true,
                     std::string(60, 'x') + "\r\n" + std::string(10, 'x') + "\r\nab\r\n"},
        // Width 1 must not cut a CR from its LF.
        ReformatCase{"NarrowWidthKeepsLineBreakWhole", "\r\nab", 1, true, "\r\n\r\na\r\nb\r\n"},
        // A width below one column still makes progress.
        ReformatCase{"ZeroWidth", "abc", 0, false, "a\r\nb\r\nc\r\n"}),
    [](const ::testing::TestParamInfo<ReformatCase>& info) { return std::string(info.param.name); });

TEST(Reformat, AsksBothQuestionsWithNoAsDefaultAndNoLeavesTheTextUntouched)
{
    RecordingQuestions questions({true, true});
    std::string text = "abc";
    reformatDescription(text, 80, false, questions);
    EXPECT_EQ(questions.questions,
              (std::vector<std::string>{"This will reformat the description to fit on a 80-column screen.\nAre you sure "
                                        "you want to do this?",
                                        "Do you want to preserve line feeds?"}));
    EXPECT_EQ(questions.defaults, (std::vector<bool>{true, true}));

    RecordingQuestions no({false});
    text = "Trailing blanks   \r\nand a second line   ";
    EXPECT_FALSE(reformatDescription(text, 60, false, no));
    EXPECT_EQ(text, "Trailing blanks   \r\nand a second line   ");
    EXPECT_EQ(no.questions.size(), 1u);
}

std::string withoutSeparators(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\r' && c != '\n')
            out += c;
    return out;
}

// Arbitrary texts of blanks, letters, CRs and LFs at many widths: the formatter ends, drops only
// blanks and line breaks, ends every non-empty result with CR LF, and, for texts without a CR,
// keeps every line within the width.
TEST(Reformat, AnyInputTerminatesAndKeepsTheWords)
{
    std::mt19937 random(12345);
    const char alphabet[] = {' ', ' ', 'a', 'b', '\r', '\n', 'c'};
    for (int round = 0; round < 3000; ++round) {
        const int length = static_cast<int>(random() % 200);
        std::string text;
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        const int width = static_cast<int>(random() % 90) - 2;
        const bool batch = random() % 2 == 0;
        RecordingQuestions questions({true, random() % 2 == 0});

        std::string out = text;
        reformatDescription(out, width, batch, questions);
        ASSERT_EQ(withoutSeparators(out), withoutSeparators(text)) << "round " << round;
        if (!text.empty()) {
            ASSERT_GE(out.size(), 2u);
            ASSERT_EQ(out.substr(out.size() - 2), "\r\n");
        }
        if (text.find('\r') == std::string::npos) {
            const std::size_t limit = width < 1 ? 1 : static_cast<std::size_t>(width);
            std::size_t start = 0;
            for (std::size_t end; (end = out.find("\r\n", start)) != std::string::npos; start = end + 2)
                ASSERT_LE(end - start, limit) << "round " << round << " width " << width;
        }
    }
}


World worldWithRooms(const std::vector<std::string>& identifiers)
{
    World world;
    for (const std::string& identifier : identifiers) {
        Room& room = world.rooms.emplace_back();
        room.identifier = identifier, room.description = "old";
    }
    return world;
}

TEST(SetRoomDescriptions, EachSelectedEntrySetsTheFirstBearer)
{
    struct Case {
        std::vector<std::string> selected;
        int count;
        std::string after; // n = new, o = old, room by room
    };
    for (const Case& c : {Case{{"A", "B"}, 2, "nonoo"}, Case{{"A", "A"}, 2, "nnooo"}, Case{{"C"}, 1, "ooono"},
                          Case{{"Nowhere"}, 0, "ooooo"}, Case{{}, 0, "ooooo"}}) {
        World world = worldWithRooms({"A", "A", "B", "C", "A"});
        EXPECT_EQ(setRoomDescriptions(world, c.selected, "new"), c.count);
        std::string after;
        for (const Room& room : world.rooms)
            after += room.description[0];
        EXPECT_EQ(after, c.after);
    }
    EXPECT_EQ(roomDescriptionsSetMessage(2), "2 Room Descriptions successfully set.");
}

TEST(SetExitDescriptions, EveryExitIntoASelectedRoom)
{
    World world = worldWithRooms({"A", "B", "C"});
    world.rooms[0].exits.edit(0).target = "B", world.rooms[0].exits.edit(5).target = "C";
    world.rooms[1].exits.edit(2).target = "A", world.rooms[2].exits.edit(9).target = "B";
    world.rooms[2].exits.edit(3).description = "untouched"; // no target: never an exit

    EXPECT_EQ(setExitDescriptions(world, {"B"}, "a door"), 2);
    EXPECT_EQ(world.rooms[0].exits[0].description + "|" + world.rooms[2].exits[9].description + "|" +
                  world.rooms[0].exits[5].description + "|" + world.rooms[1].exits[2].description,
              "a door|a door||");
    EXPECT_EQ(setExitDescriptions(world, {"A", "C"}, "x"), 2);
    EXPECT_EQ(setExitDescriptions(world, {"Nowhere"}, "x"), 0);
    EXPECT_EQ(setExitDescriptions(world, {""}, "x"), 0);
    EXPECT_EQ(world.rooms[2].exits[3].description, "untouched");
    EXPECT_EQ(exitDescriptionsSetMessage(0), "0 Exit Descriptions successfully set.");
}

} // namespace
