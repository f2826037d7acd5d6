#include "mobs/CMobSheet.h"

#include "app/CText.h"
#include "mobs/CMobDamage.h"
#include "mobs/CMobDescription.h"
#include "mobs/CMobFlags.h"
#include "mobs/CMobPosition.h"
#include "mobs/CMobSpecProc.h"
#include "mobs/CMobSpeech.h"
#include "rooms/CMiscExtraDescrip.h"

namespace tarnholt {

CMobSheet::CMobSheet(const QString& title, const Mob& mob, const World& world, const Universe& universe,
                     const TemplateLibrary& templates, Questions& questions, bool templateMode, QWidget* parent)
    : CPropertySheet(title, parent), mob_(mob), initialIdentifier_(mob.identifier), templateMode_(templateMode)
{
    setObjectName(QStringLiteral("mobSheet"));
    addPage(new CMobDescription(mob_, world, templates, initialIdentifier_, templateMode, questions, this),
            QStringLiteral("Description"));
    addPage(new CMobDamage(mob_, templateMode, questions, this), QStringLiteral("Damage"));
    addPage(new CMobPosition(mob_, templateMode, questions, this), QStringLiteral("Position"));
    addPage(new CMobFlags(mob_, universe, questions, this), QStringLiteral("Flags"));
    addPage(new CMiscExtraDescrip(mob_.extraDescriptions, questions, this), QStringLiteral("Extra Descriptions"));
    addPage(new CMobSpecProc(mob_, universe, questions, this), QStringLiteral("SpecProc"));
    addPage(new CMobSpeech(mob_, questions, this), QStringLiteral("Speech"));
    openOn(0);
}

QString CMobSheet::newMobTitle() { return QStringLiteral("Creating a New Mob"); }

QString CMobSheet::editMobTitle(const std::string& identifier)
{
    return QStringLiteral("Editing a Existing Mob - %1").arg(CText::toQt(identifier));
}

QString CMobSheet::newTemplateTitle() { return QStringLiteral("Creating a New Mob Template"); }

} // namespace tarnholt
