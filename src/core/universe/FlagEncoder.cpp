#include "universe/FlagEncoder.h"

#include <algorithm>
#include <array>
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

} // namespace

void FlagEncoder::openWords(const std::vector<FlagEntry>& table)
{
    for (const FlagEntry& entry : table)
        if (entry.field >= 0 && words_.size() <= static_cast<std::size_t>(entry.field))
            words_.resize(static_cast<std::size_t>(entry.field) + 1);
}

void FlagEncoder::addCodeOf(std::string_view name, const std::vector<FlagEntry>& table)
{
    auto it = std::find_if(table.begin(), table.end(), [&](const FlagEntry& e) { return e.name == name; });
    if (it != table.end() && it->field >= 0)
        words_[static_cast<std::size_t>(it->field)] += it->code;
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
                words_[static_cast<std::size_t>(entry.field)] += entry.code;
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
    decodeFlagWords(std::span<const std::string>(&word, 1), field, table, names, mode);
}

void decodeFlagWords(std::span<const std::string> words, int firstField, const std::vector<FlagEntry>& table,
                     std::vector<std::string>& names, FlagMode mode)
{
    // A record's words are decoded a few at a time. Codes are mostly single letters: the letters of
    // each word are marked once, and such a code is looked up among them instead of searched for.
    constexpr std::size_t kWordsAtOnce = 4;
    while (words.size() > kWordsAtOnce) {
        decodeFlagWords(words.first(kWordsAtOnce), firstField, table, names, mode);
        words = words.subspan(kWordsAtOnce);
        firstField += static_cast<int>(kWordsAtOnce);
    }
    std::array<std::bitset<256>, kWordsAtOnce> letters;
    for (std::size_t i = 0; i < words.size(); ++i)
        for (const char c : words[i])
            letters[i].set(static_cast<unsigned char>(c));

    // Entries of other fields are passed over. When the table lists its fields in order, one walk
    // gives the names field by field; otherwise each field takes a walk of its own.
    const auto wordOf = [&](const FlagEntry& entry) -> std::ptrdiff_t {
        const std::ptrdiff_t index = static_cast<std::ptrdiff_t>(entry.field) - firstField;
        return index >= 0 && index < static_cast<std::ptrdiff_t>(words.size()) ? index : -1;
    };
    bool inFieldOrder = true;
    std::ptrdiff_t previous = 0;
    for (const FlagEntry& entry : table) {
        const std::ptrdiff_t index = wordOf(entry);
        if (index < 0)
            continue;
        if (index < previous) {
            inFieldOrder = false;
            break;
        }
        previous = index;
    }

    // The matching names are gathered before they are appended, so the list grows once.
    std::array<const std::string*, 64> found;
    std::size_t count = 0;
    const auto flush = [&] {
        names.reserve(names.size() + count);
        for (std::size_t i = 0; i < count; ++i)
            names.push_back(*found[i]);
        count = 0;
    };
    const auto visit = [&](const FlagEntry& entry, std::size_t index) {
        const std::string& word = words[index];
        const bool contained = entry.code.size() == 1 ? letters[index].test(static_cast<unsigned char>(entry.code[0]))
                                                      : word.find(entry.code) != std::string::npos;
        if (contained != (mode == FlagMode::Set))
            return;
        if (count == found.size())
            flush();
        found[count++] = &entry.name;
    };
    if (inFieldOrder) {
        for (const FlagEntry& entry : table)
            if (const std::ptrdiff_t index = wordOf(entry); index >= 0)
                visit(entry, static_cast<std::size_t>(index));
    } else {
        for (std::size_t wanted = 0; wanted < words.size(); ++wanted)
            for (const FlagEntry& entry : table)
                if (wordOf(entry) == static_cast<std::ptrdiff_t>(wanted))
                    visit(entry, wanted);
    }
    flush();
}

bool wordContains(const std::string& word, const FlagEntry& entry, int field)
{
    return entry.field == field && word.find(entry.code) != std::string::npos;
}

} // namespace tarnholt
