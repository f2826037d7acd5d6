#include "universe/FlagEncoder.h"

#include <algorithm>
#include <bitset>
#include <cstddef>

namespace tarnholt {

namespace {

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
    if (words_.size() < words)
        words_.resize(words);
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
    if (words_.size() <= field)
        words_.resize(field + 1);
    words_[field] += entry.code;
}

void FlagEncoder::output(std::string& line) const
{
    for (const std::string& word : words_) {
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

void decodeFlagWords(std::span<const std::string> words, const std::vector<FlagEntry>& table,
                     std::vector<std::string>& names, FlagMode mode)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        decodeFlags(words[i], table, static_cast<int>(i), names, mode);
}

bool wordContains(const std::string& word, const FlagEntry& entry, int field)
{
    return entry.field == field && word.find(entry.code) != std::string::npos;
}

} // namespace tarnholt
