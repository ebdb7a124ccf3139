#include "store/files_folder.h"

#include "store/atomic_file.h"
#include "store/io_error.h"

#include <array>
#include <cerrno>
#include <string_view>

namespace klaxora {

namespace {

constexpr std::array<std::string_view, 2> UserFiles = {"Alarms.dat", "ALARM.INI"};

// Asks the folder itself: permission bits, read-only media and access lists all have their say.
bool canWriteIn(FileSystem& fileSystem, const std::string& folder)
{
    FileHandle handle = nullptr;
    std::string probe;
    if (fileSystem.openTemporary(joinPath(folder, UserFiles[0]), handle, probe) != 0)
        return false;
    fileSystem.close(handle);
    fileSystem.remove(probe);
    return true;
}

// Copies a file the user's folder lacks; false when one standing beside the program could not be copied.
// The program's folder is asked first: an installed program has nothing beside it, and the user's own
// file, which the start reads next anyway, is then not read twice.
bool bringAlong(FileSystem& fileSystem, const std::string& from, const std::string& to)
{
    std::string contents;
    const int error = fileSystem.readWholeFile(from, contents);
    if (error == ENOENT)
        return true;
    std::string own;
    if (fileSystem.readWholeFile(to, own) != ENOENT)
        return true; // the user's own copy wins, even an unreadable one
    if (error != 0)
        return false;
    try {
        replaceFileAtomically(fileSystem, to, contents);
    } catch (const InOutError&) {
        return false;
    }
    return true;
}

} // namespace

std::string chooseFilesFolder(FileSystem& fileSystem, const std::string& programFolder,
                              const std::string& userFolder)
{
    if (canWriteIn(fileSystem, programFolder) || fileSystem.makeFolder(userFolder) != 0)
        return programFolder;
    for (const std::string_view name : UserFiles) {
        if (!bringAlong(fileSystem, joinPath(programFolder, name), joinPath(userFolder, name)))
            return programFolder;
    }
    return userFolder;
}

} // namespace klaxora
