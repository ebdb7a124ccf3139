// The program's help window: shows a page of one of its help files, reached by context topic or contents.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace klaxora {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The window belongs to its owner (the main window) and goes when the owner goes.
    explicit HelpWindow(QWidget* owner = nullptr);

    void ShowTopic(const QString& helpFile, int topic);
    void ShowContents(const QString& helpFile);

    QTextBrowser* Browser() const { return browser_; }

private:
    void ShowProblem(const QString& heading, const QString& text);
    void UpdateTitle();

    QString helpFile_;
    QTextBrowser* browser_;
    QPushButton* contentsButton_;
};

// Opens the help file at a context topic in the help window of the owner's outermost window, which is made
// when that window has none.
HelpWindow* ShowHelpContext(QWidget* owner, const QString& helpFile, int topic);
// Opens the help file at its contents page in the same way.
HelpWindow* ShowHelpContents(QWidget* owner, const QString& helpFile);

} // namespace klaxora
