#include "universe/FlagEncoder.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <cstddef>

namespace tarnholt {

namespace {

// A decoder marks entries as the bits of a word, for lines of a few words.
constexpr std::size_t kMarkableEntries = 64;
constexpr std::size_t kMarkableWords = 8;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isBlankWord(const std::string& word)
{
    return std::all_of(word.begin(), word.end(), isBlank);
}

bool listHas(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// One more than the largest field index of the table: the words it needs.
std::size_t wordsNeeded(const std::vector<FlagEntry>& table)
{
    std::size_t words = 0;
    for (const FlagEntry& entry : table)
        if (entry.field >= 0)
            words = std::max(words, static_cast<std::size_t>(entry.field) + 1);
    return words;
}

} // namespace

void FlagEncoder::setTablesFixed(bool fixed)
{
    tablesFixed_ = fixed;
    knownTables_.clear();
}

void FlagEncoder::openWords(const std::vector<FlagEntry>& table)
{
    std::size_t words = 0;
    if (tablesFixed_) {
        auto known = std::find_if(knownTables_.begin(), knownTables_.end(), [&](const KnownTable& t) {
            return t.entries == table.data() && t.size == table.size();
        });
        if (known == knownTables_.end())
            known = knownTables_.insert(knownTables_.end(), {table.data(), table.size(), wordsNeeded(table)});
        words = known->words;
    } else {
        words = wordsNeeded(table);
    }
    openWords(words);
}

void FlagEncoder::openWords(std::size_t count)
{
    for (; open_ < count; ++open_) {
        if (open_ < words_.size())
            words_[open_].clear();
        else
            words_.emplace_back();
    }
}

void FlagEncoder::addCodeOf(std::string_view name, const std::vector<FlagEntry>& table)
{
    auto it = std::find_if(table.begin(), table.end(), [&](const FlagEntry& e) { return e.name == name; });
    if (it != table.end())
        addEntry(*it);
}

void FlagEncoder::addNames(const std::vector<std::string>& names, const std::vector<FlagEntry>& table, FlagMode mode)
{
    openWords(table);
    if (mode == FlagMode::Set) {
        for (const std::string& name : names)
            addCodeOf(name, table);
    } else {
        for (const FlagEntry& entry : table)
            if (entry.field >= 0 && !listHas(names, entry.name))
                addEntry(entry);
    }
}

void FlagEncoder::addName(std::string_view name, const std::vector<FlagEntry>& table)
{
    openWords(table);
    addCodeOf(name, table);
}

void FlagEncoder::addEntry(const FlagEntry& entry)
{
    if (entry.field < 0)
        return;
    // A word that no table has opened yet is opened here rather than written out of bounds.
    auto field = static_cast<std::size_t>(entry.field);
    if (open_ <= field)
        openWords(field + 1);
    if (entry.code.size() == 1)
        words_[field] += entry.code[0];
    else
        words_[field] += entry.code;
}

void FlagEncoder::output(std::string& line) const
{
    for (std::size_t i = 0; i < open_; ++i) {
        const std::string& word = words_[i];
        line += ' ';
        if (isBlankWord(word))
            line += '0';
        else
            line += word;
    }
    auto firstKept = std::find_if_not(line.begin(), line.end(), isBlank);
    line.erase(line.begin(), firstKept);
}

void decodeFlags(const std::string& word, const std::vector<FlagEntry>& table, int field,
                 std::vector<std::string>& names, FlagMode mode)
{
    // Codes are mostly single letters: the letters of the word are marked once, and such a code
    // is looked up among them instead of searched for in the word.
    std::bitset<256> letters;
    for (const char c : word)
        letters.set(static_cast<unsigned char>(c));
    for (const FlagEntry& entry : table) {
        if (entry.field != field)
            continue;
        const bool contained = entry.code.size() == 1 ? letters.test(static_cast<unsigned char>(entry.code[0]))
                                                      : word.find(entry.code) != std::string::npos;
        if (contained == (mode == FlagMode::Set))
            names.push_back(entry.name);
    }
}

FlagDecoder::FlagDecoder(const std::vector<FlagEntry>& table, std::size_t words) : table_(&table), wordCount_(words)
{
    marked_ = table.size() <= kMarkableEntries && words <= kMarkableWords;
    if (!marked_)
        return;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FlagEntry& entry = table[i];
        if (entry.field < 0 || static_cast<std::size_t>(entry.field) >= words)
            continue;
        const auto index = static_cast<std::size_t>(entry.field);
        if (fields_.size() <= index)
            fields_.resize(index + 1);
        Field& field = fields_[index];
        const std::uint64_t bit = std::uint64_t(1) << i;
        field.entries |= bit;
        if (entry.code.size() == 1)
            field.byLetter[static_cast<unsigned char>(entry.code[0])] |= bit;
        else
            field.otherCodes.push_back(i);
    }
}

void FlagDecoder::decode(std::span<const std::string> words, std::vector<std::string>& names, FlagMode mode) const
{
    if (!marked_) {
        for (std::size_t i = 0; i < std::min(words.size(), wordCount_); ++i)
            decodeFlags(words[i], *table_, static_cast<int>(i), names, mode);
        return;
    }
    const std::size_t count = std::min(words.size(), fields_.size());
    // The entries named, field by field, counted first so that the list grows once.
    std::array<std::uint64_t, kMarkableWords> named{};
    int total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Field& field = fields_[i];
        if (field.entries == 0)
            continue;
        const std::string& word = words[i];
        std::uint64_t contained = 0;
        for (const char c : word)
            contained |= field.byLetter[static_cast<unsigned char>(c)];
        for (const std::size_t entry : field.otherCodes)
            if (word.find((*table_)[entry].code) != std::string::npos)
                contained |= std::uint64_t(1) << entry;
        named[i] = mode == FlagMode::Set ? contained : field.entries & ~contained;
        total += std::popcount(named[i]);
    }
    if (total == 0)
        return;
    names.reserve(names.size() + static_cast<std::size_t>(total));
    for (std::size_t i = 0; i < count; ++i)
        for (std::uint64_t left = named[i]; left != 0; left &= left - 1)
            names.push_back((*table_)[static_cast<std::size_t>(std::countr_zero(left))].name);
}

bool wordContains(const std::string& word, const FlagEntry& entry, int field)
{
    return entry.field == field && word.find(entry.code) != std::string::npos;
}

} // namespace tarnholt
