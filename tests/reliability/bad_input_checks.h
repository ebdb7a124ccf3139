// What a start of the program on a given alarm file must leave behind, checked three ways: against the
// lines the test composed (their meaning is known), against the store's own load of the same file in
// this process, and by loading the rewritten file again, which must give the same alarms and bytes.
#pragma once

#include "reliability/bad_input_model.h"

#include <string>
#include <vector>

namespace klaxora::badinput {

struct RewriteCheck {
    std::vector<std::string> problems;
    bool complete = false; // every line was known, so the rewrite was compared line for line
    int keptLines = 0;     // known lines whose alarms were found in the rewrite
    int droppedLines = 0;  // known lines that had to leave nothing
    int rewrittenLines = 0;
};

// `input` is the file the program was started with and `rewritten` what it left; the load happened at
// a moment between the two of `moments` (the start and the end of the run), so that what had passed
// then is as at one of them. `scratch` is an empty folder for the store's loads.
RewriteCheck checkRewrite(const std::string& input, const std::string& rewritten, const KnownLines& known,
                          const std::vector<Moment>& moments, const std::string& scratch);

} // namespace klaxora::badinput
