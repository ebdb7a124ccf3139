// TFlatButton: a flat push button painted on its parent, with a bitmap, a caption, an optional
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

class TFlatButton : public QWidget {
    Q_OBJECT

public:
    explicit TFlatButton(QWidget* parent = nullptr);
    ~TFlatButton() override;

    bool cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }
    bool isDefault() const { return m_default; }
    void setDefault(bool value) { m_default = value; }

    flatbtn::TAlignment alignment() const { return m_alignment; }
    void setAlignment(flatbtn::TAlignment value);
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value);
    flatbtn::TBevelStyle bevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(flatbtn::TBevelStyle value);

    // The button keeps its own copy of every picture.
    const QImage& bitmap() const { return m_bitmap; }
    void setBitmap(const QImage& picture);
    void setBitmap(const QPixmap& picture);
    const QImage& noFocusBitmap() const { return m_noFocusBitmap; }
    void setNoFocusBitmap(const QImage& picture);
    void setNoFocusBitmap(const QPixmap& picture);
    const QImage& disabledBitmap() const { return m_disabledBitmap; }
    void setDisabledBitmap(const QImage& picture);
    void setDisabledBitmap(const QPixmap& picture);
    // The grey picture made from Bitmap for the flat look; empty while it is not needed.
    const QImage& greyCopy() const { return m_greyCopy; }

    QString caption() const { return m_caption; }
    void setCaption(const QString& value);

    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value);
    bool isDown() const { return m_down; }
    void setDown(bool value);

    QMenu* dropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu* menu);
    QMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }

    flatbtn::TFlatButtonLayout buttonLayout() const { return m_layout; }
    void setButtonLayout(flatbtn::TFlatButtonLayout value);
    flatbtn::TFlatButtonOptions options() const { return m_options; }
    void setOptions(flatbtn::TFlatButtonOptions value);
    flatbtn::TFlatButtonShadingType shadingType() const { return m_shadingType; }
    void setShadingType(flatbtn::TFlatButtonShadingType value);
    bool showDownPattern() const { return m_showDownPattern; }
    void setShowDownPattern(bool value);
    // An invalid colour stands for the palette's window text colour.
    QColor unselectedFontColor() const;
    void setUnselectedFontColor(const QColor& value);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);

    QString hint() const { return toolTip(); }
    void setHint(const QString& value) { setToolTip(value); }
    bool showHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }

    // The mouse counts as over the button / the left button went down on it and is not yet up.
    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }

    // The positions of this button's next paint.
    FlatButtonGeometry paintGeometry() const;

    // Keys the window hands over; true when the button used the key.
    bool dialogKey(int key);
    bool dialogChar(QChar typed);

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
    QList<TFlatButton*> groupMates() const;

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

    bool m_cancel = false;
    bool m_default = false;
    flatbtn::TAlignment m_alignment = flatbtn::taCenter;
    bool m_allowAllUp = false;
    flatbtn::TBevelStyle m_bevelStyle = flatbtn::bsRaised;
    QImage m_bitmap;
    QImage m_noFocusBitmap;
    QImage m_disabledBitmap;
    QImage m_greyCopy;
    QString m_caption;
    int m_groupIndex = 0;
    bool m_down = false;
    QPointer<QMenu> m_dropDownMenu;
    QPointer<QMenu> m_popupMenu;
    flatbtn::TFlatButtonLayout m_layout = flatbtn::blBitmapTop;
    flatbtn::TFlatButtonOptions m_options = flatbtn::boMonoDisplay | flatbtn::boPopupMark;
    flatbtn::TFlatButtonShadingType m_shadingType = flatbtn::stMedium;
    bool m_showDownPattern = true;
    QColor m_unselectedFontColor;
    bool m_wordWrap = false;
    bool m_showHint = true;

    int m_acceleratorShortcut = 0; // Alt + accelerator, 0 without one

    bool m_hovered = false;
    bool m_pressed = false;
};

} // namespace klaxora
