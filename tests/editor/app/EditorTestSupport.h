#pragma once

// Helpers shared by the editor's QtTest suites: scripted boxes and file dialogs, a private settings
// store, typing, choosing and answering modal forms.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/CFileChooser.h"
#include "app/CMessageQuestions.h"

namespace tarnholt::test {

/// The next answer of a script, or `unscripted` when it ran out.
template <typename T>
T nextAnswer(std::deque<T>& script, T unscripted)
{
    if (script.empty())
        return unscripted;
    T answer = script.front();
    script.pop_front();
    return answer;
}

/// Message boxes that answer from a script and remember what they showed. Unscripted, Yes/No is Yes
/// and the save question is cancelled, so that a test that forgot to script it notices.
class ScriptedMessages : public CMessageQuestions {
public:
    std::vector<std::string> messages, questions, saveQuestions;
    std::deque<bool> yesNoAnswers;
    std::deque<SaveAnswer> saveAnswers;

    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, bool) override
    {
        questions.push_back(text);
        return nextAnswer(yesNoAnswers, true);
    }
    SaveAnswer askSaveChanges(const std::string& text) override
    {
        saveQuestions.push_back(text);
        return nextAnswer(saveAnswers, SaveAnswer::Cancel);
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
        return nextAnswer(answers, QString());
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter,
                         const QString&) override
    {
        return openFileName(parent, title, dir, filter);
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

private:
    QTemporaryDir dir_;
};

inline QString qt(const char* text) { return QString::fromUtf8(text); }

/// A string list from plain literals (the editor builds without implicit conversions from char*).
inline QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << qt(text);
    return out;
}

template <typename Widget>
Widget* named(QWidget* root, const char* name)
{
    return root->findChild<Widget*>(QString::fromLatin1(name));
}

/// Every label text of a form, in creation order.
inline QStringList labelTexts(QWidget* form)
{
    QStringList texts;
    for (QLabel* label : form->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

/// Types `text` into a field as a person does: focus, select what is there, type over it.
inline void typeInto(QWidget* field, const QString& text)
{
    field->setFocus();
    if (auto edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

/// Picks the entry `text` of a drop-down as a person does; false when there is no such entry.
inline bool choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    return index >= 0;
}

/// The button of a form whose text is `text` (mnemonic marks ignored), or null.
inline QAbstractButton* buttonOf(QWidget* form, const QString& text)
{
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

inline void click(QWidget* form, const QString& text)
{
    QAbstractButton* button = buttonOf(form, text);
    QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(text + QStringLiteral(": missing or disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
}
inline void click(QWidget* form, const char* text) { click(form, qt(text)); }

/// Runs `answer` on the next modal form once it is shown, from inside its event loop, and sets `seen`.
/// A test that expects no form deletes the returned timer itself (it is null once it ran).
inline QPointer<QTimer> whenModal(std::function<void(QDialog*)> answer, bool* seen = nullptr)
{
    auto timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer), seen] {
        auto dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // Visible is not enough: while a form is still being shown its buttons may not be yet.
        if (dialog == nullptr || !dialog->isVisible() || dialog->windowHandle() == nullptr
            || !dialog->windowHandle()->isExposed())
            return;
        timer->stop();
        timer->deleteLater();
        if (seen != nullptr)
            *seen = true;
        answer(dialog);
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog)
            dialog->reject(); // left open, it would block the test
    });
    timer->start();
    return timer;
}

/// Runs `act` and tells whether it opened a modal form (which is then closed at once).
inline bool opensAForm(const std::function<void()>& act)
{
    bool seen = false;
    QPointer<QTimer> watch = whenModal([](QDialog*) {}, &seen);
    act();
    QTest::qWait(30);
    delete watch.data();
    return seen;
}

} // namespace tarnholt::test
