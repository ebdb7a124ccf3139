#include "controls/flat_button.h"

#include "controls/accelerator_text.h"
#include "controls/caption_text.h"
#include "controls/flat_button_accessible.h"
#include "controls/flat_button_keys.h"
#include "controls/flat_button_painter.h"
#include "controls/grey_copy.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace klaxora {

using namespace flatbtn;

namespace {

// Takes a property's new value; false when it had that value already.
template <typename T>
bool assign(T& property, const T& value)
{
    if (property == value)
        return false;
    property = value;
    return true;
}

} // namespace

FlatButton::FlatButton(QWidget* parent) : QWidget(parent)
{
    installFlatButtonAccessibility();
    setFocusPolicy(Qt::NoFocus);
    resize(50, 40);
}

FlatButton::~FlatButton() = default;

void FlatButton::setAlignment(TextAlignment value)
{
    alignment_ = value;
    repaint();
}

void FlatButton::setAllowAllUp(bool value)
{
    allowAllUp_ = value;
    if (groupIndex_ != 0) {
        for (FlatButton* mate : groupMates())
            mate->allowAllUp_ = value;
    }
}

void FlatButton::setBevelStyle(BevelStyle value)
{
    bevelStyle_ = value;
    repaint();
}

void FlatButton::setBitmap(const QImage& picture)
{
    bitmap_ = picture.convertToFormat(QImage::Format_ARGB32);
    picturesChanged();
}

void FlatButton::setBitmap(const QPixmap& picture)
{
    setBitmap(picture.toImage());
}

void FlatButton::setNoFocusBitmap(const QImage& picture)
{
    noFocusBitmap_ = picture.convertToFormat(QImage::Format_ARGB32);
    picturesChanged();
}

void FlatButton::setNoFocusBitmap(const QPixmap& picture)
{
    setNoFocusBitmap(picture.toImage());
}

void FlatButton::setDisabledBitmap(const QImage& picture)
{
    disabledBitmap_ = picture.convertToFormat(QImage::Format_ARGB32);
    if (!isEnabled())
        repaint();
}

void FlatButton::setDisabledBitmap(const QPixmap& picture)
{
    setDisabledBitmap(picture.toImage());
}

void FlatButton::setCaption(const QString& value)
{
    caption_ = value;
    grabAccelerator();
    if (options_ & boIconOnly)
        setHint(withoutAcceleratorPrefixes(value));
    else
        repaint();
}

void FlatButton::setGroupIndex(int value)
{
    if (!assign(groupIndex_, value))
        return;
    if (value == 0 && down_) {
        down_ = false;
        repaint();
    }
}

void FlatButton::setDown(bool value)
{
    // A button outside a group is never down.
    if (value == down_ || groupIndex_ == 0)
        return;
    down_ = value;
    repaint();
    if (!value)
        return;
    for (FlatButton* mate : groupMates()) {
        if (mate->down_) {
            mate->down_ = false;
            mate->repaint();
        }
    }
}

void FlatButton::setDropDownMenu(QMenu* menu)
{
    dropDownMenu_ = menu;
    if (options_ & boPopupMark)
        repaint();
}

void FlatButton::setButtonLayout(FlatButtonLayout value)
{
    if (assign(layout_, value))
        repaint();
}

void FlatButton::setOptions(FlatButtonOptions value)
{
    options_ = value;
    const QString plain = withoutAcceleratorPrefixes(caption_);
    if ((value & boIconOnly) && hint().isEmpty()) {
        setHint(plain);
        setShowHint(true);
    } else if (!(value & boIconOnly) && hint() == plain) {
        setHint(QString());
        setShowHint(false);
    }
    repaint();
}

void FlatButton::setShadingType(FlatButtonShading value)
{
    if (assign(shadingType_, value) && needsGreyCopy()) {
        rebuildGreyCopy();
        repaint();
    }
}

void FlatButton::setShowDownPattern(bool value)
{
    if (assign(showDownPattern_, value))
        repaint();
}

QColor FlatButton::unselectedFontColor() const
{
    return unselectedFontColor_.isValid() ? unselectedFontColor_
                                          : palette().color(QPalette::Active, QPalette::WindowText);
}

void FlatButton::setUnselectedFontColor(const QColor& value)
{
    if (assign(unselectedFontColor_, value))
        repaint();
}

void FlatButton::setWordWrap(bool value)
{
    if (assign(wordWrap_, value))
        repaint();
}

bool FlatButton::needsGreyCopy() const
{
    return !bitmap_.isNull() && noFocusBitmap_.isNull();
}

void FlatButton::rebuildGreyCopy()
{
    const QPalette& pal = palette();
    greyCopy_ = makeGreyCopy(bitmap_, shadingType_, pal.color(QPalette::Active, QPalette::Light),
                             pal.color(QPalette::Active, QPalette::Dark));
}

// Change notice of Bitmap and NoFocusBitmap.
void FlatButton::picturesChanged()
{
    if (needsGreyCopy())
        rebuildGreyCopy();
    else
        greyCopy_ = QImage();
    repaint();
}

QList<FlatButton*> FlatButton::groupMates() const
{
    QList<FlatButton*> mates;
    if (parentWidget() == nullptr)
        return mates;
    for (QObject* child : parentWidget()->children()) {
        auto* button = qobject_cast<FlatButton*>(child);
        if (button != nullptr && button != this && button->groupIndex_ == groupIndex_)
            mates.append(button);
    }
    return mates;
}

bool FlatButton::captionShown() const
{
    return !(options_ & boIconOnly) && !caption_.isEmpty();
}

bool FlatButton::arrowShown() const
{
    return (options_ & boPopupMark) && dropDownMenu_;
}

FlatButtonGeometry FlatButton::paintGeometry() const
{
    FlatButtonLayoutInput in;
    in.width = width();
    in.height = height();
    in.captionShown = captionShown();
    if (in.captionShown) {
        const QSize text = measureCaption(font(), captionBuffer(caption_, wordWrap_), width() - 4, wordWrap_);
        in.textWidth = text.width();
        in.textHeight = text.height();
    }
    in.bitmapWidth = bitmap_.width();
    in.bitmapHeight = bitmap_.height();
    in.arrowShown = arrowShown();
    in.layout = layout_;
    in.alignment = alignment_;
    in.wordWrap = wordWrap_;
    return computeFlatButtonGeometry(in);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    FlatButtonLook look;
    look.size = size();
    look.enabled = isEnabled();
    look.down = down_;
    look.pressed = pressed_;
    look.hovered = hovered_;
    look.monoDisplay = bool(options_ & boMonoDisplay);
    look.showDownPattern = showDownPattern_;
    look.captionShown = captionShown();
    look.arrowShown = arrowShown();
    look.bevelStyle = bevelStyle_;
    look.alignment = alignment_;
    look.wordWrap = wordWrap_;
    look.captionBuffer = captionBuffer(caption_, wordWrap_);
    look.font = font();
    look.face = pal.color(QPalette::Active, QPalette::Button);
    look.highlight = pal.color(QPalette::Active, QPalette::Light);
    look.shadow = pal.color(QPalette::Active, QPalette::Dark);
    look.fontColor = pal.color(QPalette::Active, QPalette::WindowText);
    look.unselectedFontColor = unselectedFontColor();
    look.bitmap = &bitmap_;
    look.noFocusBitmap = &noFocusBitmap_;
    look.disabledBitmap = &disabledBitmap_;
    look.greyCopy = &greyCopy_;

    QPainter painter(this);
    paintFlatButton(painter, look, paintGeometry());
}

void FlatButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (groupIndex_ == 0)
            down_ = false;
        hovered_ = false;
        pressed_ = false;
        repaint();
    } else if (e->type() == QEvent::PaletteChange && needsGreyCopy()) {
        // The grey copy is made of palette colours; keep it in step with them.
        rebuildGreyCopy();
    }
    QWidget::changeEvent(e);
}

void FlatButton::showEvent(QShowEvent* e)
{
    FlatButtonKeys::install(window());
    QWidget::showEvent(e);
}

} // namespace klaxora
