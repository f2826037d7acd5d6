#include "universe/TemplateLibrary.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>
#include <type_traits>
#include <utility>

#include "app/Questions.h"
#include "world/Archive.h"
#include "world/Files.h"

namespace tarnholt {

namespace {

constexpr const char* kFileName = "template.dat";
constexpr const char* kLoadFailed = "Unable to load template library.\nTemplates will not be available this session.";
constexpr const char* kSaveFailed = "Unable to save template library.";
constexpr int32_t kFileVersion = 1;

std::unique_ptr<TemplateLibrary>& programLibrary()
{
    static std::unique_ptr<TemplateLibrary> library;
    return library;
}

} // namespace

TemplateLibrary::TemplateLibrary(std::string directory)
    : directory_(std::move(directory))
    , items_("A Blank Item")
    , mobs_("A Blank Mob")
    , rooms_("A Blank Room")
{
    // Nothing can be said about a refusal here: the three names are distinct and the shelves empty.
    ScriptedQuestions silent;
    items_.add(Item(), items_.blankName(), silent);
    mobs_.add(Mob(), mobs_.blankName(), silent);
    rooms_.add(Room(), rooms_.blankName(), silent);
}

TemplateLibrary& TemplateLibrary::instance()
{
    auto& library = programLibrary();
    if (!library) {
        std::error_code error;
        std::filesystem::path here = std::filesystem::current_path(error);
        library = std::make_unique<TemplateLibrary>(error ? std::string() : here.string());
    }
    return *library;
}

void TemplateLibrary::release()
{
    programLibrary().reset();
}

std::string TemplateLibrary::filePath() const
{
    return joinPath(directory_, kFileName);
}

namespace {

template <typename Record>
void storeShelf(Archive& ar, const TemplateShelf<Record>& shelf)
{
    ar.writeInt(static_cast<int32_t>(shelf.size()));
    for (std::size_t i = 0; i < shelf.size(); ++i) {
        // Serialize works in both directions and so takes the record by reference.
        Record record = shelf.records()[i];
        record.Serialize(ar);
        ar.writeString(shelf.names()[i]);
    }
}

} // namespace

bool TemplateLibrary::load(Questions& questions)
{
    std::string data;
    if (readWholeFile(filePath(), data) != FileError::None || !readFrom(data)) {
        questions.message(kLoadFailed);
        return false;
    }
    return true;
}

bool TemplateLibrary::save(Questions& questions) const
{
    if (writeFileAtomically(filePath(), bytes()) != FileError::None) {
        questions.message(kSaveFailed);
        return false;
    }
    return true;
}

bool TemplateLibrary::readFrom(std::string_view data)
{
    // Read into fresh shelves and take them only when the whole library was read.
    TemplateShelf<Item> items(items_.blankName());
    TemplateShelf<Mob> mobs(mobs_.blankName());
    TemplateShelf<Room> rooms(rooms_.blankName());
    auto readShelf = [](Archive& ar, auto& shelf) {
        using Record = typename std::decay_t<decltype(shelf.records())>::value_type;
        // Each record takes at least its version's four bytes, so a huge count ends with the data.
        int32_t count = ar.readInt();
        for (int32_t i = 0; i < count; ++i) {
            Record record;
            record.Serialize(ar);
            std::string name = ar.readString();
            shelf.appendLoaded(std::move(record), std::move(name));
        }
    };
    try {
        Archive ar(data);
        ar.readInt(); // the version: every library so far has the same layout
        readShelf(ar, items);
        readShelf(ar, mobs);
        readShelf(ar, rooms);
    } catch (const std::exception&) {
        return false;
    }

    items.ensureBlank();
    mobs.ensureBlank();
    rooms.ensureBlank();
    items_ = std::move(items);
    mobs_ = std::move(mobs);
    rooms_ = std::move(rooms);
    return true;
}

std::string TemplateLibrary::bytes() const
{
    Archive ar;
    ar.writeInt(kFileVersion);
    storeShelf(ar, items_);
    storeShelf(ar, mobs_);
    storeShelf(ar, rooms_);
    return ar.takeData();
}

} // namespace tarnholt
