// Writes the program icon as PNG files in the sizes of the desktop's hicolor icon theme:
// <folder>/<n>x<n>/apps/klaxora.png, for installers and desktop entries.
#include "ui/program_icon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : klaxora::ProgramIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QStringLiteral("/klaxora.png");
        if (!QDir().mkpath(folder) || !klaxora::programIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
