#pragma once

#include <QDialog>

namespace tarnholt {

class NewListCtrlClass;
class Universe;

/// "Spell Number List": every spell of the Universe with its number, sorted by name. Only shows.
class CSpellListDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSpellListDialog(const Universe& universe, QWidget* parent = nullptr);

    NewListCtrlClass* list() const { return list_; }

private:
    NewListCtrlClass* list_ = nullptr;
};

} // namespace tarnholt
