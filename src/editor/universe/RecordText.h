#pragma once

#include <QString>

#include <string>

namespace tarnholt {

/// Multi-line record texts at the widget boundary: records keep CR LF between lines (as the
/// area files want them), multi-line widgets keep LF.
class RecordText {
public:
    /// A multi-line record text for a multi-line widget.
    static QString linesToQt(const std::string& text);
    /// A multi-line widget text as record text with CR LF between lines.
    static std::string linesFromQt(const QString& text);
};

} // namespace tarnholt
