#include "reliability/bad_input_mutations.h"

#include "reliability/bad_input_model.h"

#include <algorithm>
#include <vector>

namespace klaxora::badinput {

namespace {

struct Piece {
    std::string text;
    std::string end; // the line end that followed it, possibly none
};

std::vector<Piece> splitKeepingEnds(const std::string& bytes)
{
    std::vector<Piece> pieces;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            pieces.push_back({bytes.substr(start), {}});
            break;
        }
        const std::size_t length = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        pieces.push_back({bytes.substr(start, end - start), bytes.substr(end, length)});
        start = end + length;
    }
    return pieces;
}

std::string join(const std::vector<Piece>& pieces)
{
    std::string bytes;
    for (const Piece& piece : pieces)
        bytes += piece.text + piece.end;
    return bytes;
}

std::size_t position(Random& random, const std::string& bytes)
{
    return static_cast<std::size_t>(uniform(random, 0, static_cast<int>(bytes.size())));
}

std::string randomBytes(Random& random, std::size_t count)
{
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(uniform(random, 0, 255));
    return bytes;
}

// Replaces field `index` (from 0) of a random line, adding empty fields when the line has fewer.
void replaceField(Random& random, std::string& bytes, std::size_t index, const std::string& value)
{
    std::vector<Piece> pieces = splitKeepingEnds(bytes);
    if (pieces.empty())
        return;
    std::string& line =
        pieces[static_cast<std::size_t>(uniform(random, 0, static_cast<int>(pieces.size()) - 1))].text;
    const std::vector<std::string_view> split = fields(line);
    std::vector<std::string> fields(split.begin(), split.end());
    fields.resize(std::max(fields.size(), index + 1));
    fields[index] = value;
    line.clear();
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : "^") + fields[i];
    bytes = join(pieces);
}

constexpr auto BrokenUtf8 =
    std::to_array<const char*>({"\xC3", "\xFF", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82",
                                "\x80", "\xF8\x88\x80\x80\x80", "\xEF\xBB\xBF"});
constexpr auto LineEnds = std::to_array<const char*>({"\r", "\n", "\r\n", "\n\r", "\r\r", "\n\n"});

void replaceLineEnds(std::string& bytes, const char* end)
{
    std::vector<Piece> pieces = splitKeepingEnds(bytes);
    for (Piece& piece : pieces)
        piece.end = piece.end.empty() ? "" : end;
    bytes = join(pieces);
}

// Applies one damage and returns its name.
std::string damageOnce(Random& random, std::string& bytes)
{
    switch (uniform(random, 0, 20)) {
    case 0:
        for (int n = uniform(random, 1, 8); n > 0 && !bytes.empty(); --n)
            bytes[position(random, bytes) % bytes.size()] ^= static_cast<char>(1 << uniform(random, 0, 7));
        return "bit flips";
    case 1:
        bytes.resize(position(random, bytes));
        return "cut off";
    case 2:
        for (int n = uniform(random, 1, 5); n > 0; --n)
            bytes.insert(position(random, bytes), 1, '^');
        return "stray ^";
    case 3:
        bytes.insert(position(random, bytes), pick(random, LineEnds));
        return "line end inserted";
    case 4: {
        static constexpr auto ends = std::to_array<const char*>({"\n", "\r", "\r\n"});
        const char* end = pick(random, ends);
        replaceLineEnds(bytes, end);
        return std::string("all line ends ") + (end[0] == '\n' ? "LF" : end[1] ? "CR LF" : "CR");
    }
    case 5:
        bytes.insert(position(random, bytes), 1, '\x1A');
        return "Ctrl-Z";
    case 6:
        bytes.insert(position(random, bytes), pick(random, BrokenUtf8));
        return "invalid UTF-8";
    case 7:
        for (int n = uniform(random, 1, 5); n > 0; --n)
            bytes.insert(position(random, bytes), 1, static_cast<char>(uniform(random, 0x80, 0xFF)));
        return "Windows-1252 bytes";
    case 8: {
        const std::size_t length = static_cast<std::size_t>(uniform(random, 10000, 300000));
        const std::string line = chance(random, 0.5)
                                     ? std::string(length, 'A')
                                     : "07:30pm^" + fieldText(random, false, length) + "^^3^^^1";
        bytes.insert(position(random, bytes), "\r\n" + line + "\r\n");
        return "overlong line";
    }
    case 9: {
        const std::size_t caret = bytes.find('^', position(random, bytes));
        const std::size_t length = static_cast<std::size_t>(uniform(random, 5000, 200000));
        bytes.insert(caret == std::string::npos ? bytes.size() : caret,
                     fieldText(random, chance(random, 0.3), length));
        return "huge field";
    }
    case 10: {
        static constexpr auto weekdays =
            std::to_array<const char*>({"", "1234567", "0", "89", "7", "11111111111", "a1b2",
                                        "\x96"
                                        "3",
                                        "\t5"});
        replaceField(random, bytes, 2, pick(random, weekdays));
        return "weekday field";
    }
    case 11: {
        static constexpr auto kinds =
            std::to_array<const char*>({"3", "0", "", "$", "-2147483648", "99999999999", "$FFFFFFFF",
                                        "$7FFFFFFF", " -3", "3x", "+", "$$3"});
        replaceField(random, bytes, 3, pick(random, kinds));
        return "kind field";
    }
    case 12: {
        static constexpr auto modes =
            std::to_array<const char*>({"0", "1", "2", "3", "255", "", "\xFF", "-"});
        replaceField(random, bytes, 6, pick(random, modes));
        return "mode field";
    }
    case 13: {
        static constexpr auto times =
            std::to_array<const char*>({"12:00am", "11:59pm", "0:00", "23:59", "12:00 AM", "99:99", "",
                                        "1000:00", "12:00pm:00", "  1  :  2  "});
        replaceField(random, bytes, 0, pick(random, times));
        return "time field";
    }
    case 14: {
        static constexpr auto dates =
            std::to_array<const char*>({"02/29/2096", "02/29/2100", "12/31/9999", "01/01/0001", "1/1/10000",
                                        "9/9/99", "0/0/0", "/", "99999999999/1/1", "12/31/1899"});
        replaceField(random, bytes, 4, pick(random, dates));
        return "date field";
    }
    case 15: {
        std::vector<Piece> pieces = splitKeepingEnds(bytes);
        if (!pieces.empty()) {
            const auto at = static_cast<std::size_t>(uniform(random, 0, static_cast<int>(pieces.size()) - 1));
            const Piece copy = pieces[at];
            pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(at), uniform(random, 1, 3), copy);
        }
        bytes = join(pieces);
        return "line doubled";
    }
    case 16: {
        std::vector<Piece> pieces = splitKeepingEnds(bytes);
        if (!pieces.empty())
            pieces.erase(pieces.begin() + uniform(random, 0, static_cast<int>(pieces.size()) - 1));
        bytes = join(pieces);
        return "line lost";
    }
    case 17: {
        std::vector<Piece> pieces = splitKeepingEnds(bytes);
        std::shuffle(pieces.begin(), pieces.end(), random);
        bytes = join(pieces);
        return "lines moved";
    }
    case 18:
        bytes.insert(position(random, bytes),
                     randomBytes(random, static_cast<std::size_t>(uniform(random, 1, 4096))));
        return "binary junk";
    case 19:
        bytes.insert(position(random, bytes), static_cast<std::size_t>(uniform(random, 1, 8)), '\0');
        return "NUL bytes";
    default: {
        const std::size_t from = position(random, bytes);
        const std::size_t length = static_cast<std::size_t>(uniform(random, 0, 400));
        const std::string part = bytes.substr(from, length);
        bytes.insert(position(random, bytes), part);
        return "part copied";
    }
    }
}

} // namespace

std::string damage(Random& random, std::string& bytes, int most)
{
    std::string names;
    for (int n = uniform(random, 1, most); n > 0; --n)
        names += (names.empty() ? "" : ", ") + damageOnce(random, bytes);
    return names;
}

std::string replaceByJunk(Random& random, std::string& bytes)
{
    switch (uniform(random, 0, 7)) {
    case 0:
        bytes = randomBytes(random, static_cast<std::size_t>(uniform(random, 0, 65536)));
        return "random bytes";
    case 1: {
        static constexpr auto fill = std::to_array<char>({'^', '\r', '\n', '\x1A', '\0'});
        bytes.assign(static_cast<std::size_t>(uniform(random, 1, 10000)), pick(random, fill));
        return "one byte repeated";
    }
    case 2:
        bytes.insert(0, "\xEF\xBB\xBF");
        return "UTF-8 byte-order mark";
    case 3: {
        std::string wide = "\xFF\xFE";
        for (const char c : bytes)
            wide += std::string{c, '\0'};
        bytes = wide;
        return "UTF-16";
    }
    case 4: {
        const std::string once = bytes;
        while (bytes.size() < 200000 && !once.empty())
            bytes += once;
        return "repeated to 200 kB";
    }
    case 5:
        bytes.clear();
        return "empty";
    case 6:
        bytes = "07:30pm^" + std::string(static_cast<std::size_t>(uniform(random, 500000, 1500000)), 'x') +
                "^^3^12/31/2099^^0";
        return "one huge line";
    default:
        bytes = std::string(static_cast<std::size_t>(uniform(random, 1, 3000)), '^') + "\r\n" + bytes;
        return "separators first";
    }
}

} // namespace klaxora::badinput
