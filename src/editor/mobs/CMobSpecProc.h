#pragma once

#include "rooms/CSpecProcPage.h"

namespace tarnholt {

class Mob;
class Universe;

/// The "SpecProc" page of the mob editor. Its probability must be 0 to 100, also on leaving the page.
class CMobSpecProc : public CSpecProcPage {
    Q_OBJECT
public:
    CMobSpecProc(Mob& mob, const Universe& universe, Questions& questions, QWidget* parent = nullptr);

    bool leave() override;

protected:
    bool readProbability(int32_t& probability) override;
};

} // namespace tarnholt
