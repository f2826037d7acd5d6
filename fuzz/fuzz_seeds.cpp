// Writes the seed corpora of the fuzz targets into the folder given on the command line, one
// sub-folder per target: small world documents, template libraries, area files and descriptions
// made with the core. The real area files under ../shared/realdata are added by scripts/fuzz.sh.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "SampleZone.h"
#include "app/Questions.h"
#include "universe/TemplateLibrary.h"
#include "world/Document.h"
#ifdef TARNHOLT_SEED_JSON
#include "cli/WorldJson.h"
#endif

using namespace tarnholt;

namespace {

void writeSeed(const std::filesystem::path& folder, const std::string& name, const std::string& bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out << bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <corpus folder>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];

    World empty;
    writeSeed(root / "world_file", "empty.rlm", Document::storeWorld(empty));
#ifdef TARNHOLT_SEED_JSON
    writeSeed(root / "world_json", "empty.json", worldToJson(empty));
#endif
    for (int rooms : {1, 2, 5, 12, 46}) {
        World world = sample::makeZone(rooms, static_cast<uint32_t>(rooms));
        writeSeed(root / "world_file", "zone" + std::to_string(rooms) + ".rlm", Document::storeWorld(world));
#ifdef TARNHOLT_SEED_JSON
        if (rooms <= 12)
            writeSeed(root / "world_json", "zone" + std::to_string(rooms) + ".json", worldToJson(world));
#endif
    }

    ScriptedQuestions silent;
    writeSeed(root / "template_file", "blank.dat", TemplateLibrary("").bytes());
    {
        World world = sample::makeZone(6, 7);
        TemplateLibrary library("");
        for (std::size_t i = 0; i < 3; ++i) {
            library.items().add(world.items[i], "item template " + std::to_string(i), silent);
            library.mobs().add(world.mobs[i], "mob template " + std::to_string(i), silent);
            library.rooms().add(world.rooms[i], "room template " + std::to_string(i), silent);
        }
        writeSeed(root / "template_file", "library.dat", library.bytes());
    }

    // The import targets take one leading byte that picks the first answer to the readers' questions.
    for (int records : {1, 3, 23}) {
        const std::string name = std::to_string(records);
        writeSeed(root / "item_import", name + ".obj", "\x01" + sample::makeItemFile(records, 11, 3000));
        writeSeed(root / "mob_import", name + ".mob", "\x01" + sample::makeMobFile(records, 12, 3000));
    }
    writeSeed(root / "item_import", "end.obj", std::string("\x00", 1) + "#99999\r\n");
    writeSeed(root / "mob_import", "end.mob", std::string("\x00", 1) + "#99999   \n");

    // reformat: one option byte (width, batch, first answer), then the description.
    World world = sample::makeZone(8, 3);
    int n = 0;
    for (const Room& room : world.rooms) {
        writeSeed(root / "reformat", "room" + std::to_string(n), std::string(1, static_cast<char>(n & 7)) + room.description);
        ++n;
    }
    writeSeed(root / "reformat", "long-word", "\x03" + std::string(150, 'x') + " tail\r\n\r\nnext paragraph");
    writeSeed(root / "reformat", "blank-lines", "\x02\r\n\r\n   \r\n\t\r\n");
    return 0;
}
