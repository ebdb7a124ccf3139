#include "store/format_settings.h"

namespace klaxora {

FormatSettings storageFormatSettings(const FormatSettings& user)
{
    FormatSettings storage = user;
    storage.shortDatePattern = "mm/dd/yyyy";
    storage.dateSeparator = '/';
    storage.timeSeparator = ':';
    storage.timeAmString = "AM";
    storage.timePmString = "PM";
    return storage;
}

} // namespace klaxora
