#include "generate/CValueForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CNumberSpin.h"

namespace tarnholt {

CValueForm::CValueForm(const QString& title, const QString& text, int32_t value, Questions& questions,
                       QWidget* parent)
    : QDialog(parent), questions_(questions), value_(value)
{
    setWindowTitle(title);

    auto explanation = new QLabel(text, this);
    explanation->setWordWrap(true);
    field_ = new CNumberSpin(this);
    field_->setObjectName(QStringLiteral("newValue"));
    field_->setValue(value);

    auto fields = new QFormLayout;
    fields->addRow(new QLabel(QStringLiteral("New Value:"), this), field_);

    auto buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CValueForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    field_->setFocus();
    field_->selectAll();
}

void CValueForm::accept()
{
    CFieldCheck check(questions_);
    int32_t typed = 0;
    if (!check.integer(field_, typed))
        return;
    value_ = typed;
    QDialog::accept();
}

} // namespace tarnholt
