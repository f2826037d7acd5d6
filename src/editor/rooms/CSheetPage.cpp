#include "rooms/CSheetPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/CFieldCheck.h"
#include "app/Questions.h"
#include "generate/Reformat.h"
#include "universe/RecordText.h"

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

void CSheetPage::formatDescription(QPlainTextEdit* field, int width)
{
    std::string text = RecordText::linesFromQt(field->toPlainText());
    if (reformatDescription(text, width, false, questions_))
        field->setPlainText(RecordText::linesToQt(text));
    field->setFocus(Qt::OtherFocusReason);
}

bool CSheetPage::removeSelectedEntry(QListWidget* list)
{
    QListWidgetItem* entry = list->currentItem();
    if (entry == nullptr || !entry->isSelected())
        return false;
    delete list->takeItem(list->row(entry));
    list->clearSelection();
    return true;
}

} // namespace tarnholt
