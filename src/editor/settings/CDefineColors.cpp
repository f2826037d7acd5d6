#include "settings/CDefineColors.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "settings/DisplaySettings.h"

namespace tarnholt {

CDefineColors::CDefineColors(DisplaySettings& settings, Questions& questions, QWidget* parent)
    : QDialog(parent), settings_(settings), questions_(questions)
{
    setWindowTitle(QStringLiteral("Define Colors"));

    auto grid = new QGridLayout;
    const QString headings[3] = {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")};
    for (int column = 0; column < 3; ++column)
        grid->addWidget(new QLabel(headings[column], this), 0, column + 1, Qt::AlignCenter);

    const auto& entries = DisplaySettings::entries();
    std::array<int32_t, 21> values = settings.toInts();
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        grid->addWidget(new QLabel(QLatin1String(entries[static_cast<std::size_t>(row)].label), this), row + 1, 0);
        for (int column = 0; column < 3; ++column) {
            auto edit = new QLineEdit(this);
            auto index = static_cast<std::size_t>(row * 3 + column);
            edit->setText(QString::number(values[index]));
            edit->setMaximumWidth(60);
            edit->setObjectName(QLatin1String(entries[static_cast<std::size_t>(row)].keyPrefix) +
                                QStringLiteral(" - ") + headings[column]);
            fields_[index] = edit;
            grid->addWidget(edit, row + 1, column + 1);
        }
    }

    auto buttons = new QDialogButtonBox(this);
    auto ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDefineColors::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDefineColors::accept()
{
    CFieldCheck check(questions_);
    std::array<int32_t, 21> values = settings_.toInts();
    for (int column : {Blue, Green, Red}) {
        for (int row = 0; row < 7; ++row) {
            auto index = static_cast<std::size_t>(row * 3 + column);
            if (!check.integerBetween(fields_[index], 0, 255, values[index]))
                return;
        }
    }
    settings_.fromInts(values);
    QDialog::accept();
}

} // namespace tarnholt
