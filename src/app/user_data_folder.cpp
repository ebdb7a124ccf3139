#include "app/user_data_folder.h"

#include "store/files_folder.h"
#include "store/program_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace klaxora {

std::string userDataFolder()
{
    // Named here rather than taken from the program file, so that a renamed copy finds the same folder.
    QCoreApplication::setApplicationName(QStringLiteral("klaxora"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::toNativeSeparators(folder + QLatin1Char('/')).toStdString();
}

std::string programFilesFolder(FileSystem& fileSystem)
{
    return chooseFilesFolder(fileSystem, programDirectory(), userDataFolder());
}

} // namespace klaxora
