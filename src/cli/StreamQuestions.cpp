#include "cli/StreamQuestions.h"

#include <ostream>

#include "world/Encoding.h"

namespace tarnholt {

void StreamQuestions::message(const std::string& text)
{
    out_ << cp1252ToUtf8(text) << '\n' << std::flush;
}

bool StreamQuestions::askYesNo(const std::string& text, bool /*defaultNo*/)
{
    ++questionsAsked_;
    out_ << cp1252ToUtf8(text) << ' ' << (answer_ ? "yes" : "no") << '\n' << std::flush;
    return answer_;
}

} // namespace tarnholt
