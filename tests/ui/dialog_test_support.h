// Shared pieces of the dialog and command tests: an alarm store on a scratch folder with a fake clock and an
// en_US-like user, and answering the message boxes that the code under test opens.
#pragma once

#include "message_box_answer.h"
#include "store/alarm_file.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "store/date_time.h"
#include "store/file_system.h"
#include "store/format_settings.h"
#include "store/store_test_support.h"
#include "support/alarm_lines.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace klaxora::test {

using klaxora::testing::at;
using klaxora::testing::usUser;

// An alarm store whose file lies in a scratch folder; the clock starts on Friday 6 March 2026, 9:00 AM.
struct StoreOnDisk {
    FakeClock clock{at(2026, 3, 6, 9, 0)};
    DateTimeFormats formats{usUser()};
    QTemporaryDir folder;
    PosixFileSystem fileSystem;
    AlarmStore store{clock, formats, folder.path().toStdString(), fileSystem};

    QString filePath() const
    {
        return folder.filePath(QString::fromUtf8(AlarmFileName.data(), AlarmFileName.size()));
    }
    bool fileExists() const { return QFile::exists(filePath()); }
    void removeFile() const { QFile::remove(filePath()); }
    std::string fileContents() const
    {
        QFile file(filePath());
        if (!file.open(QIODevice::ReadOnly))
            return "<no file>";
        // The seven fields of each line; the identities are random.
        return test::withoutUids(file.readAll().toStdString());
    }
    // An existing file, as a sound file to choose.
    std::string makeFile(const QString& name) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("RIFF");
        return path.toStdString();
    }
};

} // namespace klaxora::test
