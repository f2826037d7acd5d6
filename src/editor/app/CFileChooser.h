#pragma once

#include <QString>

class QWidget;

namespace tarnholt {

/// Asks the user for file names with the desktop's file dialogs. Tests replace it with one that
/// answers from a script. An empty result means the dialog was cancelled.
class CFileChooser {
public:
    virtual ~CFileChooser() = default;

    /// An existing file to read. `filter` is in the dialogs' form: "Label (*.ext);;All Files (*)".
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter);
    /// A file to write; `suffix` (without the dot) is appended when the name typed has none.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter, const QString& suffix);
};

} // namespace tarnholt
