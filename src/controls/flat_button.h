// FlatButton: a flat push button painted on its parent, with a bitmap, a caption, an optional
// drop-down menu and group behaviour. It draws a one-pixel raised border only while the mouse is over it.
//
// Published properties and their C++ names (defaults of a new button in brackets):
//   Cancel              cancel() / setCancel()                       [false]  Escape clicks the button
//   Default             isDefault() / setDefault()                   [false]  Enter clicks the button
//   Alignment           alignment() / setAlignment()                 [taCenter]
//   AllowAllUp          allowAllUp() / setAllowAllUp()               [false]
//   BevelStyle          bevelStyle() / setBevelStyle()               [bsRaised]
//   NoFocusBitmap       noFocusBitmap() / setNoFocusBitmap()         [empty]
//   Bitmap              bitmap() / setBitmap()                       [empty]
//   Caption             caption() / setCaption()                     [empty]  '&' marks the accelerator
//   GroupIndex          groupIndex() / setGroupIndex()               [0 = no group]
//   DisabledBitmap      disabledBitmap() / setDisabledBitmap()       [empty]
//   Down                isDown() / setDown()                         [false]
//   DropDownMenu        dropDownMenu() / setDropDownMenu()           [nullptr]
//   Enabled             QWidget::isEnabled() / setEnabled()          [true]
//   Layout              buttonLayout() / setButtonLayout()           [blBitmapTop]
//                       (QWidget::setLayout is Qt's layout manager, hence the different name)
//   Options             options() / setOptions()                     [boMonoDisplay | boPopupMark]
//   ShadingType         shadingType() / setShadingType()             [stMedium]
//   ShowDownPattern     showDownPattern() / setShowDownPattern()     [true]
//   UnselectedFontColor unselectedFontColor() / setUnselectedFontColor()  [window text colour]
//   WordWrap            wordWrap() / setWordWrap()                   [false]
//   Hint, ShowHint      hint() / setHint() (the tool tip), showHint() / setShowHint()  [empty, true]
//   PopupMenu           popupMenu() / setPopupMenu()                 [nullptr]
//   Font                QWidget::font() / setFont()
//   OnClick             signal clicked()
// A new button is 50 x 40 pixels. Menus are not owned; a destroyed menu is forgotten.
//
// Colours come from the widget's palette (Active group): button face = Button, highlight = Light,
// shadow = Dark, window text = WindowText. The caption's "font colour" is WindowText.
//
// The button never takes the keyboard focus. Alt with the caption's accelerator reaches it as a window
// shortcut. Keys that the focused widget passes on reach it through FlatButtonKeys, which the button
// installs on its window when shown: the accelerator typed alone, Enter for a Default button and
// Escape for a Cancel button. Nothing reacts while the button is disabled or hidden.
//
// A press relies on Qt's implicit mouse grab: the release comes back to the button wherever it
// happens, so a release outside clears the pressed state without a click.
#pragma once

#include "controls/flat_button_layout.h"
#include "controls/flat_button_types.h"

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

class QPixmap;

namespace klaxora {

class FlatButton : public QWidget {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);
    ~FlatButton() override;

    bool cancel() const { return cancel_; }
    void setCancel(bool value) { cancel_ = value; }
    bool isDefault() const { return default_; }
    void setDefault(bool value) { default_ = value; }

    flatbtn::TextAlignment alignment() const { return alignment_; }
    void setAlignment(flatbtn::TextAlignment value);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool value);
    flatbtn::BevelStyle bevelStyle() const { return bevelStyle_; }
    void setBevelStyle(flatbtn::BevelStyle value);

    // The button keeps its own copy of every picture.
    const QImage& bitmap() const { return bitmap_; }
    void setBitmap(const QImage& picture);
    void setBitmap(const QPixmap& picture);
    const QImage& noFocusBitmap() const { return noFocusBitmap_; }
    void setNoFocusBitmap(const QImage& picture);
    void setNoFocusBitmap(const QPixmap& picture);
    const QImage& disabledBitmap() const { return disabledBitmap_; }
    void setDisabledBitmap(const QImage& picture);
    void setDisabledBitmap(const QPixmap& picture);
    // The grey picture made from Bitmap for the flat look; empty while it is not needed.
    const QImage& greyCopy() const { return greyCopy_; }

    QString caption() const { return caption_; }
    void setCaption(const QString& value);

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int value);
    bool isDown() const { return down_; }
    void setDown(bool value);

    QMenu* dropDownMenu() const { return dropDownMenu_; }
    void setDropDownMenu(QMenu* menu);
    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    flatbtn::FlatButtonLayout buttonLayout() const { return layout_; }
    void setButtonLayout(flatbtn::FlatButtonLayout value);
    flatbtn::FlatButtonOptions options() const { return options_; }
    void setOptions(flatbtn::FlatButtonOptions value);
    flatbtn::FlatButtonShading shadingType() const { return shadingType_; }
    void setShadingType(flatbtn::FlatButtonShading value);
    bool showDownPattern() const { return showDownPattern_; }
    void setShowDownPattern(bool value);
    // An invalid colour stands for the palette's window text colour.
    QColor unselectedFontColor() const;
    void setUnselectedFontColor(const QColor& value);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);

    QString hint() const { return toolTip(); }
    void setHint(const QString& value) { setToolTip(value); }
    bool showHint() const { return showHint_; }
    void setShowHint(bool value) { showHint_ = value; }

    // The mouse counts as over the button / the left button went down on it and is not yet up.
    bool isHovered() const { return hovered_; }
    bool isPressed() const { return pressed_; }

    // The positions of this button's next paint.
    FlatButtonGeometry paintGeometry() const;

    // Keys the window hands over; true when the button used the key.
    bool dialogKey(int key);
    bool dialogChar(QChar typed);
    // The press of the accelerator, also done for assistive technology: a visible press, then the menu
    // or the group update and the click. False when the button is disabled or hidden.
    bool press();

signals:
    void clicked(); // OnClick

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    bool reacts() const;
    bool captionShown() const;
    bool arrowShown() const;
    bool cursorOverButton() const;
    QList<FlatButton*> groupMates() const;

    void mouseEntered();
    void mouseLeft();
    void leftButtonDown();
    void leftButtonUp();
    void trackPointer(const QPoint& pos);
    void afterMenu();

    void picturesChanged();
    bool needsGreyCopy() const;
    void rebuildGreyCopy();
    void grabAccelerator();

    bool cancel_ = false;
    bool default_ = false;
    flatbtn::TextAlignment alignment_ = flatbtn::taCenter;
    bool allowAllUp_ = false;
    flatbtn::BevelStyle bevelStyle_ = flatbtn::bsRaised;
    QImage bitmap_;
    QImage noFocusBitmap_;
    QImage disabledBitmap_;
    QImage greyCopy_;
    QString caption_;
    int groupIndex_ = 0;
    bool down_ = false;
    QPointer<QMenu> dropDownMenu_;
    QPointer<QMenu> popupMenu_;
    flatbtn::FlatButtonLayout layout_ = flatbtn::blBitmapTop;
    flatbtn::FlatButtonOptions options_ = flatbtn::boMonoDisplay | flatbtn::boPopupMark;
    flatbtn::FlatButtonShading shadingType_ = flatbtn::stMedium;
    bool showDownPattern_ = true;
    QColor unselectedFontColor_;
    bool wordWrap_ = false;
    bool showHint_ = true;

    int acceleratorShortcut_ = 0; // Alt + accelerator, 0 without one

    bool hovered_ = false;
    bool pressed_ = false;
};

} // namespace klaxora
