#include "store/program_directory.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <vector>

namespace klaxora {

std::string directoryOfPath(std::string_view path, char separator)
{
    const std::size_t last = path.rfind(separator);
    std::string folder(last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1));
    if (folder.empty() || folder.back() != separator)
        folder += separator;
    return folder;
}

#ifdef _WIN32

std::string programDirectory()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            const int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), static_cast<int>(length),
                                                  nullptr, 0, nullptr, nullptr);
            std::string path(static_cast<std::size_t>(bytes), '\0');
            WideCharToMultiByte(CP_UTF8, 0, buffer.data(), static_cast<int>(length), path.data(), bytes,
                                nullptr, nullptr);
            return directoryOfPath(path, '\\');
        }
        buffer.resize(buffer.size() * 2); // the path was cut off
    }
}

#else

std::string programDirectory()
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return directoryOfPath(std::string_view(buffer.data(), static_cast<std::size_t>(length)), '/');
        buffer.resize(buffer.size() * 2); // the path may have been cut off
    }
}

#endif

} // namespace klaxora
