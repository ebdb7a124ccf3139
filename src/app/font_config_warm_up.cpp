#include "app/font_config_warm_up.h"

#include <dlfcn.h>

namespace klaxora {

FontConfigWarmUp::FontConfigWarmUp()
{
    // Taken from the fontconfig that Qt brought into the process, rather than linked: the program then
    // needs no fontconfig of its own, and does nothing where Qt finds fonts another way. FcInit is
    // thread-safe and keeps what it reads for the whole process.
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        thread_ = std::thread([init] { init(); });
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    Wait();
}

void FontConfigWarmUp::Wait()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace klaxora
