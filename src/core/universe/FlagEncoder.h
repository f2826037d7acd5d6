#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "universe/FlagEntry.h"

namespace tarnholt {

/// Builds the flag words of an area-file line: one word per field index, each the concatenated
/// codes of the entries that belong to that field.
class FlagEncoder {
public:
    void reset() { open_ = 0; }
    /// Adds words until every field index of `table` has one, then appends the codes of the names
    /// (mode Set: each listed name, first match; mode Inverted: each table entry not listed).
    void addNames(const std::vector<std::string>& names, const std::vector<FlagEntry>& table, FlagMode mode);
    /// The same for one name in mode Set.
    void addName(std::string_view name, const std::vector<FlagEntry>& table);
    /// Appends the code of one entry to the word of its field (the word must already exist).
    void addEntry(const FlagEntry& entry);
    /// Appends " word" per field ("0" for an empty or blank word), then strips leading blanks of `line`.
    void output(std::string& line) const;

    /// The words of the line so far.
    std::vector<std::string> words() const
    {
        return {words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(open_)};
    }

    /// While set, the tables given are taken to stay as they are (a generation run), so the number
    /// of words each needs is worked out once instead of for every record. Clearing it forgets them.
    void setTablesFixed(bool fixed);

private:
    /// Adds words until every field index of `table` has one.
    void openWords(const std::vector<FlagEntry>& table);
    /// Adds empty words until there are `count`.
    void openWords(std::size_t count);
    void addCodeOf(std::string_view name, const std::vector<FlagEntry>& table);

    // The first `open_` words are the line's; the strings after them are kept for their memory.
    std::vector<std::string> words_;
    std::size_t open_ = 0;

    struct KnownTable {
        const FlagEntry* entries;
        std::size_t size;
        std::size_t words;
    };
    bool tablesFixed_ = false;
    std::vector<KnownTable> knownTables_;
};

/// Flag decoder: for every entry of `table` with the given field, appends its name to `names` when
/// `word` contains its code (mode Set) or does not (mode Inverted).
void decodeFlags(const std::string& word, const std::vector<FlagEntry>& table, int field,
                 std::vector<std::string>& names, FlagMode mode);

/// Decodes the flag words of many lines against one table, which entries each letter names being
/// worked out once. For the words of a line (`words[i]` the word of field i) it gives what
/// decodeFlags gives for each word in turn: the names field by field, each field's in table order.
/// The table must outlive the decoder and stay as it is meanwhile.
class FlagDecoder {
public:
    /// `words`: how many words the lines have; entries of later fields are never named.
    FlagDecoder(const std::vector<FlagEntry>& table, std::size_t words);

    void decode(std::span<const std::string> words, std::vector<std::string>& names, FlagMode mode) const;

private:
    // The entries of one field, as bits numbered by their place in the table.
    struct Field {
        std::array<std::uint64_t, 256> byLetter{}; // entries whose code is that one letter
        std::vector<std::size_t> otherCodes;       // entries whose code is not one letter
        std::uint64_t entries = 0;
    };

    const std::vector<FlagEntry>* table_;
    std::size_t wordCount_;
    bool marked_ = false;       // false for a table too long to mark: its words are decoded in turn
    std::vector<Field> fields_; // up to the last field with an entry
};

/// True when the entry belongs to `field` and `word` contains its code.
bool wordContains(const std::string& word, const FlagEntry& entry, int field);

} // namespace tarnholt
