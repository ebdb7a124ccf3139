#include "ui/help_files.h"

#include <QDir>
#include <QFile>

#include <algorithm>

// Resources of a static library are registered by hand, outside any namespace.
static void RegisterHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(klaxora_help);
        return true;
    }();
    (void)registered;
}

namespace klaxora {

namespace {

QUrl PageUrl(const QString& folder, const QString& page)
{
    if (folder.isEmpty() || !QFile::exists(folder + page)) {
        return {};
    }
    return QUrl(QStringLiteral("qrc") + folder + page);
}

} // namespace

QString HelpFolder(const QString& helpFile)
{
    RegisterHelpResources();
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

QUrl HelpTopicUrl(const QString& helpFile, int topic)
{
    return PageUrl(HelpFolder(helpFile), QString::number(topic) + QStringLiteral(".html"));
}

QUrl HelpContentsUrl(const QString& helpFile)
{
    return PageUrl(HelpFolder(helpFile), QStringLiteral("index.html"));
}

} // namespace klaxora
