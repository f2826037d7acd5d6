#pragma once

#include "rooms/CSheetPage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tarnholt {

class ExtraDescriptions;

/// The "Extra Descriptions" page of the room, mob and item editors: keyword entries and their
/// descriptions, edited one at a time in the record it is bound to.
class CMiscExtraDescrip : public CSheetPage {
    Q_OBJECT
public:
    CMiscExtraDescrip(ExtraDescriptions& record, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    void fillSelection();
    void entryChosen(int index);
    void addOrUpdate();
    void deleteEntry();
    void format(int width);

    std::string keywordsText() const;
    std::string descriptionText() const;

    ExtraDescriptions& record_;
    QComboBox* selection_ = nullptr;
    QLineEdit* keywords_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace tarnholt
