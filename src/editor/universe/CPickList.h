#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tarnholt {

class Questions;

/// The one selection form of the program: a prompt over an alphabetical list, "Use" and "Cancel".
/// "Use" without a selection is refused with a message; a double click on an entry chooses it.
class CPickList : public QDialog {
    Q_OBJECT
public:
    explicit CPickList(Questions& questions, QWidget* parent = nullptr);

    void setTitle(const std::string& title);
    void setPrompt(const std::string& prompt);
    /// The strings to offer; the list shows them in alphabetical order.
    void setEntries(const std::vector<std::string>& entries);

    /// The entry chosen with "Use" (or a double click); empty until then.
    const std::optional<std::string>& choice() const { return choice_; }

    /// Runs a pick list modally and gives back the chosen string, or nothing when cancelled.
    static std::optional<std::string> pick(QWidget* parent, Questions& questions, const std::string& title,
                                           const std::string& prompt, const std::vector<std::string>& entries);

private:
    void use();
    void choose(QListWidgetItem* item);

    Questions& questions_;
    QLabel* prompt_ = nullptr;
    QListWidget* list_ = nullptr;
    std::optional<std::string> choice_;
};

} // namespace tarnholt
