#include "settings/CSettingsStore.h"

#include <QSettings>

#include "settings/DisplaySettings.h"

namespace tarnholt {

namespace {

const char* const kChannels[3] = {" - Red", " - Green", " - Blue"};

QString colorKey(const DisplaySettings::Entry& entry, int channel)
{
    return QStringLiteral("Colors/") + QLatin1String(entry.keyPrefix) + QLatin1String(kChannels[channel]);
}

int32_t& channelOf(Rgb& rgb, int channel)
{
    return channel == 0 ? rgb.red : channel == 1 ? rgb.green : rgb.blue;
}

} // namespace

QString CSettingsStore::organisation()
{
    return QStringLiteral("Tarnholt");
}

QString CSettingsStore::application()
{
    return QStringLiteral("Tarnholt 2.0");
}

std::unique_ptr<QSettings> CSettingsStore::open()
{
    return std::make_unique<QSettings>(QSettings::UserScope, organisation(), application());
}

void CSettingsStore::loadColors(QSettings& store, DisplaySettings& settings)
{
    for (const auto& entry : DisplaySettings::entries()) {
        Rgb& rgb = settings.*entry.member;
        for (int channel = 0; channel < 3; ++channel) {
            QVariant stored = store.value(colorKey(entry, channel));
            if (!stored.isValid())
                continue;
            bool ok = false;
            qlonglong number = stored.toLongLong(&ok);
            if (ok && number >= INT32_MIN && number <= INT32_MAX)
                channelOf(rgb, channel) = static_cast<int32_t>(number);
        }
    }
}

void CSettingsStore::saveColors(QSettings& store, const DisplaySettings& settings)
{
    std::array<int32_t, 21> values = settings.toInts();
    std::size_t i = 0;
    for (const auto& entry : DisplaySettings::entries()) {
        for (int channel = 0; channel < 3; ++channel)
            store.setValue(colorKey(entry, channel), values[i++]);
    }
    store.sync();
}

QStringList CSettingsStore::loadRecentFiles(QSettings& store)
{
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QString file = store.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty() && !files.contains(file))
            files.append(file);
    }
    return files;
}

void CSettingsStore::saveRecentFiles(QSettings& store, const QStringList& files)
{
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QString key = QStringLiteral("Recent File List/File%1").arg(i);
        if (i <= files.size())
            store.setValue(key, files.at(i - 1));
        else
            store.remove(key);
    }
    store.sync();
}

} // namespace tarnholt
