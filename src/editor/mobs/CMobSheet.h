#pragma once

#include <string>

#include "mobs/Mob.h"
#include "rooms/CPropertySheet.h"

namespace tarnholt {

class Questions;
class TemplateLibrary;
class Universe;
class World;

/// The mob editor: a tabbed form on a copy of one mob, with the pages "Description", "Damage",
/// "Position", "Flags", "Extra Descriptions", "SpecProc" and "Speech".
///
/// Open it with exec(); on "OK" the edited copy is in `mob()` for the caller to write back
/// (applyMobEdit for an existing mob, appendMob for a new one, or the template library's add with
/// `mob().identifier` as the name in template mode); "Cancel" drops it.
/// In template mode nothing is checked on leaving a page but the template name, which must not be
/// a mob template's already.
class CMobSheet : public CPropertySheet {
    Q_OBJECT
public:
    CMobSheet(const QString& title, const Mob& mob, const World& world, const Universe& universe,
              const TemplateLibrary& templates, Questions& questions, bool templateMode = false,
              QWidget* parent = nullptr);

    /// "Creating a New Mob", "Editing a Existing Mob - <Identifier>" and "Creating a New Mob Template".
    static QString newMobTitle();
    static QString editMobTitle(const std::string& identifier);
    static QString newTemplateTitle();

    /// The edited copy.
    const Mob& mob() const { return mob_; }
    /// The Identifier the mob had when the editor opened.
    const std::string& initialIdentifier() const { return initialIdentifier_; }
    bool templateMode() const { return templateMode_; }

private:
    Mob mob_;
    std::string initialIdentifier_;
    bool templateMode_;
};

} // namespace tarnholt
