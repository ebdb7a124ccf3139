// Replacing a whole file so that it is either the old file or the new one, never a mix.
#pragma once

#include "store/file_system.h"

#include <string>
#include <string_view>

namespace klaxora {

// Writes `contents` to a temporary file beside `path`, flushes and syncs it, and renames it over `path`.
// On any failure the temporary file is removed, `path` keeps its previous contents byte for byte, and
// InOutError is thrown with the failing step's error code.
void ReplaceFileAtomically(FileSystem& fileSystem, const std::string& path, std::string_view contents);

} // namespace klaxora
