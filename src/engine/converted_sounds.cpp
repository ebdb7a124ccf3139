#include "engine/converted_sounds.h"

#include <QDir>

namespace klaxora {

QString convertedSoundsFolder(const QString& instanceFolder)
{
    return instanceFolder.isEmpty() ? QDir::tempPath() : instanceFolder + QStringLiteral("/klaxora-sounds");
}

void removeLeftoverConvertedSounds(const QString& instanceFolder)
{
    if (instanceFolder.isEmpty()) {
        return;
    }
    QDir sounds(convertedSoundsFolder(instanceFolder));
    for (const QString& name : sounds.entryList({QStringLiteral("klaxora-*.wav")}, QDir::Files)) {
        sounds.remove(name);
    }
}

} // namespace klaxora
