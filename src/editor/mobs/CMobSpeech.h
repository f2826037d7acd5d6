#pragma once

#include "rooms/CSheetPage.h"

class QLineEdit;
class QListWidget;

namespace tarnholt {

class Mob;

/// The "Speech" page of the mob editor: the lines the mob says and the pauses between them.
/// The list shows each line without its line end and keeps the stored line as it is.
class CMobSpeech : public CSheetPage {
    Q_OBJECT
public:
    CMobSpeech(Mob& mob, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The interval typed, checked (empty, or 0 to 100; empty reads as 0); false after telling the
    /// user what is wrong.
    bool readInterval(int32_t& interval);
    void addLine(const std::string& line);
    void addText();
    void addInterval();
    void remove();
    void storeList();

    Mob& mob_;
    QListWidget* list_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLineEdit* interval_ = nullptr;
};

} // namespace tarnholt
