#include "store/format_settings.h"

namespace klaxora {

FormatSettings StorageFormatSettings(const FormatSettings& user)
{
    FormatSettings storage = user;
    storage.ShortDatePattern = "mm/dd/yyyy";
    storage.DateSeparator = '/';
    storage.TimeSeparator = ':';
    storage.TimeAMString = "AM";
    storage.TimePMString = "PM";
    return storage;
}

} // namespace klaxora
