#include "engine/converted_sounds.h"

#include <QDir>

namespace klaxora {

QString ConvertedSoundsFolder(const QString& instanceFolder)
{
    return instanceFolder.isEmpty() ? QDir::tempPath() : instanceFolder + QStringLiteral("/klaxora-sounds");
}

void RemoveLeftoverConvertedSounds(const QString& instanceFolder)
{
    if (instanceFolder.isEmpty()) {
        return;
    }
    QDir sounds(ConvertedSoundsFolder(instanceFolder));
    for (const QString& name : sounds.entryList({QStringLiteral("klaxora-*.wav")}, QDir::Files)) {
        sounds.remove(name);
    }
}

} // namespace klaxora
