#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace tarnholt {

class Questions;
struct DisplaySettings;

/// "Define Colors": the seven map colours as a grid of red, green and blue numbers.
/// OK checks every field as an integer from 0 to 255, the "Blue" column from top to bottom first,
/// then "Green", then "Red"; only when all are valid are the values copied into the settings.
class CDefineColors : public QDialog {
    Q_OBJECT

public:
    enum Column { Red = 0, Green = 1, Blue = 2 };

    CDefineColors(DisplaySettings& settings, Questions& questions, QWidget* parent = nullptr);

    /// The field of colour `row` (the order of the settings' colour table) and `column`.
    QLineEdit* field(int row, int column) const { return fields_[static_cast<std::size_t>(row * 3 + column)]; }

    void accept() override;

private:
    DisplaySettings& settings_;
    Questions& questions_;
    std::array<QLineEdit*, 21> fields_{};
};

} // namespace tarnholt
