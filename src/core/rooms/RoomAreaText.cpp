#include "generate/AreaText.h"
#include "rooms/Room.h"
#include "universe/Universe.h"
#include "world/World.h"
#include "world/Encoding.h"

namespace tarnholt {

void Room::WriteAreaText(std::string& out, Universe& universe, World& world) const
{
    out += '#';
    appendNumber(out, vnum);
    out += '\n';
    out += name;
    out += "~\n";
    if (description.empty())
        universe.addWarning("Room", identifier, "No Description");
    appendNormalizedText(out, description);
    out += "\n~\n";

    // The room line: zone number, "G" for a moving room, then the flag word and the terrain word.
    std::string line;
    appendNumber(line, world.zoneNumber);
    line += ' ';
    if (moving == 1)
        line += 'G';
    FlagEncoder& encoder = universe.encoder();
    encoder.reset();
    encoder.addNames(flags, universe.roomFlags, FlagMode::Set);
    encoder.addName(terrain, universe.terrains);
    encoder.output(line);
    out += line;
    out += '\n';

    for (int direction = 0; direction < kDirectionCount; ++direction) {
        const Exit& exit = exits[static_cast<std::size_t>(direction)];
        if (!exit.target.empty())
            exit.WriteAreaText(out, universe, world, direction);
    }

    extraDescriptions.WriteAreaText(out);

    if (moving == 1) {
        out += "M\n";
        out += moveText;
        out += "\n~\n";
        world.appendRoomVnumText(out, moveTo);
        for (int32_t value : {moveSpeed, moveTimer, ignoreBoat, ignoreFly}) {
            out += ' ';
            appendNumber(out, value);
        }
        out += '\n';
    }

    if (!specProcs.empty()) {
        out += "<SPECIAL>\n";
        for (const std::string& entry : specProcs) {
            out += entry;
            out += '\n';
        }
        out += "</SPECIAL>\n";
    }

    out += "S\n";
}

void Room::WriteDoorResets(std::string& out, Universe& /*universe*/, World& /*world*/) const
{
    for (int direction = 0; direction < kDirectionCount; ++direction)
        exits[static_cast<std::size_t>(direction)].WriteDoorReset(out, vnum, direction);
}

} // namespace tarnholt
