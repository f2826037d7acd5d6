#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace tarnholt {

class CNumberSpin;
class Questions;
class World;

/// "Zone Properties" (Edit Zone): the zone header of the World. The fields are written back only on
/// a valid "Ok"; a changed start number then clears the vnums of its kind, so that the next
/// generation numbers them afresh from the new start.
class CZoneProperties : public QDialog {
    Q_OBJECT

public:
    CZoneProperties(World& world, Questions& questions, QWidget* parent = nullptr);

    QLineEdit* zoneName() const { return zoneName_; }
    CNumberSpin* zoneNumber() const { return zoneNumber_; }
    QRadioButton* alwaysRepop() const { return alwaysRepop_; }
    QRadioButton* noPlayersRepop() const { return noPlayersRepop_; }
    QLineEdit* repopTime() const { return repopTime_; }
    QLineEdit* startMob() const { return startMob_; }
    QLineEdit* startItem() const { return startItem_; }
    QLineEdit* startRoom() const { return startRoom_; }
    QLineEdit* maxRoom() const { return maxRoom_; }

    void accept() override;

private:
    World& world_;
    Questions& questions_;
    QLineEdit* zoneName_ = nullptr;
    CNumberSpin* zoneNumber_ = nullptr;
    QRadioButton* alwaysRepop_ = nullptr;
    QRadioButton* noPlayersRepop_ = nullptr;
    QLineEdit* repopTime_ = nullptr;
    QLineEdit* startMob_ = nullptr;
    QLineEdit* startItem_ = nullptr;
    QLineEdit* startRoom_ = nullptr;
    QLineEdit* maxRoom_ = nullptr;
};

} // namespace tarnholt
