#include "generate/AreaText.h"

#include "world/Encoding.h"

#include "app/Questions.h"

namespace tarnholt {

bool LineReader::readLine(std::string& line)
{
    line.clear();
    if (pos_ >= data_.size())
        return false;
    std::size_t end = data_.find('\n', pos_);
    std::size_t next;
    if (end == std::string_view::npos) {
        end = data_.size();
        next = end;
    } else {
        next = end + 1;
    }
    std::size_t stop = end;
    if (stop > pos_ && data_[stop - 1] == '\r' && end != data_.size())
        --stop;
    line.assign(data_.substr(pos_, stop - pos_));
    pos_ = next;
    return true;
}

void appendNormalizedText(std::string& out, std::string_view text)
{
    if (text.size() >= 3 && text.substr(text.size() - 2) == "\r\n")
        text.remove_suffix(2);
    appendReplaced(out, text, "\r\n", "\n");
}

std::string normalizeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendNormalizedText(out, text);
    return out;
}

bool askContinue(Questions& questions, std::string_view format, int number, const std::string& line)
{
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            char c = format[i + 1];
            if (c == 'd') {
                text += std::to_string(number);
                ++i;
                continue;
            }
            if (c == 's') {
                text += line;
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return questions.askYesNo(text);
}

bool readTildeText(LineReader& in, std::string& text)
{
    std::string line;
    bool first = true;
    for (;;) {
        if (!in.readLine(line))
            return false;
        trimRightInPlace(line);
        bool last = !line.empty() && line.back() == '~';
        if (last)
            line.pop_back();
        if (!last || !line.empty() || first) {
            if (!first)
                text += "\n";
            text += line;
        }
        first = false;
        if (last)
            return true;
    }
}

namespace {

// The length of `text` without its trailing white space.
std::size_t trimmedLength(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0) {
        char c = text[end - 1];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f')
            break;
        --end;
    }
    return end;
}

} // namespace

void trimRightInPlace(std::string& text) { text.resize(trimmedLength(text)); }

std::string trimRight(std::string_view text) { return std::string(text.substr(0, trimmedLength(text))); }

std::string removeTildes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendReplaced(out, text, "~", "");
    return out;
}

} // namespace tarnholt
