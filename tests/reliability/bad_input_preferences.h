// "ALARM.INI" as it may be found beside the program: missing, a folder, or a file with sections and keys
// duplicated, missing, misspelt or in other case, values of every sort, comments and junk lines, any line
// ends, and now and then damaged like an alarm file.
#pragma once

#include "reliability/bad_input_random.h"

#include <string>

namespace klaxora::badinput {

struct PreferencesInput {
    enum class Form { Missing, File, Folder };
    Form form = Form::File;
    std::string bytes;
    std::string description;
};

PreferencesInput composePreferences(Random& random);

} // namespace klaxora::badinput
