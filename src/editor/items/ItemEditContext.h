#pragma once

#include <string>

namespace tarnholt {

class Item;
class Questions;
class TemplateLibrary;
class Universe;
class World;

/// What every page of the item editor works with: the working copy of the item and the tables
/// around it. The World and the template library are only read; the item editor hands its copy
/// back to the caller on OK.
struct ItemEditContext {
    Item& item;
    const World& world;
    const Universe& universe;
    const TemplateLibrary& templates;
    Questions& questions;
    /// The Identifier the item had when the editor opened.
    std::string initialIdentifier;
    /// True while an item template, not an item of the World, is edited.
    bool templateMode = false;
};

} // namespace tarnholt
