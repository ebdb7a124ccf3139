#include "app/embedded_module.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace klaxora {

void* loadEmbeddedModule(const char* name, const unsigned char* begin, const unsigned char* end,
                         const char* entry, std::string& error)
{
    const int file = memfd_create(name, MFD_CLOEXEC);
    if (file < 0) {
        error = std::string("memfd_create: ") + std::strerror(errno);
        return nullptr;
    }
    const unsigned char* data = begin;
    while (data < end) {
        const ssize_t written = write(file, data, static_cast<size_t>(end - data));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error = std::string("write: ") + std::strerror(errno);
            close(file);
            return nullptr;
        }
        data += written;
    }
    // The image's pages were read only to be copied; the program need not keep them.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) & ~(page - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) & ~(page - 1);
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
    void* module = dlopen(("/proc/self/fd/" + std::to_string(file)).c_str(), RTLD_NOW | RTLD_LOCAL);
    close(file); // the loader keeps its own mapping
    if (module == nullptr) {
        error = dlerror();
        return nullptr;
    }
    void* function = dlsym(module, entry);
    if (function == nullptr) {
        error = dlerror();
    }
    return function;
}

} // namespace klaxora
