// Generation, save, open and import of seeded zones, each next to the plain file operation that
// moves the same bytes, and the memory an opened World takes next to its file. Prints the ratios.
//
//   zone_bench [--sizes=2000,20000,200000] [--import-records=50000] [--folder=DIR] [benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "SampleZone.h"
#include "app/LargePages.h"
#include "app/Questions.h"
#include "generate/Generator.h"
#include "map/Importer.h"
#include "universe/Universe.h"
#include "world/Document.h"
#include "world/Files.h"

using namespace tarnholt;
namespace fs = std::filesystem;

namespace {

std::vector<int> gSizes = {2000, 20000, 200000};
int gImportRecords = 50000;
fs::path gFolder;

/// One zone with its files on disk: the generated area files and the saved document.
struct Zone {
    int rooms = 0;
    Document document;
    fs::path folder;      // generation writes here
    fs::path rlm;         // the saved document
    fs::path copyTarget;  // the plain copy of the document goes here
    std::vector<std::pair<std::string, std::string>> areaFiles; // name, bytes as generated
};

std::map<int, std::unique_ptr<Zone>> gZones;

Zone& zoneOf(int rooms)
{
    auto& zone = gZones[rooms];
    if (zone)
        return *zone;
    zone = std::make_unique<Zone>();
    zone->rooms = rooms;
    zone->folder = gFolder / ("zone" + std::to_string(rooms));
    fs::create_directories(zone->folder);
    zone->rlm = zone->folder / "zone.rlm";
    zone->copyTarget = zone->folder / "copy.rlm";
    zone->document.world() = sample::makeZone(rooms, static_cast<uint32_t>(rooms));
    if (!zone->document.save(zone->rlm.string()).empty())
        throw std::runtime_error("cannot save " + zone->rlm.string());
    // A first run gives the vnums; later runs write the same bytes.
    ScriptedQuestions questions;
    GenerateResult result = Generator(zone->document.universe(), zone->document.world())
                                .generate(zone->folder.string(), questions);
    if (!result.written)
        throw std::runtime_error("generation failed: " + result.message);
    if (!zone->document.save(zone->rlm.string()).empty())
        throw std::runtime_error("cannot save " + zone->rlm.string());
    for (const std::string& path : result.files) {
        std::string bytes;
        readWholeFile(path, bytes);
        zone->areaFiles.emplace_back(fileNameOf(path), std::move(bytes));
    }
    return *zone;
}

int iterationsFor(int rooms) { return rooms <= 2000 ? 20 : rooms <= 20000 ? 6 : 2; }

// ---- generation ------------------------------------------------------------------------------

void BM_Generate(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    ScriptedQuestions questions;
    std::size_t bytes = 0;
    for (auto _ : state) {
        GenerateResult result =
            Generator(zone.document.universe(), zone.document.world()).generate(zone.folder.string(), questions);
        if (!result.written)
            state.SkipWithError("generation failed");
        benchmark::DoNotOptimize(result);
    }
    for (const auto& file : zone.areaFiles)
        bytes += file.second.size();
    state.SetBytesProcessed(static_cast<int64_t>(bytes * state.iterations()));
}

// The same bytes into the same folder with buffered stdio writes: the floor for generation.
void writePlain(Zone& zone, bool sync)
{
    for (const auto& [name, bytes] : zone.areaFiles) {
        const std::string path = (zone.folder / ("plain-" + name)).string();
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            throw std::runtime_error("cannot write " + path);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        if (sync)
            ::fsync(fileno(file));
        std::fclose(file);
    }
}

void BM_GenerateFloor(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        writePlain(zone, false);
}

void BM_GenerateFloorSynced(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        writePlain(zone, true);
}

// ---- save and open ---------------------------------------------------------------------------

void BM_Save(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!zone.document.save(zone.rlm.string()).empty())
            state.SkipWithError("save failed");
    }
}

void BM_Open(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Document document;
        if (!document.open(zone.rlm.string()).empty())
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(document.world().rooms.data());
        // Closing the World is part of the next open in the program; here it is outside the figure.
        state.PauseTiming();
        document.newDocument();
        state.ResumeTiming();
    }
}

// Copying the document with a plain read/write loop: the floor for save and open.
void copyFile(const fs::path& from, const fs::path& to, bool sync = false)
{
    int in = ::open(from.c_str(), O_RDONLY);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0)
        throw std::runtime_error("cannot copy " + from.string());
    static char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n <= 0)
            break;
        if (::write(out, buffer, static_cast<std::size_t>(n)) != n)
            throw std::runtime_error("cannot write " + to.string());
    }
    if (sync)
        ::fsync(out);
    ::close(in);
    ::close(out);
}

void BM_Copy(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        copyFile(zone.rlm, zone.copyTarget);
    state.SetBytesProcessed(static_cast<int64_t>(fs::file_size(zone.rlm) * state.iterations()));
}

// The same copy flushed to disk, as every save of the program is.
void BM_CopySynced(benchmark::State& state)
{
    Zone& zone = zoneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        copyFile(zone.rlm, zone.copyTarget, true);
}

// ---- import ----------------------------------------------------------------------------------

fs::path importFile(ImportKind kind)
{
    const fs::path path = gFolder / (kind == ImportKind::Items ? "import.obj" : "import.mob");
    if (!fs::exists(path)) {
        const std::string text = kind == ImportKind::Items ? sample::makeItemFile(gImportRecords, 77)
                                                           : sample::makeMobFile(gImportRecords, 78);
        if (writeFileAtomically(path.string(), text) != FileError::None)
            throw std::runtime_error("cannot write " + path.string());
    }
    return path;
}

void BM_Import(benchmark::State& state)
{
    const auto kind = static_cast<ImportKind>(state.range(0));
    const std::string path = importFile(kind).string();
    Universe universe;
    ScriptedQuestions questions;
    for (auto _ : state) {
        auto world = std::make_unique<World>();
        ImportResult result = importAreaFile(path, *world, universe, questions, kind);
        if (result.appended != gImportRecords || !result.endMarker)
            state.SkipWithError("import stopped early");
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
}

// Reading the same file line by line with the standard library: the floor for import.
void BM_ImportFloor(benchmark::State& state)
{
    const auto kind = static_cast<ImportKind>(state.range(0));
    const fs::path path = importFile(kind);
    for (auto _ : state) {
        std::ifstream in(path);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

// ---- the ratio table -------------------------------------------------------------------------

/// Keeps the times of every run, by name, next to the console output. The program repeats each
/// benchmark (three times unless told otherwise), with the repetitions of all of them in random
/// order, and the table takes the median of each: a moment when the machine is slow then moves one
/// figure of a pair, not the ratio of the whole row.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                // Both reported in milliseconds.
                wall[run.benchmark_name()].push_back(run.GetAdjustedRealTime() / 1e3);
                cpu[run.benchmark_name()].push_back(run.GetAdjustedCPUTime() / 1e3);
            }
    }
    std::map<std::string, std::vector<double>> wall;
    std::map<std::string, std::vector<double>> cpu;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? std::nan("") : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Memory {
    long rssBeforeKb = 0;
    long peakKb = 0;
    long rssAfterKb = 0;
};

long statusValueKb(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t keyLength = std::strlen(key);
    while (std::getline(in, line))
        if (line.compare(0, keyLength, key) == 0)
            return std::stol(line.substr(keyLength + 1));
    return -1;
}

// Run in a fresh process (so no memory freed earlier is reused): opens the document and prints
// the resident size before, the peak while opening and the resident size after.
int measureOpen(const char* path)
{
    const long before = statusValueKb("VmRSS");
    Document document;
    const std::string message = document.open(path);
    if (!message.empty()) {
        std::cerr << message << "\n";
        return 1;
    }
    std::cout << before << " " << statusValueKb("VmHWM") << " " << statusValueKb("VmRSS") << "\n";
    return 0;
}

Memory memoryOfOpen(const fs::path& rlm)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::execl("/proc/self/exe", "zone_bench", "--measure-open", rlm.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    ::waitpid(pid, nullptr, 0);
    Memory memory;
    std::istringstream(text) >> memory.rssBeforeKb >> memory.peakKb >> memory.rssAfterKb;
    return memory;
}

void printTable(const RatioReporter& times)
{
    auto ratio = [](const std::map<std::string, std::vector<double>>& times, const std::string& what,
                    const std::string& floor) {
        auto a = times.find(what);
        auto b = times.find(floor);
        return a == times.end() || b == times.end() ? std::nan("") : median(a->second) / median(b->second);
    };

    std::printf("\nRatios: Tarnholt / the plain operation on the same bytes, as wall time (cpu time),\n"
                "medians of the repetitions\n");
    std::printf("%-30s", "rooms");
    for (int size : gSizes)
        std::printf("%18d", size);
    std::printf("   target\n");
    struct Row {
        const char* label;
        const char* what;
        const char* floor;
        const char* target;
    };
    const Row rows[] = {
        {"generate / buffered writes", "BM_Generate", "BM_GenerateFloor", "<= 2"},
        {"generate / writes + fsync", "BM_Generate", "BM_GenerateFloorSynced", "(durable floor)"},
        {"save / file copy", "BM_Save", "BM_Copy", "<= 2"},
        {"save / file copy + fsync", "BM_Save", "BM_CopySynced", "(durable floor)"},
        {"open / file copy", "BM_Open", "BM_Copy", "<= 5"},
    };
    std::vector<double> generate;
    for (const Row& row : rows) {
        std::printf("%-30s", row.label);
        for (int size : gSizes) {
            const std::string suffix = "/" + std::to_string(size) + "/iterations:" + std::to_string(iterationsFor(size))
                + "/process_time/real_time";
            const double wall = ratio(times.wall, row.what + suffix, row.floor + suffix);
            const double cpu = ratio(times.cpu, row.what + suffix, row.floor + suffix);
            if (row.floor == std::string("BM_GenerateFloor"))
                generate.push_back(wall);
            std::printf("%10.2f (%5.2f)", wall, cpu);
        }
        std::printf("   %s\n", row.target);
    }
    if (gSizes.size() >= 2) {
        const double decades = std::log10(static_cast<double>(gSizes.back()) / gSizes.front());
        std::printf("generate ratio slope: %+.2f per tenfold size (wall %.2f at %d rooms, %.2f at %d rooms)\n",
                    (generate.back() - generate.front()) / decades, generate.front(), gSizes.front(), generate.back(),
                    gSizes.back());
    }

    const std::string importSuffix = "/iterations:3/real_time";
    for (int kind : {0, 1}) {
        const std::string label = std::string(kind == 0 ? "import .obj" : "import .mob") + " / reading lines";
        const std::string what = "BM_Import/" + std::to_string(kind) + importSuffix;
        const std::string floor = "BM_ImportFloor/" + std::to_string(kind) + importSuffix;
        std::printf("%-30s%10.2f (%5.2f)   <= 3 (%d records)\n", label.c_str(), ratio(times.wall, what, floor),
                    ratio(times.cpu, what, floor), gImportRecords);
    }

    const int largest = gSizes.back();
    const fs::path rlm = zoneOf(largest).rlm;
    const double fileMb = static_cast<double>(fs::file_size(rlm)) / (1024.0 * 1024.0);
    const Memory memory = memoryOfOpen(rlm);
    const double peakMb = (memory.peakKb - memory.rssBeforeKb) / 1024.0;
    const double heldMb = (memory.rssAfterKb - memory.rssBeforeKb) / 1024.0;
    std::printf("open %d-room World: peak %.1f MiB, held %.1f MiB, .rlm %.1f MiB\n", largest, peakMb, heldMb,
                fileMb);
    std::printf("%-30s%10.2f           <= 6\n", "peak memory / .rlm size", peakMb / fileMb);
    std::printf("%-30s%10.2f\n", "held memory / .rlm size", heldMb / fileMb);
}

std::vector<int> parseSizes(const std::string& text)
{
    std::vector<int> sizes;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ','))
        sizes.push_back(std::stoi(part));
    return sizes;
}

} // namespace

int main(int argc, char** argv)
{
    // As the editor and the command-line tool do at start.
    preferLargePages(argv);
    if (argc == 3 && std::strcmp(argv[1], "--measure-open") == 0)
        return measureOpen(argv[2]);

    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--sizes=", 0) == 0)
            gSizes = parseSizes(arg.substr(8));
        else if (arg.rfind("--import-records=", 0) == 0)
            gImportRecords = std::stoi(arg.substr(17));
        else if (arg.rfind("--folder=", 0) == 0)
            gFolder = arg.substr(9);
        else
            rest.push_back(argv[i]);
    }
    bool ownFolder = false;
    if (gFolder.empty()) {
        gFolder = fs::temp_directory_path() / ("tarnholt-bench-" + std::to_string(::getpid()));
        ownFolder = true;
    }
    fs::create_directories(gFolder);

    for (int size : gSizes) {
        const int n = iterationsFor(size);
        for (auto* b : {benchmark::RegisterBenchmark("BM_Generate", BM_Generate),
                        benchmark::RegisterBenchmark("BM_GenerateFloor", BM_GenerateFloor),
                        benchmark::RegisterBenchmark("BM_GenerateFloorSynced", BM_GenerateFloorSynced),
                        benchmark::RegisterBenchmark("BM_Save", BM_Save),
                        benchmark::RegisterBenchmark("BM_Open", BM_Open),
                        benchmark::RegisterBenchmark("BM_Copy", BM_Copy),
                        benchmark::RegisterBenchmark("BM_CopySynced", BM_CopySynced)})
            // Generation makes the room files on a second thread: CPU time is that of the whole process.
            b->Arg(size)->Iterations(n)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
    }
    for (int kind : {0, 1}) {
        benchmark::RegisterBenchmark("BM_Import", BM_Import)->Arg(kind)->Iterations(3)->UseRealTime()->Unit(
            benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_ImportFloor", BM_ImportFloor)
            ->Arg(kind)
            ->Iterations(3)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }

    std::string repetitions = "--benchmark_repetitions=3";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    const bool repetitionsGiven = std::any_of(rest.begin(), rest.end(), [](const char* arg) {
        return std::string_view(arg).rfind("--benchmark_repetitions=", 0) == 0;
    });
    if (!repetitionsGiven) {
        rest.push_back(repetitions.data());
        rest.push_back(interleaving.data());
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter);
    benchmark::Shutdown();

    gZones.clear();
    if (ownFolder)
        fs::remove_all(gFolder);
    return 0;
}
