#pragma once

#include <iosfwd>
#include <string>

#include "app/Questions.h"

namespace tarnholt {

/// Questions for a run without a user: every message and question goes to a stream (the command-line
/// tool's standard error), each question followed by the answer given on its behalf.
class StreamQuestions : public Questions {
public:
    StreamQuestions(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

    /// The text, in UTF-8, and a line end.
    void message(const std::string& text) override;
    /// The question, a blank, "yes" or "no", and a line end; returns the fixed answer.
    bool askYesNo(const std::string& text, bool defaultNo = false) override;

    int questionsAsked() const { return questionsAsked_; }

private:
    std::ostream& out_;
    bool answer_;
    int questionsAsked_ = 0;
};

} // namespace tarnholt
