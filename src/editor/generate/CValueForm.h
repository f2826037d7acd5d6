#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;

namespace tarnholt {

class CNumberSpin;
class Questions;

/// Asks for one whole number: a title, a line that says what the number is for, "New Value:",
/// "OK" and "Cancel". Anything may be typed; OK refuses what is not an integer with
/// "Please enter an integer." and puts the focus back on the field.
class CValueForm : public QDialog {
    Q_OBJECT

public:
    CValueForm(const QString& title, const QString& text, int32_t value, Questions& questions,
               QWidget* parent = nullptr);

    /// The number accepted with OK.
    int32_t value() const { return value_; }
    CNumberSpin* field() const { return field_; }

    void accept() override;

private:
    Questions& questions_;
    CNumberSpin* field_ = nullptr;
    int32_t value_ = 0;
};

} // namespace tarnholt
