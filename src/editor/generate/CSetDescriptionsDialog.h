#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;

namespace tarnholt {

class Questions;
class World;

/// The two bulk description forms: "Set Room Description for a Room or Rooms" gives the typed
/// description to the rooms chosen in the list, "Set All Exit Descriptions Going to a Particular
/// Room or Rooms" to every exit that leads to one of them. The form stays open after each setting;
/// the caller marks the document modified when it closes.
class CSetDescriptionsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Target { Rooms, Exits };

    CSetDescriptionsDialog(Target target, World& world, Questions& questions, QWidget* parent = nullptr);

    QListWidget* roomList() const { return rooms_; }
    QPlainTextEdit* descriptionField() const { return description_; }

    /// "Set Room Description" or "Set Exit Description": sets, then tells how many were set.
    void apply();
    /// "Format-60" and "Format-80".
    void format(int width);

private:
    Target target_;
    World& world_;
    Questions& questions_;
    QListWidget* rooms_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace tarnholt
