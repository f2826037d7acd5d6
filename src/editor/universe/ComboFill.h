#pragma once

#include <string>
#include <vector>

class QComboBox;

namespace tarnholt {

struct FlagEntry;
class World;

/// The drop-down lists that name a record or a Universe entry.
///
/// Each filler empties the list, puts an empty entry first and then one entry per source element
/// in source order, and selects the current value: the entry equal to it (exact, case-sensitive)
/// when there is one, else the first entry that begins with it ignoring case. A value that no
/// entry matches (a reference to a deleted record or to a "#" vnum outside the zone) is added as
/// a last entry and selected, so that reading the list back never drops or repoints it.
class ComboFill {
public:
    /// Returns how many entries the list holds before any added last entry (the empty one included).
    static int fill(QComboBox* combo, const std::vector<std::string>& entries, const std::string& current);
    /// Selects `current` in a list whose first `listed` entries a filler made, without making the
    /// list again: a last entry added for an earlier value is removed first.
    static void select(QComboBox* combo, int listed, const std::string& current);

    static void items(QComboBox* combo, const World& world, const std::string& current);
    /// Only the items whose type is "Key".
    static void keys(QComboBox* combo, const World& world, const std::string& current);
    static void mobs(QComboBox* combo, const World& world, const std::string& current);
    static void rooms(QComboBox* combo, const World& world, const std::string& current);
    /// The same lists for a page that is shown again and again while its editor is open, when the
    /// records cannot change: the list is made the first time (`listed` < 0, then set to what `fill`
    /// returned) and afterwards `current` is only selected in it.
    static void items(QComboBox* combo, const World& world, const std::string& current, int& listed);
    static void mobs(QComboBox* combo, const World& world, const std::string& current, int& listed);
    static void rooms(QComboBox* combo, const World& world, const std::string& current, int& listed);
    /// The names of a Universe table.
    static void names(QComboBox* combo, const std::vector<FlagEntry>& table, const std::string& current);

    /// The index the fillers select for `value`, or -1 when no entry matches.
    static int matchIndex(const QComboBox* combo, const std::string& value);
    /// The chosen entry as record text; "" when nothing is chosen.
    static std::string chosen(const QComboBox* combo);
};

} // namespace tarnholt
