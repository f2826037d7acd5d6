#pragma once

#include <string>
#include <vector>

namespace tarnholt {

class Questions;
class World;

/// Rewraps a description (CR LF between lines) for a screen `width` columns wide.
/// Unless `batch` is set, the user is asked first whether to go on (No leaves the text as it was)
/// and then whether to keep the line breaks; in batch mode nothing is asked and line breaks become
/// blanks. Every line of the result ends with CR LF; an empty text stays empty.
/// Returns false when the user declined and the text was left alone.
bool reformatDescription(std::string& text, int width, bool batch, Questions& questions);

/// Gives `description` to one room per selected Identifier: the first room in array order bearing
/// it that is not already taken by an earlier selection of the same Identifier. Returns how many
/// rooms were set.
int setRoomDescriptions(World& world, const std::vector<std::string>& selected, const std::string& description);

/// Gives `description` to every exit, in every room, whose target is one of the selected
/// Identifiers. Returns how many exits were set.
int setExitDescriptions(World& world, const std::vector<std::string>& selected, const std::string& description);

/// "%i Room Descriptions successfully set." and "%i Exit Descriptions successfully set."
std::string roomDescriptionsSetMessage(int count);
std::string exitDescriptionsSetMessage(int count);

} // namespace tarnholt
