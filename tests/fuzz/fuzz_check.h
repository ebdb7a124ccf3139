// A failed property ends the fuzz run with a message, so that libFuzzer keeps the input as a finding.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace klaxora::fuzz {

inline void require(bool condition, const std::string& what)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

} // namespace klaxora::fuzz
