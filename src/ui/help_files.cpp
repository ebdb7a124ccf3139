#include "ui/help_files.h"

#include <QDir>
#include <QFile>

#include <algorithm>

// Resources of a static library are registered by hand, outside any namespace.
static void registerHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(klaxora_help);
        return true;
    }();
    (void)registered;
}

namespace klaxora {

namespace {

QUrl pageUrl(const QString& folder, const QString& page)
{
    if (folder.isEmpty() || !QFile::exists(folder + page)) {
        return {};
    }
    return QUrl(QStringLiteral("qrc") + folder + page);
}

} // namespace

QString helpFolder(const QString& helpFile)
{
    registerHelpResources();
    QString name =
        helpFile.mid(std::max(helpFile.lastIndexOf(u'/'), helpFile.lastIndexOf(u'\\')) + 1).toLower();
    if (!name.endsWith(QStringLiteral(".hlp"))) {
        return {};
    }
    name.chop(4);
    // Only plain names: "..HLP" must not reach outside the help folders.
    const bool plain = !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-';
    });
    if (!plain) {
        return {};
    }
    const QString folder = QStringLiteral(":/help/") + name + u'/';
    return QDir(folder).exists() ? folder : QString();
}

QUrl helpTopicUrl(const QString& helpFile, int topic)
{
    return pageUrl(helpFolder(helpFile), QString::number(topic) + QStringLiteral(".html"));
}

QUrl helpContentsUrl(const QString& helpFile)
{
    return pageUrl(helpFolder(helpFile), QStringLiteral("index.html"));
}

} // namespace klaxora
