// Which window system the toolkit will draw through, known before it starts: settings that only the X11
// connection reads are set only when there will be one, and a start that finds none says what was tried.
#pragma once

#include <functional>
#include <string>

namespace klaxora {

// The toolkit's own choice: a platform named by "-platform" or QT_QPA_PLATFORM (the first of a ';' list),
// otherwise Wayland in a Wayland session and X11 elsewhere. `environment` reads a variable (nullptr when
// unset).
bool startsOnX11(int argc, const char* const* argv,
                 const std::function<const char*(const char*)>& environment);

// The one line a start says when the toolkit cannot start its window system: without a platform named,
// there is no display; a named one is quoted.
std::string noWindowSystemLine(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& environment);

} // namespace klaxora
