#include "store/atomic_file.h"

#include "store/io_error.h"

#include <filesystem>

namespace klaxora {

namespace {

std::string folderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// Throws the first failure after removing the half-written temporary file.
void check(int error, FileSystem& fileSystem, const std::string& temporaryPath)
{
    if (error == 0)
        return;
    (void)fileSystem.remove(temporaryPath);
    throw InOutError(error);
}

} // namespace

void replaceFileAtomically(FileSystem& fileSystem, const std::string& path, std::string_view contents)
{
    FileHandle handle = nullptr;
    std::string temporaryPath;
    if (const int error = fileSystem.openTemporary(path, handle, temporaryPath); error != 0)
        throw InOutError(error);

    int error = fileSystem.write(handle, contents);
    if (error == 0)
        error = fileSystem.flush(handle);
    if (error == 0)
        error = fileSystem.sync(handle);
    // The handle is released whatever happened before; a close that fails can lose buffered data.
    const int closeError = fileSystem.close(handle);
    if (error == 0)
        error = closeError;
    check(error, fileSystem, temporaryPath);
    check(fileSystem.rename(temporaryPath, path), fileSystem, temporaryPath);
    // Until the folder is on the disk, a power cut can bring back the old file.
    if (const int folderError = fileSystem.syncFolder(folderOf(path)); folderError != 0)
        throw InOutError(folderError);
}

} // namespace klaxora
