#include "generate/Reformat.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "app/Questions.h"
#include "world/World.h"

namespace tarnholt {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string lineBreaksToBlanks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Where a remainder without a usable blank is cut: after `width` characters, moved one further
// when that would separate the CR from the LF of a line break.
std::size_t hardCut(std::string_view rest, std::size_t width)
{
    std::size_t cut = width;
    if (cut < rest.size() && rest[cut - 1] == '\r' && rest[cut] == '\n')
        ++cut;
    return cut;
}

} // namespace

bool reformatDescription(std::string& text, int width, bool batch, Questions& questions)
{
    bool keepBreaks = false;
    if (!batch) {
        const std::string sure = "This will reformat the description to fit on a " + std::to_string(width)
            + "-column screen.\nAre you sure you want to do this?";
        if (!questions.askYesNo(sure, true))
            return false;
        keepBreaks = questions.askYesNo("Do you want to preserve line feeds?", true);
    }

    const std::string source = keepBreaks ? text : lineBreaksToBlanks(text);
    // A width below one column could never consume anything.
    const std::size_t w = width < 1 ? 1 : static_cast<std::size_t>(width);

    std::string out;
    out.reserve(source.size() + source.size() / w * 2 + 2);
    auto emit = [&out](std::string_view line) {
        out += line;
        out += kLineBreak;
    };

    std::size_t pos = 0;
    // The first line break at or after `pos`; kept from one round to the next so that a long text
    // without line breaks is searched once, not once per line.
    std::size_t nextBreak = source.find(kLineBreak);
    while (pos < source.size()) {
        const std::string_view rest = std::string_view(source).substr(pos);
        if (nextBreak != std::string::npos && nextBreak < pos)
            nextBreak = source.find(kLineBreak, pos);
        const std::size_t p = nextBreak == std::string::npos ? std::string_view::npos : nextBreak - pos;

        auto lastBlank = [&rest, w]() {
            const std::size_t span = std::min(w, rest.size());
            const std::size_t found = rest.substr(0, span).rfind(' ');
            return found;
        };

        if (p == std::string_view::npos) {
            const std::size_t b = lastBlank();
            if (b == std::string_view::npos) {
                if (rest.size() <= w) {
                    emit(rest);
                    break;
                }
                emit(rest.substr(0, w));
                pos += w;
                continue;
            }
            if (rest.size() < w) {
                emit(rest);
                break;
            }
            emit(rest.substr(0, b));
            pos += b + 1;
            continue;
        }

        if (p >= 1 && p < w) {
            emit(rest.substr(0, p));
            pos += p + kLineBreak.size();
            continue;
        }

        // A line break at the very start, or none within the width.
        if (rest.size() < w) {
            emit(rest);
            break;
        }
        const std::size_t b = lastBlank();
        if (b != std::string_view::npos) {
            emit(rest.substr(0, b));
            pos += b + 1;
        } else {
            const std::size_t cut = hardCut(rest, w);
            emit(rest.substr(0, cut));
            pos += cut;
        }
    }

    text = std::move(out);
    return true;
}

int setRoomDescriptions(World& world, const std::vector<std::string>& selected, const std::string& description)
{
    // Each selected entry sets one room, the first still-unset bearer of that Identifier.
    std::unordered_map<std::string, int> pending;
    for (const std::string& entry : selected)
        ++pending[entry];
    int count = 0;
    for (Room& room : world.rooms) {
        if (pending.empty())
            break;
        auto it = pending.find(room.identifier);
        if (it == pending.end())
            continue;
        room.description = description;
        ++count;
        if (--it->second == 0)
            pending.erase(it);
    }
    return count;
}

int setExitDescriptions(World& world, const std::vector<std::string>& selected, const std::string& description)
{
    const std::unordered_set<std::string> targets(selected.begin(), selected.end());
    int count = 0;
    for (Room& room : world.rooms) {
        for (Exit& exit : room.exits) {
            if (exit.target.empty() || targets.count(exit.target) == 0)
                continue;
            exit.description = description;
            ++count;
        }
    }
    return count;
}

std::string roomDescriptionsSetMessage(int count)
{
    return std::to_string(count) + " Room Descriptions successfully set.";
}

std::string exitDescriptionsSetMessage(int count)
{
    return std::to_string(count) + " Exit Descriptions successfully set.";
}

} // namespace tarnholt
