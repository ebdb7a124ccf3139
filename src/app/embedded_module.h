// Modules the program carries inside itself. Each part that pulls in heavy libraries (the window with
// Qt Widgets, sound with Qt Multimedia) is built as a module whose file the build places in the program
// (cmake/EmbeddedModule.cmake); it is loaded from memory when it is needed, so the program stays one
// file that can be copied anywhere while a run that does not need a part maps none of its libraries.
#pragma once

#include <string>

namespace klaxora {

// Hands the module file between `begin` and `end` to the dynamic loader and returns the address of its
// exported function `entry`; null, with `error` set, when that fails. `name` labels the memory file.
// The module stays loaded to the end of the process, as linked libraries do.
void* loadEmbeddedModule(const char* name, const unsigned char* begin, const unsigned char* end,
                         const char* entry, std::string& error);

} // namespace klaxora
