#pragma once

#include <vector>

#include "rooms/CSheetPage.h"

class QCheckBox;

namespace tarnholt {

class Mob;
class Universe;

/// The "Flags" page of the mob editor: one check box per entry of the Universe's mob flag table
/// (action flags, then affect flags).
class CMobFlags : public CSheetPage {
    Q_OBJECT
public:
    static constexpr int kBoxCount = 42;

    CMobFlags(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    Mob& mob_;
    const Universe& universe_;
    std::vector<QCheckBox*> boxes_;
};

} // namespace tarnholt
