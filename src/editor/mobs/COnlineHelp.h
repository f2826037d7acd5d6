#pragma once

#include <QWidget>

#include <string>

class QPlainTextEdit;

namespace tarnholt {

class Questions;

/// The program's online help: one window titled "Tarnholt Online Help" with a read-only text.
/// It is made on the first request, shown without blocking whatever asked for it, hidden (not
/// destroyed) when closed, and kept until the program ends.
class COnlineHelp : public QWidget {
    Q_OBJECT
public:
    /// Shows `text` in the help window, making the window first when there is none yet.
    /// When the window can not be made, says "Unable to create the help dialog." and returns false.
    static bool showText(const QString& text, Questions& questions);

    /// The help window, or null before the first request.
    static COnlineHelp* window();

    QString text() const;

private:
    COnlineHelp();

    QPlainTextEdit* text_ = nullptr;
};

/// What the help says about the mob editor's Identifier and name/alias fields.
QString mobDescriptionHelpText();

} // namespace tarnholt
