// The program's help files are folders of HTML pages in its resources, named after the help file:
// "KLAXORA.HLP" is :/help/klaxora/, a context topic n is the page n.html, the contents page index.html.
#pragma once

#include <QString>
#include <QUrl>

namespace klaxora {

// The resource folder of a help file given by name or by path (either kind of slash), without regard to case;
// empty when the program has no such help file.
QString helpFolder(const QString& helpFile);

// The page of a context topic or the contents page; an empty URL when there is no such page.
QUrl helpTopicUrl(const QString& helpFile, int topic);
QUrl helpContentsUrl(const QString& helpFile);

} // namespace klaxora
