#include "cli/Commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/StreamQuestions.h"
#include "cli/WorldJson.h"
#include "generate/Generator.h"
#include "map/Importer.h"
#include "world/Document.h"
#include "world/Encoding.h"
#include "world/Files.h"

namespace tarnholt {

namespace {

constexpr const char* kProgram = "tarnholt-cli";

const char* const kUsage = R"(Usage: tarnholt-cli COMMAND ARGUMENTS...

Commands:
  generate WORLD.rlm [--out DIR] [--save]   write the area files of a zone
  import WORLD.rlm FILE [--answer yes|no]   append the items of a .obj or the mobs of a .mob file
  convert IN OUT                            re-save a .rlm, or convert between .rlm and .json
  info WORLD.rlm                            show the zone header and the number of records

Run 'tarnholt-cli COMMAND --help' for the details of a command.
)";

const char* const kGenerateHelp = R"(Usage: tarnholt-cli generate WORLD.rlm [--out DIR] [--save]

Opens WORLD.rlm and runs Generate Code: checks the zone, gives vnums to the items, mobs and
rooms that have none, then writes <zone>.obj, the component lists <vnum>.txt, <zone>.mob,
<zone>.wld and <zone>.zon.

Options:
  --out DIR   write the area files into DIR (default: the folder holding WORLD.rlm)
  --save      write the assigned vnums back into WORLD.rlm
  --help      show this help

Warnings go to standard output, one per line: TYPE<TAB>IDENTIFIER<TAB>TEXT, in the order raised.
A refusal prints its message on standard error.
Exit status: 0 written without warnings, 1 written with warnings, 2 refused or failed.
)";

const char* const kImportHelp = R"(Usage: tarnholt-cli import WORLD.rlm FILE [--answer yes|no]

Appends the items of a .obj file or the mobs of a .mob file to the World of WORLD.rlm (a new
World when WORLD.rlm does not exist) and saves it.

Options:
  --answer yes|no   the answer to every "Continue?" question of the reader (default: no)
  --help            show this help

Each question is printed on standard error followed by the answer given. A record the reader
gives up on is dropped with its message on standard error; the records before it are kept.
Exit status: 0 imported, 1 a record was dropped, 2 a file could not be read or written.
)";

const char* const kConvertHelp = R"(Usage: tarnholt-cli convert IN OUT

By the extensions of the two files:
  .rlm to .rlm    re-saves the document (its base path taken from OUT)
  .rlm to .json   writes the JSON form of the World
  .json to .rlm   writes the World of a JSON file as a document

The JSON form is described in docs/world-json.md. A .rlm converted to .json and back is the
same file, byte for byte; a .json written by this command converted to .rlm and back is the
same text.

Options:
  --help   show this help

Exit status: 0 converted, 2 failed.
)";

const char* const kInfoHelp = R"(Usage: tarnholt-cli info WORLD.rlm

Shows the zone header and the number of rooms, mobs, items, shops and load actions.

Options:
  --help   show this help

Exit status: 0 shown, 2 the file could not be read.
)";

/// `text` with its line breaks and tabs turned into blanks, so that it fills one line.
std::string flatten(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return text;
}

/// A record text (Windows-1252) for one line of output, in UTF-8.
std::string oneLine(const std::string& text)
{
    return flatten(cp1252ToUtf8(text));
}

/// Reports a failure in one line on `err` and gives the failure status.
int failure(std::ostream& err, const std::string& command, const std::string& text)
{
    err << kProgram << ' ' << command << ": " << flatten(text) << '\n' << std::flush;
    return ExitFailed;
}

std::string lowerExtension(const std::string& path)
{
    const std::string name = fileNameOf(path);
    const std::size_t dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

/// Opens a document; "" on success, else the message, naming the file when the message does not.
std::string openDocument(Document& document, const std::string& path)
{
    std::string message = document.open(path);
    if (!message.empty() && message.find(path) == std::string::npos)
        message = path + ": " + message;
    return message;
}

bool exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// ---- generate --------------------------------------------------------------------------------

int generateCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::string& path = line.arguments[0];
    Document document;
    if (std::string message = openDocument(document, path); !message.empty())
        return failure(err, "generate", message);

    std::string folder = directoryOf(path);
    if (line.has("out")) {
        folder = line.value("out");
        if (!isFolder(folder))
            return failure(err, "generate", folder + ": no such folder");
    }

    StreamQuestions questions(err, false);
    GenerateResult result;
    {
        Generator generator(document.universe(), document.world());
        result = generator.generate(folder, questions);
    }
    for (const Warning& warning : result.warnings)
        out << oneLine(warning.type) << '\t' << oneLine(warning.identifier) << '\t' << oneLine(warning.text) << '\n';
    out << std::flush;

    int status = !result.written ? ExitFailed : result.warnings.empty() ? ExitOk : ExitWarnings;
    // The vnums given before a stop are kept too, as the editor keeps them in the open document.
    if (line.has("save") && result.vnumsChanged) {
        if (std::string message = document.save(path); !message.empty())
            status = failure(err, "generate", message);
    }
    return status;
}

// ---- import ----------------------------------------------------------------------------------

int importCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::string& worldPath = line.arguments[0];
    const std::string& filePath = line.arguments[1];

    const std::string answer = line.value("answer", "no");
    if (answer != "yes" && answer != "no")
        return failure(err, "import", "--answer takes yes or no, not '" + answer + "'");

    const std::string extension = lowerExtension(filePath);
    ImportKind kind;
    if (extension == ".obj")
        kind = ImportKind::Items;
    else if (extension == ".mob")
        kind = ImportKind::Mobs;
    else
        return failure(err, "import", filePath + ": not a .obj or .mob file");

    Document document;
    if (exists(worldPath)) {
        if (std::string message = openDocument(document, worldPath); !message.empty())
            return failure(err, "import", message);
    }

    std::string data;
    if (FileError error = readWholeFile(filePath, data); error != FileError::None)
        return failure(err, "import", fileErrorMessage(error, filePath));

    StreamQuestions questions(err, answer == "yes");
    const ImportResult result = importAreaText(data, document.world(), document.universe(), questions, kind);

    if (std::string message = document.save(worldPath); !message.empty())
        return failure(err, "import", message);
    out << "Appended " << result.appended << (kind == ImportKind::Items ? " items" : " mobs") << ".\n"
        << std::flush;
    return result.dropped ? ExitWarnings : ExitOk;
}

// ---- convert ---------------------------------------------------------------------------------

/// The World stored in a document file as it is, base path included. An empty file is a new World,
/// as opening one is. "" on success, else the message.
std::string readWorld(const std::string& path, World& world)
{
    std::string bytes;
    if (FileError error = readWholeFile(path, bytes); error != FileError::None)
        return fileErrorMessage(error, path);
    if (bytes.empty()) {
        world = World();
        return {};
    }
    try {
        world = Document::loadWorld(bytes);
    } catch (const std::exception&) {
        return path + ": Unexpected file format.";
    }
    return {};
}

std::string writeFile(const std::string& path, const std::string& data)
{
    const FileError error = writeFileAtomically(path, data);
    return error == FileError::None ? std::string() : fileErrorMessage(error, path);
}

int convertCommand(const CommandLine& line, std::ostream&, std::ostream& err)
{
    const std::string& inPath = line.arguments[0];
    const std::string& outPath = line.arguments[1];
    const std::string from = lowerExtension(inPath);
    const std::string to = lowerExtension(outPath);

    if (from == ".rlm" && to == ".rlm") {
        Document document;
        if (std::string message = openDocument(document, inPath); !message.empty())
            return failure(err, "convert", message);
        if (std::string message = document.save(outPath); !message.empty())
            return failure(err, "convert", message);
        return ExitOk;
    }
    if (from == ".rlm" && to == ".json") {
        World world;
        if (std::string message = readWorld(inPath, world); !message.empty())
            return failure(err, "convert", message);
        if (std::string message = writeFile(outPath, worldToJson(world)); !message.empty())
            return failure(err, "convert", message);
        return ExitOk;
    }
    if (from == ".json" && to == ".rlm") {
        std::string text;
        if (FileError error = readWholeFile(inPath, text); error != FileError::None)
            return failure(err, "convert", fileErrorMessage(error, inPath));
        World world;
        try {
            world = worldFromJson(text);
        } catch (const WorldJsonError& error) {
            return failure(err, "convert", inPath + ": " + error.what());
        }
        if (std::string message = writeFile(outPath, Document::storeWorld(world)); !message.empty())
            return failure(err, "convert", message);
        return ExitOk;
    }
    return failure(err, "convert",
                   "cannot convert '" + inPath + "' to '" + outPath
                       + "': the extensions must be .rlm to .rlm, .rlm to .json or .json to .rlm");
}

// ---- info ------------------------------------------------------------------------------------

int infoCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    Document document;
    if (std::string message = openDocument(document, line.arguments[0]); !message.empty())
        return failure(err, "info", message);
    const World& world = document.world();

    std::size_t loads = 0;
    for (const Room& room : world.rooms)
        loads += room.loads.size();
    std::string repop = world.repopMode == 0 ? "Always Repop"
        : world.repopMode == 1               ? "No Players To Repop"
                                             : std::to_string(world.repopMode);

    out << "Zone Name: " << oneLine(world.zoneName) << '\n'
        << "Zone Number: " << world.zoneNumber << '\n'
        << "Repop Mode: " << repop << '\n'
        << "Zone Repop Time: " << world.repopTime << '\n'
        << "Start Item Num: " << world.startItemVnum << '\n'
        << "Start Mob Num: " << world.startMobVnum << '\n'
        << "Start Room Num: " << world.startRoomVnum << '\n'
        << "Max Room Num: " << world.maxRoomVnum << '\n'
        << "Rooms: " << world.rooms.size() << '\n'
        << "Mobs: " << world.mobs.size() << '\n'
        << "Items: " << world.items.size() << '\n'
        << "Shops: " << world.shops.size() << '\n'
        << "Load Actions: " << loads << '\n'
        << std::flush;
    return ExitOk;
}

// ---- dispatch --------------------------------------------------------------------------------

struct Command {
    const char* name;
    const char* help;
    std::vector<OptionSpec> options;
    std::size_t argumentCount;
    std::function<int(const CommandLine&, std::ostream&, std::ostream&)> run;
};

const std::vector<Command>& commands()
{
    static const std::vector<Command> list = {
        {"generate", kGenerateHelp, {{"out", true}, {"save", false}}, 1, generateCommand},
        {"import", kImportHelp, {{"answer", true}}, 2, importCommand},
        {"convert", kConvertHelp, {}, 2, convertCommand},
        {"info", kInfoHelp, {}, 1, infoCommand},
    };
    return list;
}

int dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kUsage << std::flush;
        return ExitFailed;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage << std::flush;
        return ExitOk;
    }
    const auto& list = commands();
    auto command = std::find_if(list.begin(), list.end(), [&](const Command& c) { return args[0] == c.name; });
    if (command == list.end()) {
        err << kProgram << ": unknown command '" << args[0] << "' (see " << kProgram << " --help)\n" << std::flush;
        return ExitFailed;
    }

    CommandLine line;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::string fault = parseCommandLine(rest, command->options, command->argumentCount, line);
        !fault.empty()) {
        err << kProgram << ' ' << command->name << ": " << fault << " (see " << kProgram << ' ' << command->name
            << " --help)\n"
            << std::flush;
        return ExitFailed;
    }
    if (line.help) {
        out << command->help << std::flush;
        return ExitOk;
    }
    return command->run(line, out, err);
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        return dispatch(args, out, err);
    } catch (const std::bad_alloc&) {
        err << kProgram << ": out of memory\n" << std::flush;
    } catch (const std::exception& error) {
        err << kProgram << ": " << flatten(error.what()) << '\n' << std::flush;
    } catch (...) {
        err << kProgram << ": unexpected failure\n" << std::flush;
    }
    return ExitFailed;
}

} // namespace tarnholt
