#include "store/alarm_uid.h"

#include <cstdio>

namespace klaxora {

AlarmUidSource::AlarmUidSource()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    random_.seed(seed);
}

std::string AlarmUidSource::newUid()
{
    char text[48];
    const auto high = static_cast<unsigned long long>(random_());
    const auto low = static_cast<unsigned long long>(random_());
    std::snprintf(text, sizeof text, "%016llx%016llx@klaxora", high, low);
    return text;
}

} // namespace klaxora
