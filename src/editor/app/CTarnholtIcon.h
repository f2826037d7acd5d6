#pragma once

#include <QIcon>

namespace tarnholt {

/// The program's icon and the toolbar images, drawn at run time so the program needs no image files.
/// Toolbar images come from the desktop's icon theme when it has them.
class CTarnholtIcon {
public:
    /// Two linked rooms of the map.
    static QIcon icon();
    /// The toolbar image of a command (New, Open, Save, Add Item, Add Mob, Edit Zone).
    static QIcon toolIcon(int command);
};

} // namespace tarnholt
