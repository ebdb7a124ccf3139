// Damage of the kinds files meet in the wild, applied to valid files: flipped bits, cut-off ends, stray
// "^", every kind of line end and Ctrl-Z, invalid UTF-8 and Windows-1252 bytes, overlong lines and huge
// fields, odd weekday, kind, mode, time and date fields, lines doubled, lost or moved, binary junk.
#pragma once

#include "reliability/bad_input_random.h"

#include <string>

namespace klaxora::badinput {

// Applies one to `most` damages to `bytes`; returns their names, for the report of a failure.
std::string damage(Random& random, std::string& bytes, int most);

// Replaces `bytes`, a valid file, by something that is hardly an alarm file at all: random bytes, the
// file with a byte-order mark or in UTF-16, a single huge line, separators only.
std::string replaceByJunk(Random& random, std::string& bytes);

} // namespace klaxora::badinput
