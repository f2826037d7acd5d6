#pragma once

#include <QPointer>
#include <QWidget>

#include "app/Questions.h"

namespace tarnholt {

/// The program's questions answered with modal message boxes titled "Tarnholt".
/// Tests derive from it and answer from a script instead.
class CMessageQuestions : public Questions {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    explicit CMessageQuestions(QWidget* parent = nullptr) : parent_(parent) {}

    /// The window the boxes are centred on.
    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }

    void message(const std::string& text) override;
    bool askYesNo(const std::string& text, bool defaultNo = false) override;
    /// The unsaved-changes question, with the buttons Yes, No and Cancel.
    virtual SaveAnswer askSaveChanges(const std::string& text);

private:
    QPointer<QWidget> parent_;
};

} // namespace tarnholt
