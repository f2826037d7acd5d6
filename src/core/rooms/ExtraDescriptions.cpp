#include "rooms/ExtraDescriptions.h"

#include "generate/AreaText.h"
#include "world/Archive.h"

namespace tarnholt {

namespace {

std::ptrdiff_t indexOf(const std::vector<std::string>& list, const std::string& keywords)
{
    auto it = std::find(list.begin(), list.end(), keywords);
    return it == list.end() ? -1 : it - list.begin();
}

} // namespace

void ExtraDescriptions::set(const std::string& keywords, const std::string& description)
{
    std::ptrdiff_t i = indexOf(keywordList, keywords);
    if (i < 0) {
        keywordList.push_back(keywords);
        descriptionList.push_back(description);
        return;
    }
    if (static_cast<std::size_t>(i) >= descriptionList.size())
        descriptionList.resize(keywordList.size());
    descriptionList[static_cast<std::size_t>(i)] = description;
}

std::string ExtraDescriptions::get(const std::string& keywords) const
{
    std::ptrdiff_t i = indexOf(keywordList, keywords);
    if (i < 0 || static_cast<std::size_t>(i) >= descriptionList.size())
        return {};
    return descriptionList[static_cast<std::size_t>(i)];
}

void ExtraDescriptions::remove(const std::string& keywords)
{
    std::ptrdiff_t i = indexOf(keywordList, keywords);
    if (i < 0)
        return;
    keywordList.erase(keywordList.begin() + i);
    if (static_cast<std::size_t>(i) < descriptionList.size())
        descriptionList.erase(descriptionList.begin() + i);
}

void ExtraDescriptions::Serialize(Archive& ar)
{
    int32_t version = 1;
    ar.serialize(version); // read and not used: there is only one layout
    ar.serializeStringList(keywordList);
    ar.serializeStringList(descriptionList);
    // A damaged file may hold lists of different lengths; every entry needs its description.
    if (ar.isLoading())
        descriptionList.resize(keywordList.size());
}

void ExtraDescriptions::WriteAreaText(std::string& out) const
{
    for (std::size_t i = 0; i < keywordList.size(); ++i) {
        if (keywordList[i].empty())
            continue;
        out += "E\n";
        out += keywordList[i];
        out += "~\n";
        if (i < descriptionList.size())
            appendNormalizedText(out, descriptionList[i]);
        out += "\n~\n";
    }
}

bool ExtraDescriptions::ReadAreaText(LineReader& in)
{
    std::string_view line;
    if (!in.readLine(line))
        return false;
    // The entry is only added once its description is complete, so a failure leaves both lists
    // as they were.
    std::string keywords = removeTildes(line);
    std::string description;
    if (!readTildeText(in, description))
        return false;
    eraseTildes(description);
    keywordList.push_back(std::move(keywords));
    descriptionList.push_back(std::move(description));
    return true;
}

} // namespace tarnholt
