#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace tarnholt {

/// The few ways the core talks to the user: an OK message and a Yes/No question.
/// The editor answers with message boxes, the command-line tool on the terminal, tests from a script.
/// Texts are in the program's 8-bit character set (Windows-1252).
class Questions {
public:
    virtual ~Questions() = default;
    virtual void message(const std::string& text) = 0;
    /// Returns true for Yes. `defaultNo` makes No the default button.
    virtual bool askYesNo(const std::string& text, bool defaultNo = false) = 0;
};

/// Answers from a script (tests, batch runs) and remembers what was said and asked.
class ScriptedQuestions : public Questions {
public:
    explicit ScriptedQuestions(bool defaultAnswer = true) : defaultAnswer_(defaultAnswer) {}

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, bool /*defaultNo*/) override
    {
        questions.push_back(text);
        if (answers_.empty())
            return defaultAnswer_;
        bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;

private:
    bool defaultAnswer_;
    std::deque<bool> answers_;
};

} // namespace tarnholt
