#pragma once

#include <string>

#include "rooms/CSheetPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnholt {

class Mob;
class TemplateLibrary;
class World;

/// The "Description" page of the mob editor: Identifier, names and texts, with the Identifier
/// checks, the formatter, copying from another mob or a template, and the online help on F1.
class CMobDescription : public CSheetPage {
    Q_OBJECT
public:
    CMobDescription(Mob& mob, const World& world, const TemplateLibrary& templates, std::string initialIdentifier,
                    bool templateMode, Questions& questions, QWidget* parent = nullptr);

    void activate() override;
    bool leave() override;

    /// Opens the online help on the Identifier and name/alias fields.
    void showHelp();

private:
    /// The message for an Identifier that can not be kept, or "" when it is fine.
    std::string identifierProblem(const std::string& identifier) const;
    void store();
    void copyMob();
    void useTemplate();

    Mob& mob_;
    const World& world_;
    const TemplateLibrary& templates_;
    std::string initialIdentifier_;
    bool templateMode_;
    QLineEdit* identifier_ = nullptr;
    QLineEdit* aliases_ = nullptr;
    QLineEdit* shortDescription_ = nullptr;
    QLineEdit* longDescription_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

} // namespace tarnholt
