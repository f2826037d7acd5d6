#pragma once

// Helpers shared by the editor's QtTest suites: scripted message boxes and file dialogs, a private
// settings store, typing into fields and answering modal forms.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/CFileChooser.h"
#include "app/CMessageQuestions.h"

namespace tarnholt::test {

/// Message boxes that answer from a script and remember what they were shown.
class ScriptedMessages : public CMessageQuestions {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> saveQuestions;
    std::deque<bool> yesNoAnswers;
    std::deque<SaveAnswer> saveAnswers;

    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, bool) override
    {
        questions.push_back(text);
        if (yesNoAnswers.empty())
            return true;
        bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }
    /// Unscripted, the question is cancelled: a test that forgot to script it notices.
    SaveAnswer askSaveChanges(const std::string& text) override
    {
        saveQuestions.push_back(text);
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    void clear()
    {
        messages.clear();
        questions.clear();
        saveQuestions.clear();
    }
};

/// File dialogs that answer from a script; an empty answer (or none left) is a cancel.
class ScriptedFiles : public CFileChooser {
public:
    std::deque<QString> answers;
    QStringList filters;

    QString openFileName(QWidget*, const QString&, const QString&, const QString& filter) override
    {
        filters.append(filter);
        return next();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& filter, const QString&) override
    {
        filters.append(filter);
        return next();
    }

private:
    QString next()
    {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

/// Points the per-user settings store at a folder of its own for the life of the object.
class PrivateSettings {
public:
    PrivateSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

/// A string list from plain literals (the editor builds without implicit conversions from char*).
inline QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromUtf8(text);
    return out;
}

/// Types `text` into a field as a person does: focus, select what is there, type over it.
inline void typeInto(QWidget* field, const QString& text)
{
    field->setFocus();
    if (auto edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

/// The button of a form whose text is `text` (mnemonic marks ignored), or null.
inline QAbstractButton* buttonOf(QWidget* form, const QString& text)
{
    const auto buttons = form->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

inline void click(QWidget* form, const QString& buttonText)
{
    QAbstractButton* button = buttonOf(form, buttonText);
    QVERIFY2(button != nullptr, qPrintable(QStringLiteral("no button ") + buttonText));
    QTest::mouseClick(button, Qt::LeftButton);
}

/// Runs `answer` on the next modal form that opens (once it is shown), from inside its event loop.
/// `seen` is set when it ran, so a test can tell that the form did open. The watch ends when it
/// ran; a test that expects no form deletes the returned timer itself (it is null once ended).
inline QPointer<QTimer> whenModal(std::function<void(QDialog*)> answer, bool* seen = nullptr)
{
    auto timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer), seen] {
        auto dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        if (seen != nullptr)
            *seen = true;
        answer(dialog);
        // A form the answer left open would block the test: close it.
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog)
            dialog->reject();
    });
    timer->start();
    return timer;
}

} // namespace tarnholt::test
