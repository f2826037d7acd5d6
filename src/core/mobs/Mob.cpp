#include "mobs/Mob.h"

#include <array>
#include <initializer_list>
#include <utility>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "mobs/FormattedScan.h"
#include "mobs/MobPositions.h"
#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/Encoding.h"

namespace tarnholt {

namespace {

// A mob line gives its flags in two words: actions, then affects.
constexpr std::size_t kFlagWords = 2;

constexpr const char* kMissingValues = "Missing values for %d on this line: %s Continue?";

// A text ended by a "~" line, without tildes; `text` is replaced only when the whole text was read.
bool readTildeLines(LineReader& in, std::string& text)
{
    std::string joined;
    if (!readTextToTildeLine(in, joined))
        return false;
    eraseTildes(joined);
    text = std::move(joined);
    return true;
}

} // namespace

void Mob::reset()
{
    vnum = 0;
    alignment = 0;
    armorClass = 10;
    damageDiceCount = 1;
    damageDiceSides = 1;
    damageBonus = 0;
    experience = 1;
    gold = 0;
    hitDiceCount = 1;
    hitDiceSides = 1;
    hitBonus = 0;
    level = 1;
    thaco = 20;
    defaultPosition = 0;
    loadPosition = 0;
    attackCountIndex = 0;
    sex = 0;
    description.clear();
    identifier.clear();
    longDescription.clear();
    aliases.clear();
    shortDescription.clear();
    speech.clear();
    flags.clear();
}

void Mob::copyAsNew(const Mob& other)
{
    *this = other;
    vnum = -1;
    identifier.clear();
}

void Mob::copyContent(const Mob& other)
{
    int32_t keptVnum = vnum;
    std::string keptIdentifier = std::move(identifier);
    *this = other;
    vnum = keptVnum;
    identifier = std::move(keptIdentifier);
}

void Mob::Serialize(Archive& ar)
{
    // Version 1 had no special procedures and no speech.
    int32_t version = 2;
    ar.serialize(version);
    ar.serialize(alignment);
    ar.serialize(armorClass);
    ar.serialize(damageDiceCount);
    ar.serialize(damageDiceSides);
    ar.serialize(damageBonus);
    ar.serialize(defaultPosition);
    ar.serialize(description);
    ar.serialize(experience);
    ar.serialize(gold);
    ar.serialize(hitDiceCount);
    ar.serialize(hitDiceSides);
    ar.serialize(hitBonus);
    ar.serialize(level);
    ar.serialize(loadPosition);
    ar.serialize(longDescription);
    ar.serialize(aliases);
    ar.serialize(sex);
    ar.serialize(shortDescription);
    ar.serialize(thaco);
    ar.serialize(identifier);
    ar.serialize(attackCountIndex);
    ar.serialize(vnum);
    ar.serializeStringList(flags);
    if (version > 1) {
        ar.serializeStringList(specProcs);
        ar.serializeStringList(speech);
    } else {
        specProcs.clear();
        speech.clear();
    }
    extraDescriptions.Serialize(ar);
}

void Mob::WriteAreaText(std::string& out, Universe& universe) const
{
    out += '#';
    appendNumber(out, vnum);
    out += '\n';
    out += aliases;
    out += "~\n";
    out += shortDescription;
    out += "~\n";
    out += longDescription;
    out += "\n~\n";
    if (description.empty())
        universe.addWarning("Mob", identifier, "No Description");
    appendNormalizedText(out, description);
    out += "\n~\n";

    // Flag line: the action word (mob action flags, the special-procedure flag and the extra
    // attack flags), the affect word, then the alignment.
    FlagEncoder& encoder = universe.encoder();
    encoder.reset();
    encoder.addNames(flags, universe.mobFlags, FlagMode::Set);
    if (!specProcs.empty())
        encoder.addEntry(universe.specialProcFlag);
    if (attackCountIndex == 1 || attackCountIndex == 3)
        encoder.addEntry(universe.extraOneHitFlag);
    if (attackCountIndex == 2 || attackCountIndex == 3)
        encoder.addEntry(universe.extraTwoHitFlag);
    std::string line;
    encoder.output(line);
    out += line;
    out += ' ';
    appendNumber(out, alignment);
    out += " S\n";

    // Each number is followed by its separator.
    auto numbers = [&out](std::initializer_list<std::pair<int64_t, char>> list) {
        for (const auto& [number, after] : list) {
            appendNumber(out, number);
            out += after;
        }
    };
    numbers({{level, ' '}, {thaco, ' '}, {armorClass, ' '}});
    numbers({{hitDiceCount, 'd'}, {hitDiceSides, '+'}, {hitBonus, ' '}});
    numbers({{damageDiceCount, 'd'}, {damageDiceSides, '+'}, {damageBonus, '\n'}});
    numbers({{gold, ' '}, {experience, '\n'}});
    numbers({{mobPositionAreaNumber(loadPosition), ' '}, {mobPositionAreaNumber(defaultPosition), ' '}, {sex, '\n'}});

    if (!speech.empty()) {
        out += "<BEGIN_SPEECH_BLOCK>\n";
        for (const auto& spoken : speech) {
            out += spoken;
            // Lines carry their own end; one without it would swallow the next line (possibly
            // the end of the block), so it gets one.
            if (spoken.empty() || spoken.back() != '\n')
                out += '\n';
        }
        out += "<END_SPEECH_BLOCK>\n";
    }
    if (!specProcs.empty()) {
        out += "<SPECIAL>\n";
        for (const auto& entry : specProcs) {
            out += entry;
            out += '\n';
        }
        out += "</SPECIAL>\n";
    }
}

Mob::FlagDecoders::FlagDecoders(const Universe& universe) : flags(universe.mobFlags, kFlagWords) {}

std::string Mob::ReadAreaText(LineReader& in, const Universe& universe, const std::string& header,
                              Questions& questions)
{
    return ReadAreaText(in, universe, FlagDecoders(universe), header, questions);
}

std::string Mob::ReadAreaText(LineReader& in, const Universe& universe, const FlagDecoders& decoders,
                              const std::string& header, Questions& questions)
{
    int32_t number = 0;
    if (!header.empty())
        scanFormatted(std::string_view(header).substr(1), "%d", {&number});
    vnum = number;
    identifier = '#' + std::to_string(vnum);

    std::string line;
    if (!in.readLine(line))
        return {};
    aliases = removeTildes(line);
    if (!in.readLine(line))
        return {};
    shortDescription = removeTildes(line);
    identifier = importedIdentifier(vnum, shortDescription);

    if (!readTildeLines(in, longDescription))
        return {};
    if (!readTildeLines(in, description))
        return {};

    // A line with fewer values than needed asks whether to go on with what was read.
    auto complete = [&](int stored, int needed) {
        return stored >= needed || askContinue(questions, kMissingValues, vnum, line);
    };

    if (!in.readLine(line))
        return {};
    std::array<std::string, kFlagWords> flagWords; // action, affect
    const std::string& actionWord = flagWords[0];
    if (!complete(scanFormatted(line, "%s %s %d", {&flagWords[0], &flagWords[1], &alignment}), 3))
        return {};
    decoders.flags.decode(flagWords, flags, FlagMode::Set);
    attackCountIndex = (wordContains(actionWord, universe.extraOneHitFlag, 0) ? 1 : 0)
        + (wordContains(actionWord, universe.extraTwoHitFlag, 0) ? 2 : 0);

    if (!in.readLine(line))
        return {};
    int stored = scanFormatted(line, "%i %i %i %id%i+%i %id%i+%i",
                               {&level, &thaco, &armorClass, &hitDiceCount, &hitDiceSides, &hitBonus,
                                &damageDiceCount, &damageDiceSides, &damageBonus});
    if (!complete(stored, 9))
        return {};

    if (!in.readLine(line))
        return {};
    if (!complete(scanFormatted(line, "%i %i", {&gold, &experience}), 2))
        return {};

    if (!in.readLine(line))
        return {};
    // Position numbers missing from the line count as Standing.
    int32_t loadNumber = 8;
    int32_t defaultNumber = 8;
    if (!complete(scanFormatted(line, "%i %i %i", {&loadNumber, &defaultNumber, &sex}), 3))
        return {};
    loadPosition = mobPositionFromAreaNumber(loadNumber);
    defaultPosition = mobPositionFromAreaNumber(defaultNumber);

    // Speech and special-procedure blocks, in any order and any number; the first other line
    // ends the mob. Blank lines between blocks are passed over: returning one would read as
    // a failed record and throw away a mob that was read in full.
    while (in.readLine(line)) {
        std::string trimmed = trimRight(line);
        if (trimmed == "<BEGIN_SPEECH_BLOCK>") {
            for (;;) {
                if (!in.readLine(line))
                    return {};
                trimmed = trimRight(line);
                if (trimmed == "<END_SPEECH_BLOCK>")
                    break;
                speech.push_back(trimmed + '\n');
            }
        } else if (trimmed == "<SPECIAL>") {
            for (;;) {
                if (!in.readLine(line))
                    return {};
                trimmed = trimRight(line);
                if (trimmed == "</SPECIAL>")
                    break;
                specProcs.push_back(trimmed);
            }
        } else if (!trimmed.empty()) {
            return trimmed;
        }
    }
    return {};
}

void Mob::RenameItemRef(const std::string& /*oldName*/, const std::string& /*newName*/) {}

void Mob::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    if (identifier == oldName)
        identifier = newName;
}

void Mob::RenameRoomRef(const std::string& /*oldName*/, const std::string& /*newName*/) {}

} // namespace tarnholt
