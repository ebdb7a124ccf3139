// extractField against the plainest reading of its rule: split the text at every separator (a final
// separator ends in an empty field) and take field Index, counted from 1; any other index is empty.
// The alarm file reader's own split of a line into its seven fields must agree with it.
// Input: the index as decimal text, a line feed, the separator byte, then the text.
#include "fuzz_check.h"
#include "store/alarm_file.h"
#include "store/text_helpers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string reference(std::string_view text, char separator, long long index)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (index < 1 || index > static_cast<long long>(fields.size()))
        return {};
    return std::string(fields[static_cast<std::size_t>(index - 1)]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = input.find('\n');
    if (lineEnd == std::string_view::npos || lineEnd + 1 >= input.size())
        return 0;
    long long wanted = 0;
    std::from_chars(input.data(), input.data() + lineEnd, wanted);
    const int index =
        static_cast<int>(std::max<long long>(INT32_MIN, std::min<long long>(INT32_MAX, wanted)));
    const char separator = input[lineEnd + 1];
    const std::string_view text = input.substr(lineEnd + 2);

    klaxora::fuzz::require(klaxora::extractField(text, separator, index) == reference(text, separator, index),
                           "extractField(\"" + std::string(text) + "\", '" + separator + "', " +
                               std::to_string(index) + ")");
    for (int i = 0; i <= 9; ++i)
        klaxora::fuzz::require(klaxora::extractField(text, separator, i) == reference(text, separator, i),
                               "extractField of field " + std::to_string(i));
    const std::array<std::string_view, 7> fields = klaxora::splitAlarmFields(text);
    for (int i = 0; i < 7; ++i)
        klaxora::fuzz::require(fields[static_cast<std::size_t>(i)] == klaxora::extractField(text, '^', i + 1),
                               "SplitAlarmFields gives field " + std::to_string(i + 1) +
                                   " as extractField does");
    return 0;
}
