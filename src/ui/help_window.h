// The program's help window: the help viewer on a page of one of the program's help files, reached by
// context topic or contents, with the program's own pictures.
#pragma once

#include "controls/help_viewer.h"

#include <QString>
#include <QWidget>

namespace klaxora {

class HelpWindow : public HelpViewer {
    Q_OBJECT

public:
    // The window belongs to its owner (the main window) and goes when the owner goes.
    explicit HelpWindow(QWidget* owner = nullptr);

    void showTopic(const QString& helpFile, int topic);
    void showContents(const QString& helpFile);
};

// Opens the help file at a context topic in the help window of the owner's outermost window, which is made
// when that window has none.
HelpWindow* showHelpContext(QWidget* owner, const QString& helpFile, int topic);
// Opens the help file at its contents page in the same way.
HelpWindow* showHelpContents(QWidget* owner, const QString& helpFile);

} // namespace klaxora
