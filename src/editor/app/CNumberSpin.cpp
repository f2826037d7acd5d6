#include "app/CNumberSpin.h"

#include <QLineEdit>

#include "app/CFieldCheck.h"

namespace tarnholt {

CNumberSpin::CNumberSpin(QWidget* parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(true);
}

void CNumberSpin::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void CNumberSpin::setValue(int32_t value)
{
    lineEdit()->setText(QString::number(value));
}

void CNumberSpin::stepBy(int steps)
{
    int32_t value = 0;
    if (!CFieldCheck::parseInteger(text(), value))
        return;
    int64_t next = int64_t(value) + steps;
    if (next > INT32_MAX || next < INT32_MIN)
        return;
    setValue(static_cast<int32_t>(next));
    selectAll();
}

QValidator::State CNumberSpin::validate(QString&, int&) const
{
    // Anything may be typed; the form says what is wrong when it is confirmed.
    return QValidator::Acceptable;
}

void CNumberSpin::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled CNumberSpin::stepEnabled() const
{
    int32_t value = 0;
    if (!CFieldCheck::parseInteger(text(), value))
        return StepNone;
    StepEnabled enabled = StepNone;
    if (value < INT32_MAX)
        enabled |= StepUpEnabled;
    if (value > INT32_MIN)
        enabled |= StepDownEnabled;
    return enabled;
}

} // namespace tarnholt
