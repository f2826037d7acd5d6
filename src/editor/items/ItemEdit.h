#pragma once

#include <QString>

#include <cstddef>

class QWidget;

namespace tarnholt {

class Item;
class Questions;
class TemplateLibrary;
class Universe;
class World;

/// Runs the item editor modally on a copy of `item` under `title`. On OK the edited copy replaces
/// `item` and the result is true; on Cancel `item` is left as it was. In template mode the
/// Identifier is checked against the item templates instead of the World's items.
bool editItem(QWidget* parent, const World& world, const Universe& universe, const TemplateLibrary& templates,
              Questions& questions, Item& item, bool templateMode, const QString& title);

/// Writes a confirmed item editor's copy back over the World's item at `index` and, when the
/// Identifier changed, renames every reference to the old one (containers, devices, recipes,
/// loads, shops). False, with nothing changed, when `index` names no item.
bool applyItemEdit(World& world, std::size_t index, const Item& edited);

} // namespace tarnholt
