#pragma once

#include <string>
#include <vector>

namespace tarnholt {

class Archive;
class LineReader;

/// Keyword entries with their descriptions (what a player sees looking at a noun), shared by
/// rooms, mobs and items. The two lists always have the same length; entries are unique.
class ExtraDescriptions {
public:
    std::vector<std::string> keywordList;
    std::vector<std::string> descriptionList;

    /// Replaces the description of `keywords`, or appends a new entry.
    void set(const std::string& keywords, const std::string& description);
    /// The description of `keywords`, or "" when there is no such entry.
    std::string get(const std::string& keywords) const;
    /// Removes the entry of `keywords`, if any.
    void remove(const std::string& keywords);

    void Serialize(Archive& ar);

    /// The "E" blocks of every entry whose keyword entry is not empty.
    void WriteAreaText(std::string& out) const;
    /// Reads one entry (keyword line, description lines up to "~") after an "E" line.
    /// False at an early end of data; nothing is added then.
    bool ReadAreaText(LineReader& in);

    bool operator==(const ExtraDescriptions&) const = default;
};

} // namespace tarnholt
