// A help viewer: a window of its own that shows HTML pages with Contents, Back and Forward. Pages show
// pictures as <img src="picture:name">, drawn by the viewer's picture source.
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QPushButton;
class QTextBrowser;

namespace klaxora {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // The picture of a name in a "picture:" address; a null image for a name it does not know.
    using PictureSource = std::function<QImage(const QString& name)>;

    // The window belongs to its owner and goes when the owner goes. The caption is `title`, followed by
    // the title of the page shown.
    HelpViewer(QWidget* owner, PictureSource pictures, QString title);

    void showPage(const QUrl& page);
    // A message in place of a page that cannot be shown.
    void showProblem(const QString& heading, const QString& text);
    // The page Contents opens; none disables the button.
    void setContentsPage(const QUrl& page);

    QTextBrowser* browser() const { return browser_; }

private:
    void updateTitle();

    const QString title_;
    QUrl contentsPage_;
    QTextBrowser* browser_;
    QPushButton* contentsButton_;
};

} // namespace klaxora
