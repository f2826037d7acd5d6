#pragma once

#include <QStringList>
#include <memory>

class QSettings;

namespace tarnholt {

struct DisplaySettings;

/// The per-user settings store of the program (organisation "Tarnholt", application key
/// "Tarnholt 2.0"): the display colours in section "Colors", the recent-file list in section
/// "Recent File List", and the list column widths.
class CSettingsStore {
public:
    static QString organisation();
    static QString application();

    /// The store of the user running the program.
    static std::unique_ptr<QSettings> open();

    /// Reads the 21 colour ints of section "Colors"; a key that is absent, or whose value is not an
    /// integer, keeps the value `settings` holds (the defaults, on a first start). Values outside
    /// 0 to 255 are taken as stored.
    static void loadColors(QSettings& store, DisplaySettings& settings);
    /// Writes all 21 colour ints, changed or not.
    static void saveColors(QSettings& store, const DisplaySettings& settings);

    static constexpr int kRecentFileCount = 10;
    /// The recent files, most recent first: keys "File1" to "File10" of "Recent File List".
    static QStringList loadRecentFiles(QSettings& store);
    static void saveRecentFiles(QSettings& store, const QStringList& files);
};

} // namespace tarnholt
