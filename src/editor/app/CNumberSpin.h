#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

namespace tarnholt {

/// A number field with up/down arrows that never refuses or corrects what is typed: the form checks
/// the text on OK (CFieldCheck) and tells the user what is wrong. The arrows step a valid integer by one.
class CNumberSpin : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit CNumberSpin(QWidget* parent = nullptr);

    void setText(const QString& text);
    void setValue(int32_t value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;
};

} // namespace tarnholt
