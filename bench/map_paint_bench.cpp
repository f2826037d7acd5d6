// One paint of a 1600 x 1000 view at the centre of zones of growing size, against the paint of the same
// view of an empty World: once on a surface that draws nothing (the map code alone), and, when the
// editor is built, as the view paints it, through QPainter into a 1600 x 1000 window-sized image.
// Only what reaches the view is drawn, so the time stays the same whatever the zone's size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "map/MapIndex.h"
#include "map/MapPainter.h"
#include "map/Surface.h"
#include "rooms/Room.h"
#include "settings/DisplaySettings.h"
#include "world/World.h"

#ifdef TARNHOLT_PAINT_RASTER
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include "app/CRecordFinder.h"
#include "app/Questions.h"
#include "map/PainterSurface.h"
#include "universe/ComboFill.h"
#endif

using namespace tarnholt;

namespace {

/// Takes every call and draws nothing; counts them so that none is optimised away.
class NullSurface : public Surface {
public:
    void save() override {}
    void restore() override {}
    void setPen(const Pen&) override { ++calls; }
    void setBrush(const Brush&) override { ++calls; }
    void setTextColor(Color) override {}
    void setTextTransparent(bool) override {}
    void drawRectangle(const Rect&) override { ++calls; }
    void drawEllipse(const Rect&) override { ++calls; }
    void drawLine(Point, Point) override { ++calls; }
    void drawText(const Rect&, const std::string& text) override { calls += text.size(); }
    void drawInvertedLine(Point, Point) override { ++calls; }
    std::size_t calls = 0;
};

// Side facing a room that lies in direction d of its neighbour (North faces South...).
constexpr int facing[10] = {2, 3, 0, 1, 5, 4, 8, 9, 6, 7};
constexpr int stepColumn[10] = {0, 1, 0, -1, 0, 0, 1, 1, -1, -1};
constexpr int stepRow[10] = {-1, 0, 1, 0, 0, 0, -1, 1, 1, -1};

std::string numbered(char prefix, std::size_t number)
{
    std::string text = std::to_string(number);
    text.insert(text.begin(), prefix);
    return text;
}

struct Zone {
    World world;
    MapIndex index;
    Rect view;
};

// Identifiers that wrap in their box, some beyond its height, with the characters a name may hold.
const char* const longNames[] = {
    " the long winding corridor of the old keep",
    " Great Hall",
    " a very-very-long-word-that-does-not-fit",
    " Smith & Sons' forge, by the river\tgate",
    " caf\xe9 \x9c na\xefve r\xe9sum\xe9 \xa9",
    " first line\nsecond line\r\nthird",
    " one two three four five six seven eight nine ten eleven twelve",
    "",
};

/// A zone of `rooms` rooms on a square of cells with a few holes, each room with 2 to 4 exits to
/// neighbouring cells, mostly two-way, some with doors, some one-way, now and then to a missing "#" room.
/// With `wrapping`, the Identifiers are long names that wrap in the box.
std::unique_ptr<Zone> makeZone(int rooms, bool wrapping = false)
{
    auto zone = std::make_unique<Zone>();
    std::mt19937 random(20240601u + static_cast<unsigned>(rooms));
    const int side = std::max(1, static_cast<int>(std::ceil(std::sqrt(rooms / 0.85))));
    std::vector<int> cellRoom(static_cast<std::size_t>(side) * side, -1);
    World& world = zone->world;
    world.rooms.reserve(static_cast<std::size_t>(rooms));
    for (int cell = 0; cell < side * side && static_cast<int>(world.rooms.size()) < rooms; ++cell) {
        if (random() % 100 < 12 && side * side - cell > rooms - static_cast<int>(world.rooms.size()))
            continue;
        Room room;
        room.column = cell % side;
        room.row = cell / side;
        room.identifier = numbered('R', world.rooms.size());
        if (wrapping)
            room.identifier += longNames[world.rooms.size() % std::size(longNames)];
        cellRoom[static_cast<std::size_t>(cell)] = static_cast<int>(world.rooms.size());
        world.rooms.push_back(std::move(room));
    }
    const int planar[8] = {0, 1, 2, 3, 6, 7, 8, 9};
    for (Room& room : world.rooms) {
        const int wanted = 2 + static_cast<int>(random() % 3);
        for (int tries = 0, made = 0; tries < 12 && made < wanted; ++tries) {
            const int d = planar[random() % 8];
            Exit& exit = room.exits.edit(static_cast<std::size_t>(d));
            if (!exit.target.empty())
                continue;
            const int c = room.column + stepColumn[d], r = room.row + stepRow[d];
            if (random() % 50 == 0) {
                exit.target = numbered('#', 90000 + random() % 1000);
                exit.placement = 9;
                ++made;
                continue;
            }
            if (c < 0 || r < 0 || c >= side || r >= side || cellRoom[static_cast<std::size_t>(r * side + c)] < 0)
                continue;
            Room& other = world.rooms[static_cast<std::size_t>(cellRoom[static_cast<std::size_t>(r * side + c)])];
            exit.target = other.identifier;
            exit.placement = facing[d];
            exit.resetState = static_cast<int32_t>(random() % 6 == 0 ? 1 + random() % 3 : 0);
            Exit& back = other.exits.edit(static_cast<std::size_t>(facing[d]));
            if (back.target.empty() && random() % 8 != 0) {
                back.target = room.identifier;
                back.placement = d;
            }
            ++made;
        }
    }
    zone->index.rebuild(world);
    // The centre of the square of cells, shown in the middle of the view.
    const int64_t centre = MapGeometry::origin + MapGeometry::pitch * side / 2;
    zone->view = {centre - 800, centre - 500, centre + 800, centre + 500};
    return zone;
}

Zone& zoneOf(int rooms, bool wrapping = false)
{
    static std::map<std::pair<int, bool>, std::unique_ptr<Zone>> zones;
    auto& zone = zones[{rooms, wrapping}];
    if (!zone)
        zone = makeZone(rooms, wrapping);
    return *zone;
}

/// What one benchmark paints: the zone of its first argument, or (second argument 1) an empty World
/// shown at the same place.
struct ViewCase {
    explicit ViewCase(const benchmark::State& state, bool wrapping = false)
        : zone(zoneOf(static_cast<int>(state.range(0)), wrapping)), blank(state.range(1) != 0)
    {
        emptyIndex.rebuild(empty);
    }
    const World& world() const { return blank ? empty : zone.world; }
    const MapIndex& index() const { return blank ? emptyIndex : zone.index; }
    int rooms() const { return blank ? 0 : static_cast<int>(zone.world.rooms.size()); }

    Zone& zone;
    bool blank;
    World empty;
    MapIndex emptyIndex;
};

void viewArgs(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"rooms", "empty"});
    for (int rooms : {2'000, 20'000, 200'000})
        bench->Args({rooms, 1})->Args({rooms, 0});
    bench->Unit(benchmark::kMicrosecond);
}

void BM_PaintView(benchmark::State& state)
{
    const ViewCase view(state);
    DisplaySettings settings;
    MapPainter painter(settings);
    NullSurface surface;
    for (auto _ : state) {
        painter.draw(surface, view.world(), view.index(), view.zone.view);
        benchmark::DoNotOptimize(surface.calls);
    }
    state.counters["rooms"] = view.rooms();
}

BENCHMARK(BM_PaintView)->Apply(viewArgs);

// What the view does before the next paint after any change to the World: the index made again.
void BM_IndexRebuild(benchmark::State& state)
{
    const World& world = zoneOf(static_cast<int>(state.range(0))).world;
    MapIndex index;
    for (auto _ : state) {
        index.rebuild(world);
        benchmark::DoNotOptimize(index.items().data());
    }
}

BENCHMARK(BM_IndexRebuild)->ArgName("rooms")->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef TARNHOLT_PAINT_RASTER
// The view's own paint: the background filled, the view's scroll position as the painter's origin,
// the map drawn through PainterSurface into an image the size of the window.
void paintRaster(QImage& image, MapPainter& mapPainter, const World& world, const MapIndex& index, const Rect& area)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    painter.translate(-static_cast<int>(area.left), -static_cast<int>(area.top));
    PainterSurface surface(painter);
    mapPainter.draw(surface, world, index, area);
    painter.end();
}

QImage viewImage(const Rect& area)
{
    return QImage(static_cast<int>(area.right - area.left), static_cast<int>(area.bottom - area.top),
                  QImage::Format_ARGB32_Premultiplied);
}

void rasterCase(benchmark::State& state, bool wrapping)
{
    const ViewCase view(state, wrapping);
    DisplaySettings settings;
    MapPainter mapPainter(settings);
    QImage image = viewImage(view.zone.view);
    for (auto _ : state) {
        paintRaster(image, mapPainter, view.world(), view.index(), view.zone.view);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rooms"] = view.rooms();
}

void BM_PaintRaster(benchmark::State& state)
{
    rasterCase(state, false);
}

BENCHMARK(BM_PaintRaster)->Apply(viewArgs);

// The same with Identifiers long enough to wrap over several lines of their box.
void BM_PaintRasterLongNames(benchmark::State& state)
{
    rasterCase(state, true);
}

BENCHMARK(BM_PaintRasterLongNames)->ArgNames({"rooms", "empty"})->Args({20'000, 0})->Unit(benchmark::kMicrosecond);

// The room list of a room editor's pages (exits, moving room): every room of the zone in a drop-down
// list, with the last room selected.
void BM_RoomList(benchmark::State& state)
{
    const World& world = zoneOf(static_cast<int>(state.range(0))).world;
    for (auto _ : state) {
        QComboBox combo;
        ComboFill::rooms(&combo, world, world.rooms.back().identifier);
        benchmark::DoNotOptimize(combo.currentIndex());
    }
}

BENCHMARK(BM_RoomList)->ArgName("rooms")->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// The "More..." list of every room's Identifier, opened and narrowed by one typed letter that most of
// them contain.
void BM_RecordFinder(benchmark::State& state)
{
    const World& world = zoneOf(static_cast<int>(state.range(0))).world;
    std::vector<std::pair<int, std::string>> entries;
    for (std::size_t i = 0; i < world.rooms.size(); ++i)
        entries.emplace_back(static_cast<int>(i), world.rooms[i].identifier);
    ScriptedQuestions questions;
    for (auto _ : state) {
        CRecordFinder finder(QStringLiteral("Edit Existing Room"), entries, questions);
        finder.findField()->setText(QStringLiteral("1"));
        benchmark::DoNotOptimize(finder.list());
    }
}

BENCHMARK(BM_RecordFinder)->ArgName("rooms")->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

/// Paints the view `count` times; a profiler that counts the instructions of this function alone
/// (valgrind --tool=callgrind --toggle-collect='*repaint*') gets the cost of a paint without the
/// noise of a busy machine.
[[gnu::noinline]] void repaint(QImage& image, MapPainter& mapPainter, const World& world, const MapIndex& index,
                               const Rect& area, int count)
{
    for (int i = 0; i < count; ++i)
        paintRaster(image, mapPainter, world, index, area);
}

/// The pictures of the views the benchmarks paint, written to a folder as PNG files (--write-images)
/// or compared with the ones found there (--compare-images): a change that makes the paint faster
/// must leave every pixel as it was. `only` picks one picture by its file name; `repaints` is how
/// often it is painted again after the first paint. Returns the process exit code.
int paintImages(const QString& folder, bool compare, const std::string& only, int repaints)
{
    struct Picture {
        const char* file;
        int rooms;
        bool wrapping;
        bool blank;
    };
    const Picture pictures[] = {
        {"zone2000.png", 2'000, false, false},     {"zone20000.png", 20'000, false, false},
        {"zone200000.png", 200'000, false, false}, {"empty.png", 20'000, false, true},
        {"long20000.png", 20'000, true, false},    {"long2000.png", 2'000, true, false},
    };
    DisplaySettings settings;
    int failures = 0;
    for (const Picture& picture : pictures) {
        if (!only.empty() && only != picture.file)
            continue;
        const Zone& zone = zoneOf(picture.rooms, picture.wrapping);
        World empty;
        MapIndex emptyIndex;
        emptyIndex.rebuild(empty);
        MapPainter mapPainter(settings);
        QImage image = viewImage(zone.view);
        // Painted again, so that a later paint (with whatever the first one left behind) is the one compared.
        const World& world = picture.blank ? empty : zone.world;
        const MapIndex& index = picture.blank ? emptyIndex : zone.index;
        paintRaster(image, mapPainter, world, index, zone.view);
        repaint(image, mapPainter, world, index, zone.view, repaints);
        const QString path = folder + QLatin1Char('/') + QLatin1String(picture.file);
        if (!compare) {
            if (!image.save(path)) {
                std::printf("cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("wrote %s\n", qPrintable(path));
            continue;
        }
        const QImage reference = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const QImage painted = image.convertToFormat(QImage::Format_ARGB32);
        if (reference.isNull() || reference.size() != painted.size()) {
            std::printf("%s: no reference of the same size\n", qPrintable(path));
            ++failures;
            continue;
        }
        long differing = 0;
        QRect where;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                if (painted.pixel(x, y) != reference.pixel(x, y)) {
                    ++differing;
                    where |= QRect(x, y, 1, 1);
                }
        std::printf("%s: %s, %ld pixels differ", qPrintable(path), painted == reference ? "identical" : "DIFFERENT",
                    differing);
        if (differing)
            std::printf(" within (%d,%d)-(%d,%d)", where.left(), where.top(), where.right(), where.bottom());
        std::printf("\n");
        if (differing || painted != reference)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
#endif

/// Prints the usual table, then each zone's paint as a ratio to the empty World's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With --benchmark_repetitions, the least disturbed repetition of each case counts.
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            auto [at, added] = times_.emplace(run.benchmark_name(), run.GetAdjustedCPUTime());
            if (!added)
                at->second = std::min(at->second, run.GetAdjustedCPUTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        printTable("BM_PaintView", "null surface: the map code alone");
        printTable("BM_PaintRaster", "QPainter into a 1600x1000 image, as the view paints");
    }

private:
    void printTable(const std::string& name, const char* what) const
    {
        if (times_.find(name + "/rooms:2000/empty:0") == times_.end())
            return;
        std::printf("\nOne paint of a 1600x1000 view at the zone centre (CPU time, %s):\n", what);
        std::printf("%10s %12s %12s %14s %16s\n", "rooms", "zone (us)", "empty (us)", "zone / empty",
                    "zone / 2k zone");
        double smallest = 0;
        for (int rooms : {2'000, 20'000, 200'000}) {
            const std::string prefix = name + "/rooms:" + std::to_string(rooms);
            auto zone = times_.find(prefix + "/empty:0");
            auto empty = times_.find(prefix + "/empty:1");
            if (zone == times_.end() || empty == times_.end() || empty->second <= 0)
                continue;
            if (smallest == 0)
                smallest = zone->second;
            std::printf("%10d %12.2f %12.2f %14.2f %16.2f\n", rooms, zone->second, empty->second,
                        zone->second / empty->second, zone->second / smallest);
        }
    }

    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
#ifdef TARNHOLT_PAINT_RASTER
    // Fonts, images and the drop-down list need the application object; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // --write-images=FOLDER or --compare-images=FOLDER, with --only=FILE and --repaints=N.
    std::string folder, only;
    bool compare = false;
    int repaints = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto value = [&option](const char* name) {
            return option.rfind(name, 0) == 0 ? std::optional(option.substr(std::strlen(name))) : std::nullopt;
        };
        if (auto v = value("--write-images="))
            folder = *v;
        else if (auto v = value("--compare-images="))
            folder = *v, compare = true;
        else if (auto v = value("--only="))
            only = *v;
        else if (auto v = value("--repaints="))
            repaints = std::max(0, std::atoi(v->c_str()));
    }
    if (!folder.empty())
        return paintImages(QString::fromLocal8Bit(folder), compare, only, repaints);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
