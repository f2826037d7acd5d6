#pragma once

#include <string>
#include <string_view>

#include "items/Item.h"
#include "mobs/Mob.h"
#include "rooms/Room.h"
#include "universe/TemplateShelf.h"

namespace tarnholt {

class Questions;

/// The named starting points for new items, mobs and rooms, kept for the whole run of the program
/// in "template.dat" of the folder it was created for.
class TemplateLibrary {
public:
    /// A library of the three blank templates, whose file lives in `directory`.
    explicit TemplateLibrary(std::string directory);

    /// The program's library, created on the first call for the current directory.
    static TemplateLibrary& instance();
    /// Destroys the program's library (at exit, after saving it).
    static void release();

    TemplateShelf<Item>& items() { return items_; }
    const TemplateShelf<Item>& items() const { return items_; }
    TemplateShelf<Mob>& mobs() { return mobs_; }
    const TemplateShelf<Mob>& mobs() const { return mobs_; }
    TemplateShelf<Room>& rooms() { return rooms_; }
    const TemplateShelf<Room>& rooms() const { return rooms_; }

    const std::string& directory() const { return directory_; }
    /// The library's file: "template.dat" in its directory.
    std::string filePath() const;

    /// Replaces the templates with those of the file. When the file can not be read or is not a
    /// template library, says so and leaves the library as it was.
    bool load(Questions& questions);
    /// Writes the templates to the file (aside first, then renamed over it); says so on failure.
    bool save(Questions& questions) const;

    /// Replaces the templates with those of a template file's bytes; false, with the library left
    /// as it was, when the bytes are not a template library.
    bool readFrom(std::string_view bytes);
    /// The bytes of the template file.
    std::string bytes() const;

private:
    std::string directory_;
    TemplateShelf<Item> items_;
    TemplateShelf<Mob> mobs_;
    TemplateShelf<Room> rooms_;
};

} // namespace tarnholt
