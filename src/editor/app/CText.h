#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarnholt {

/// Conversions at the border between record text (8-bit Windows-1252) and the widgets.
class CText {
public:
    /// A record text as a QString.
    static QString toQt(std::string_view text);
    /// A QString as record text; characters without an 8-bit form become '?'.
    static std::string toRecord(const QString& text);

    /// A message of the core as a QString. Messages can carry a file path, which is UTF-8 on this
    /// platform, so valid UTF-8 is read as such and anything else as Windows-1252.
    static QString messageToQt(std::string_view text);

    /// A file path as the core's functions take it (the local 8-bit file name encoding).
    static std::string toPath(const QString& path);
    static QString fromPath(std::string_view path);

    /// A record text as a menu entry: "&" doubled so that it is shown and not taken as a mnemonic.
    static QString menuText(std::string_view text);
};

} // namespace tarnholt
