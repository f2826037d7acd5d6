#include "generate/AreaText.h"

#include <algorithm>

#include "app/Questions.h"
#include "world/Encoding.h"
#include "world/MarkedCopy.h"

namespace tarnholt {

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

bool LineReader::readLine(std::string_view& line)
{
    line = {};
    if (pos_ >= data_.size()) {
        last_ = data_.size();
        return false;
    }
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
    line = data_.substr(pos_, stop - pos_);
    last_ = pos_;
    pos_ = next;
    return true;
}

bool LineReader::readLine(std::string& line)
{
    std::string_view view;
    const bool read = readLine(view);
    line.assign(view);
    return read;
}

void appendNormalizedText(std::string& out, std::string_view text)
{
    if (text.size() >= 3 && text.substr(text.size() - 2) == "\r\n")
        text.remove_suffix(2);
    // A carriage return that ends a line is left out; the text is never longer than it was.
    const std::size_t start = out.size();
    out.resize(start + text.size());
    const char* const end = text.data() + text.size();
    char* const last = copyMarked(text.data(), end, out.data() + start, '\r', [end](const char*& from, char*& to) {
        if (from + 1 != end && from[1] == '\n')
            ++from;
        else
            *to++ = *from++;
    });
    out.resize(static_cast<std::size_t>(last - out.data()));
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

namespace {

// What one line gives a text: the part it adds, whether it ends the text, and whether it adds
// anything at all.
struct TextLine {
    std::string_view part;
    bool last = false;
    bool kept = false;
};

// Reads lines until `split(line, first)` says one is the last, and appends the parts it keeps, joined
// with "\n". The text is measured first, from a copy of the reader, so that it is built in one
// allocation of its own size. False, with the reader at the end, when the data ends first.
template <typename Split>
bool readJoinedText(LineReader& in, std::string& text, Split split)
{
    LineReader probe = in;
    std::string_view line;
    std::size_t length = 0;
    bool first = true;
    for (;;) {
        if (!probe.readLine(line)) {
            in = probe;
            return false;
        }
        const TextLine part = split(line, first);
        if (part.kept)
            length += part.part.size() + (first ? 0 : 1);
        first = false;
        if (part.last)
            break;
    }
    text.reserve(text.size() + length);
    first = true;
    for (;;) {
        in.readLine(line);
        const TextLine part = split(line, first);
        if (part.kept) {
            if (!first)
                text += '\n';
            text += part.part;
        }
        first = false;
        if (part.last)
            return true;
    }
}

} // namespace

bool readTildeText(LineReader& in, std::string& text)
{
    return readJoinedText(in, text, [](std::string_view line, bool first) {
        TextLine result;
        result.part = trimRightView(line);
        result.last = !result.part.empty() && result.part.back() == '~';
        if (result.last)
            result.part.remove_suffix(1);
        result.kept = !result.last || !result.part.empty() || first; // a lone "~" after text adds nothing
        return result;
    });
}

bool readTextToTildeLine(LineReader& in, std::string& text)
{
    return readJoinedText(in, text, [](std::string_view line, bool) {
        TextLine result;
        result.part = trimRightView(line);
        result.last = result.part == "~";
        result.kept = !result.last;
        return result;
    });
}

void trimRightInPlace(std::string& text) { text.resize(trimmedLength(text)); }

std::string trimRight(std::string_view text) { return std::string(text.substr(0, trimmedLength(text))); }

std::string_view trimRightView(std::string_view text) { return text.substr(0, trimmedLength(text)); }

std::string importedIdentifier(int32_t vnum, std::string_view name)
{
    std::string identifier;
    identifier.reserve(13 + name.size()); // "#", sign and ten digits, " "
    identifier += '#';
    appendNumber(identifier, vnum);
    identifier += ' ';
    identifier += name;
    return identifier;
}

std::string removeTildes(std::string_view text)
{
    std::string out(text);
    eraseTildes(out);
    return out;
}

void eraseTildes(std::string& text)
{
    const std::size_t first = text.find('~');
    if (first != std::string::npos)
        text.erase(std::remove(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(), '~'), text.end());
}

} // namespace tarnholt
