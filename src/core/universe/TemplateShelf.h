#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Questions.h"

namespace tarnholt {

/// The named templates of one kind (items, mobs or rooms) with the one that new records start
/// from. The first template is the blank one, which can not be removed.
template <typename Record>
class TemplateShelf {
public:
    explicit TemplateShelf(std::string blankName) : blankName_(std::move(blankName)) {}

    const std::string& blankName() const { return blankName_; }
    const std::vector<Record>& records() const { return records_; }
    const std::vector<std::string>& names() const { return names_; }
    std::size_t size() const { return records_.size(); }

    /// Appends a copy of `record` made as new (no vnum, no Identifier) under `name`; refused with a
    /// message when a template of this kind already bears that name.
    bool add(const Record& record, const std::string& name, Questions& questions)
    {
        if (std::find(names_.begin(), names_.end(), name) != names_.end()) {
            questions.message("A template with this name already exists.  Choose another.");
            return false;
        }
        Record copy;
        copy.copyAsNew(record);
        records_.push_back(std::move(copy));
        names_.push_back(name);
        return true;
    }

    /// The template named `name` (exact, case-sensitive); the blank one when none is.
    const Record& byName(std::string_view name) const
    {
        auto it = std::find(names_.begin(), names_.end(), name);
        return it == names_.end() ? records_.front() : records_[static_cast<std::size_t>(it - names_.begin())];
    }

    const Record& current() const { return records_[static_cast<std::size_t>(current_)]; }
    int32_t currentIndex() const { return current_; }
    /// Makes the template at `index` current; an index outside the shelf changes nothing.
    bool setCurrent(int32_t index)
    {
        if (!valid(index))
            return false;
        current_ = index;
        return true;
    }

    /// Removes the template at `index`, unless it is the blank one (a message then says so).
    /// The current template stays current when another one goes; removing it makes the blank
    /// one current.
    bool remove(int32_t index, Questions& questions)
    {
        if (!valid(index))
            return false;
        auto at = static_cast<std::size_t>(index);
        if (names_[at] == blankName_) {
            questions.message("You can not remove the blank template.");
            return false;
        }
        records_.erase(records_.begin() + index);
        names_.erase(names_.begin() + index);
        if (index == current_)
            current_ = 0;
        else if (index < current_)
            --current_;
        return true;
    }

private:
    friend class TemplateLibrary;

    bool valid(int32_t index) const { return index >= 0 && static_cast<std::size_t>(index) < records_.size(); }

    // Read from the template file: taken as it stands, duplicates included.
    void appendLoaded(Record&& record, std::string&& name)
    {
        records_.push_back(std::move(record));
        names_.push_back(std::move(name));
    }

    // A file without the blank template would leave nothing to fall back on, so it is put first.
    void ensureBlank()
    {
        if (std::find(names_.begin(), names_.end(), blankName_) != names_.end())
            return;
        Record blank;
        Record copy;
        copy.copyAsNew(blank);
        records_.insert(records_.begin(), std::move(copy));
        names_.insert(names_.begin(), blankName_);
    }

    std::string blankName_;
    std::vector<Record> records_;
    std::vector<std::string> names_;
    int32_t current_ = 0;
};

} // namespace tarnholt
