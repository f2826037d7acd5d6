#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tarnholt {

class Questions;

/// One page of a tabbed editor. It loads its fields from the record being edited when it becomes
/// the active page and stores them back when it is left (another tab, OK); a page may refuse to be
/// left, after telling the user why and putting the focus on the field at fault.
class CSheetPage : public QWidget {
    Q_OBJECT
public:
    explicit CSheetPage(Questions& questions, QWidget* parent = nullptr);

    virtual void activate() = 0;
    virtual bool leave() = 0;

protected:
    Questions& questions() const { return questions_; }

    /// Shows `message`, gives `field` the focus and selects its text.
    void refuse(QWidget* field, const std::string& message);
    /// Reads a whole number typed in `field`; anything else is refused with "Please enter an integer.".
    bool readInteger(QLineEdit* field, int32_t& value);
    /// Rewraps the description in `field` to `width` characters ("Format-60", "Format-80"); only that
    /// field changes. The focus goes back to it.
    void formatDescription(QPlainTextEdit* field, int width);
    /// "Remove" on a list: takes out the selected entry, if any, and leaves nothing selected, so a
    /// second "Remove" does not take its neighbour unasked. False when nothing was selected.
    static bool removeSelectedEntry(QListWidget* list);

private:
    Questions& questions_;
};

} // namespace tarnholt
