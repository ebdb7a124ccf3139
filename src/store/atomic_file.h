// Replacing a whole file so that it is either the old file or the new one, never a mix.
#pragma once

#include "store/file_system.h"

#include <string>
#include <string_view>

namespace klaxora {

// Writes `contents` to a temporary file beside `path`, flushes and syncs it, renames it over `path` and
// syncs the folder. On any failure before the rename the temporary file is removed, `path` keeps its
// previous contents byte for byte, and InOutError is thrown with the failing step's error code; a failed
// folder sync throws too, `path` then already holding the new contents.
void replaceFileAtomically(FileSystem& fileSystem, const std::string& path, std::string_view contents);

} // namespace klaxora
