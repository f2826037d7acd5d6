#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace tarnholt {

class Questions;

/// Reads typed numbers the way every form of the program checks them on OK: the first field that
/// fails shows its message ("Please enter an integer." or "Please enter an integer between %1 and
/// %2."), takes the focus with its text selected, and every later check is skipped.
/// Works on line edits and on CNumberSpin fields.
class CFieldCheck {
public:
    explicit CFieldCheck(Questions& questions) : questions_(questions) {}

    /// The field's integer into `value`; false (and `value` untouched) when it is not one.
    bool integer(QWidget* field, int32_t& value);
    /// The same, also refusing a value outside `low` to `high`.
    bool integerBetween(QWidget* field, int32_t low, int32_t high, int32_t& value);

    /// True while no check has failed.
    bool ok() const { return ok_; }

    /// Reads a whole integer: optional blanks or tabs around an optionally signed run of decimal
    /// digits that fits in 32 bits. Anything else (empty text included) is not an integer.
    static bool parseInteger(const QString& text, int32_t& value);
    /// The text of a line edit or number field; empty for any other widget.
    static QString fieldText(const QWidget* field);

private:
    void fail(QWidget* field, const QString& message);

    Questions& questions_;
    bool ok_ = true;
};

} // namespace tarnholt
