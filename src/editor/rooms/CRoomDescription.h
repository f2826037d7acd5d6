#pragma once

#include <string>

#include "rooms/CSheetPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnholt {

class Room;
class TemplateLibrary;
class World;

/// The "Description" page of the room editor: Identifier, name and description, with the
/// Identifier checks, the formatter, and copying from another room or a template.
class CRoomDescription : public CSheetPage {
    Q_OBJECT
public:
    CRoomDescription(Room& room, const World& world, const TemplateLibrary& templates,
                     std::string initialIdentifier, bool templateMode, Questions& questions,
                     QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

private:
    /// The message for an Identifier that can not be kept, or "" when it is fine.
    std::string identifierProblem(const std::string& identifier) const;
    void store();
    void copyRoom();
    void useTemplate();

    Room& room_;
    const World& world_;
    const TemplateLibrary& templates_;
    std::string initialIdentifier_;
    bool templateMode_;
    QLineEdit* identifier_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

/// The number of a "#" Identifier: the digits after "#" up to the first blank or the end.
/// 0 when there are none, when anything else stands there, or when the number is too large.
int32_t identifierNumber(const std::string& identifier);

} // namespace tarnholt
