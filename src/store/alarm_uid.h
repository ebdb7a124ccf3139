// The identities of alarms: a text that stays with an alarm through edits, snoozes and moves, so that
// the same alarm is known again in a calendar file or on another machine.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace klaxora {

// Makes new identities: 128 random bits as 32 hex digits, then "@klaxora".
class AlarmUidSource {
public:
    // Seeded from the system's random device.
    AlarmUidSource();
    // The same seed gives the same identities, for tests.
    explicit AlarmUidSource(std::uint64_t seed) : random_(seed) {}

    std::string newUid();

private:
    std::mt19937_64 random_;
};

} // namespace klaxora
