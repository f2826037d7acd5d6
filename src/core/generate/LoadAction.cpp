#include "generate/LoadAction.h"

#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/World.h"
#include "world/Encoding.h"

namespace tarnholt {

namespace {

constexpr const char* kWarningType = "Room-Action";

// Zone command letters by task: when the probability is exactly 100, and otherwise.
constexpr char kCertainLetters[] = {'M', 'O', 'G', 'E', 'P'};
constexpr char kChanceLetters[] = {'W', 'X', 'Y', 'Z', 'Q'};

bool knownTask(int32_t task) { return task >= LoadAction::LoadMob && task <= LoadAction::PutItem; }

} // namespace

const std::vector<std::string>& LoadAction::taskNames()
{
    static const std::vector<std::string> names = {
        "Load Mob",
        "Load Item",
        "Load Item and Give to Last Mob",
        "Load Item and Equip on Last Mob",
        "Load Item and Put in Object",
    };
    return names;
}

const std::vector<std::string>& LoadAction::conditionNames()
{
    static const std::vector<std::string> names = {
        "Do Always",
        "Do if last action successful",
        "Do if last action failed",
        "Do if last Mob loaded",
        "Do if last Mob failed probability",
        "Do if last Mob failed to load",
    };
    return names;
}

int32_t LoadAction::conditionCode(int32_t condition)
{
    // The server has no condition 5: "last Mob failed to load" is its number 6.
    return condition == 5 ? 6 : condition;
}

std::string LoadAction::label() const
{
    std::string tail = ", " + std::to_string(probability) + "%, Max " + std::to_string(maxLoad);
    switch (task) {
    case LoadMob:
        return "Load Mob " + mob + tail;
    case LoadItem:
        return "Load Item " + item + tail;
    case GiveItem:
        return "Load and Give Item " + item + tail;
    case EquipItem:
        return "Load and Equip Item " + item + " at " + equipPosition + tail;
    case PutItem:
        return "Load and Put Item " + item + " into " + container + tail;
    default:
        return {};
    }
}

void LoadAction::Serialize(Archive& ar)
{
    int32_t version = 4;
    ar.serialize(version);
    ar.serialize(task);
    ar.serialize(condition);
    ar.serialize(maxLoad);
    ar.serialize(probability);
    ar.serialize(direction);
    ar.serialize(mob);
    ar.serialize(item);
    if (ar.isLoading()) {
        if (version == 1)
            ar.readString(); // a field of the first layout that nothing uses any more
        ar.serialize(equipPosition);
        container.clear();
        comment.clear();
        if (version == 1 || version == 2)
            return;
        ar.serialize(container);
        if (version == 3)
            return;
        ar.serialize(comment);
        return;
    }
    ar.serialize(equipPosition);
    ar.serialize(container);
    ar.serialize(comment);
}

void LoadAction::WriteZoneCommand(std::string& out, Universe& universe, World& world,
                                  const std::string& roomIdentifier) const
{
    if (knownTask(task))
        WriteZoneCommand(out, universe, world, roomIdentifier, world.roomVnumText(roomIdentifier));
}

void LoadAction::WriteZoneCommand(std::string& out, Universe& universe, World& world, const std::string& roomIdentifier,
                                  std::string_view roomVnumText) const
{
    // A line without a command letter would make the whole zone file unreadable for the server.
    if (!knownTask(task))
        return;

    auto warn = [&](const char* text) { universe.addWarning(kWarningType, roomIdentifier, text); };

    // The line is made in place; an action that is not written takes back what was begun.
    const std::size_t start = out.size();
    auto drop = [&] { out.resize(start); };
    const auto index = static_cast<std::size_t>(task);
    out += probability == 100 ? kCertainLetters[index] : kChanceLetters[index];
    out += ' ';
    appendNumber(out, conditionCode(condition));
    out += ' ';

    // Appends a vnum text, warning when the reference did not resolve (the line is still written).
    auto appendVnum = [&](auto append, std::string_view reference, const char* invalidText) {
        const std::size_t at = out.size();
        (world.*append)(out, reference);
        if (std::string_view(out).substr(at) == "-1")
            warn(invalidText);
    };
    auto appendRoomVnum = [&](const char* invalidText) {
        if (roomVnumText == "-1")
            warn(invalidText);
        out += roomVnumText;
    };
    auto appendMax = [&] {
        out += ' ';
        appendNumber(out, maxLoad);
    };

    switch (task) {
    case LoadMob:
        if (mob.empty() && roomIdentifier.empty())
            return drop();
        if (mob.empty()) {
            warn("No Mob on a Load Mob Action.");
            return drop();
        }
        if (roomIdentifier.empty()) {
            warn("No Room on a Load Mob Action.");
            return drop();
        }
        appendVnum(&World::appendMobVnumText, mob, "Invalid Mob on a Load Mob Action.");
        appendMax();
        out += ' ';
        appendRoomVnum("Invalid Room on a Load Mob Action.");
        break;
    case LoadItem:
        if (item.empty()) {
            warn("No Item on a Load Item Action.");
            return drop();
        }
        if (roomIdentifier.empty()) {
            warn("No Room on a Load Item Action.");
            return drop();
        }
        appendVnum(&World::appendItemVnumText, item, "Invalid Item on a Load Item Action.");
        appendMax();
        out += ' ';
        appendRoomVnum("Invalid Room on a Load Item Action.");
        break;
    case GiveItem:
        if (item.empty()) {
            warn("No Item on a Load And Give Item Action.");
            return drop();
        }
        appendVnum(&World::appendItemVnumText, item, "Invalid Item on a Load And Give Item Action.");
        appendMax();
        break;
    case EquipItem:
        if (item.empty()) {
            warn("No Item on a Load Item and Equip Mob Action.");
            return drop();
        }
        if (equipPosition.empty()) {
            warn("No Equip Position on a Load Item and Equip Mob Action.");
            return drop();
        }
        appendVnum(&World::appendItemVnumText, item, "Invalid Item on a Load Item and Equip Mob Action.");
        appendMax();
        out += ' ';
        out += universe.equipPositionCode(equipPosition);
        break;
    case PutItem:
        if (item.empty()) {
            warn("No Item on a Load and Put Action.");
            return drop();
        }
        if (container.empty()) {
            warn("No Put Object on a Load And Put Action.");
            return drop();
        }
        appendVnum(&World::appendItemVnumText, item, "Invalid Item on a Load And Put Action.");
        appendMax();
        out += ' ';
        appendVnum(&World::appendItemVnumText, container, "Invalid Put Item on a Load And Put Action.");
        break;
    default:
        break;
    }

    if (probability != 100) {
        out += ' ';
        appendNumber(out, probability);
    }
    if (!comment.empty()) {
        const std::size_t length = out.size() - start;
        if (length < 40)
            out.append(40 - length, ' ');
        out += '#';
        out += comment;
    }
    out += '\n';
}

void LoadAction::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    if (item == oldName)
        item = newName;
}

void LoadAction::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    if (mob == oldName)
        mob = newName;
}

void LoadAction::RenameRoomRef(const std::string& /*oldName*/, const std::string& /*newName*/) {}

} // namespace tarnholt
