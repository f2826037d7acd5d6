#include "rooms/CRoomSheet.h"

#include "generate/CRoomLoadPage.h"
#include "rooms/CMiscExtraDescrip.h"
#include "rooms/CRoomDescription.h"
#include "rooms/CRoomExit.h"
#include "rooms/CRoomFlags.h"
#include "rooms/CRoomMove.h"
#include "rooms/CRoomSpecProc.h"
#include "rooms/CRoomTerrain.h"

namespace tarnholt {

CRoomSheet::CRoomSheet(const QString& title, const Room& room, World& world, Universe& universe,
                       TemplateLibrary& templates, Questions& questions, bool templateMode, int startDirection,
                       QWidget* parent)
    : CPropertySheet(title, parent), room_(room), initialIdentifier_(room.identifier), templateMode_(templateMode)
{
    addPage(new CRoomDescription(room_, world, templates, initialIdentifier_, templateMode, questions, this),
            QStringLiteral("Description"));
    addPage(new CRoomFlags(room_, universe, questions, this), QStringLiteral("Flags"));
    addPage(new CRoomTerrain(room_, universe, questions, this), QStringLiteral("Terrain"));
    addPage(new CRoomSpecProc(room_, universe, questions, this), QStringLiteral("SpecProc"));
    addPage(new CMiscExtraDescrip(room_.extraDescriptions, questions, this), QStringLiteral("Extra Descriptions"));
    addPage(new CRoomMove(room_, world, questions, this), QStringLiteral("Move"));
    int exitsPage = -1;
    CRoomExit* exits = nullptr;
    if (!templateMode) {
        exits = new CRoomExit(room_, world, questions, this);
        exitsPage = addPage(exits, QStringLiteral("Exits"));
    }
    addPage(new CRoomLoadPage(room_, world, universe, questions, this), QStringLiteral("Attach"));

    if (exits != nullptr && startDirection >= 0 && startDirection < kDirectionCount) {
        exits->selectDirection(startDirection);
        openOn(exitsPage);
    } else {
        openOn(0);
    }
}

} // namespace tarnholt
