#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/Questions.h"
#include "generate/Generator.h"
#include "map/Importer.h"
#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/Document.h"
#include "world/World.h"

namespace tarnholt::fuzzing {

/// Answers the readers' questions Yes and No in turn, starting with the answer given.
class AlternatingQuestions : public Questions {
public:
    explicit AlternatingQuestions(bool firstAnswer) : next_(firstAnswer) {}
    void message(const std::string& text) override { said += "message: " + text + "\n"; }
    bool askYesNo(const std::string& text, bool) override
    {
        said += "question: " + text + "\n";
        bool answer = next_;
        next_ = !next_;
        return answer;
    }

    std::string said; // everything said and asked, in order

private:
    bool next_;
};

/// Stops the run with a report when a property that must hold does not.
inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

/// Imports `text` again, read from a split at its middle on a second thread, and requires the same
/// records, result, questions and messages as `world`, `result` and `questions` got reading in order.
inline void requireSplitReadingAgrees(std::string_view text, ImportKind kind, bool firstAnswer, const World& world,
                                      const ImportResult& result, const AlternatingQuestions& questions)
{
    static Universe universe;
    AlternatingQuestions again(firstAnswer);
    World split;
    const ImportResult splitResult = importAreaText(text, split, universe, again, kind, text.size() / 2);
    require(splitResult == result, "a split reading gives the same result");
    require(again.said == questions.said, "a split reading says and asks the same");
    require(split.items == world.items && split.mobs == world.mobs, "a split reading gives the same records");
}

/// Writes every record of the World as generation does, in memory: whatever the records hold,
/// the writers must neither crash nor read out of bounds.
inline std::size_t writeAreaTexts(Universe& universe, World& world)
{
    Generator generator(universe, world);
    World::IndexScope index(world);
    std::string text;
    for (const Item& item : world.items)
        item.WriteAreaText(text, universe, world);
    for (const Item& item : world.items)
        for (const std::string& component : item.assemblyComponents)
            text += world.itemVnumText(component);
    for (const Mob& mob : world.mobs)
        mob.WriteAreaText(text, universe);
    for (const Room& room : world.rooms)
        room.WriteAreaText(text, universe, world);
    for (const Room& room : world.rooms) {
        room.WriteDoorResets(text, universe, world);
        for (const LoadAction& load : room.loads)
            load.WriteZoneCommand(text, universe, world, room.identifier);
    }
    return text.size() + generator.warnings().size();
}

/// Storing a World and loading the bytes back must give a World that stores to the same bytes.
inline void requireArchiveRoundTrip(World& world)
{
    const std::string stored = Document::storeWorld(world);
    World again;
    try {
        again = Document::loadWorld(stored);
    } catch (const ArchiveError&) {
        require(false, "a stored World loads back");
    }
    require(Document::storeWorld(again) == stored, "a World loaded back stores the same bytes");
}

} // namespace tarnholt::fuzzing
