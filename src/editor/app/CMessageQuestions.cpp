#include "app/CMessageQuestions.h"

#include <QMessageBox>

#include "app/CText.h"

namespace tarnholt {

namespace {

QString boxTitle()
{
    return QStringLiteral("Tarnholt");
}

} // namespace

void CMessageQuestions::message(const std::string& text)
{
    QMessageBox::warning(parent_, boxTitle(), CText::messageToQt(text), QMessageBox::Ok);
}

bool CMessageQuestions::askYesNo(const std::string& text, bool defaultNo)
{
    auto answer = QMessageBox::question(parent_, boxTitle(), CText::messageToQt(text),
                                        QMessageBox::Yes | QMessageBox::No,
                                        defaultNo ? QMessageBox::No : QMessageBox::Yes);
    // Only an explicit No stops: closing the box counts as going on.
    return answer != QMessageBox::No;
}

CMessageQuestions::SaveAnswer CMessageQuestions::askSaveChanges(const std::string& text)
{
    auto answer = QMessageBox::warning(parent_, boxTitle(), CText::messageToQt(text),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return SaveAnswer::Yes;
    if (answer == QMessageBox::No)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

} // namespace tarnholt
