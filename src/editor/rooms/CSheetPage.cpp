#include "rooms/CSheetPage.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/CFieldCheck.h"
#include "app/Questions.h"

namespace tarnholt {

CSheetPage::CSheetPage(Questions& questions, QWidget* parent) : QWidget(parent), questions_(questions) {}

void CSheetPage::refuse(QWidget* field, const std::string& message)
{
    questions_.message(message);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        text->selectAll();
}

bool CSheetPage::readInteger(QLineEdit* field, int32_t& value)
{
    CFieldCheck check(questions_);
    return check.integer(field, value);
}

} // namespace tarnholt
