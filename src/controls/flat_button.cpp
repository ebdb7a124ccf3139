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
bool Assign(T& property, const T& value)
{
    if (property == value)
        return false;
    property = value;
    return true;
}

} // namespace

TFlatButton::TFlatButton(QWidget* parent) : QWidget(parent)
{
    InstallFlatButtonAccessibility();
    setFocusPolicy(Qt::NoFocus);
    resize(50, 40);
}

TFlatButton::~TFlatButton() = default;

void TFlatButton::setAlignment(TAlignment value)
{
    m_alignment = value;
    repaint();
}

void TFlatButton::setAllowAllUp(bool value)
{
    m_allowAllUp = value;
    if (m_groupIndex != 0) {
        for (TFlatButton* mate : groupMates())
            mate->m_allowAllUp = value;
    }
}

void TFlatButton::setBevelStyle(TBevelStyle value)
{
    m_bevelStyle = value;
    repaint();
}

void TFlatButton::setBitmap(const QImage& picture)
{
    m_bitmap = picture.convertToFormat(QImage::Format_ARGB32);
    picturesChanged();
}

void TFlatButton::setBitmap(const QPixmap& picture)
{
    setBitmap(picture.toImage());
}

void TFlatButton::setNoFocusBitmap(const QImage& picture)
{
    m_noFocusBitmap = picture.convertToFormat(QImage::Format_ARGB32);
    picturesChanged();
}

void TFlatButton::setNoFocusBitmap(const QPixmap& picture)
{
    setNoFocusBitmap(picture.toImage());
}

void TFlatButton::setDisabledBitmap(const QImage& picture)
{
    m_disabledBitmap = picture.convertToFormat(QImage::Format_ARGB32);
    if (!isEnabled())
        repaint();
}

void TFlatButton::setDisabledBitmap(const QPixmap& picture)
{
    setDisabledBitmap(picture.toImage());
}

void TFlatButton::setCaption(const QString& value)
{
    m_caption = value;
    grabAccelerator();
    if (m_options & boIconOnly)
        setHint(withoutAcceleratorPrefixes(value));
    else
        repaint();
}

void TFlatButton::setGroupIndex(int value)
{
    if (!Assign(m_groupIndex, value))
        return;
    if (value == 0 && m_down) {
        m_down = false;
        repaint();
    }
}

void TFlatButton::setDown(bool value)
{
    // A button outside a group is never down.
    if (value == m_down || m_groupIndex == 0)
        return;
    m_down = value;
    repaint();
    if (!value)
        return;
    for (TFlatButton* mate : groupMates()) {
        if (mate->m_down) {
            mate->m_down = false;
            mate->repaint();
        }
    }
}

void TFlatButton::setDropDownMenu(QMenu* menu)
{
    m_dropDownMenu = menu;
    if (m_options & boPopupMark)
        repaint();
}

void TFlatButton::setButtonLayout(TFlatButtonLayout value)
{
    if (Assign(m_layout, value))
        repaint();
}

void TFlatButton::setOptions(TFlatButtonOptions value)
{
    m_options = value;
    const QString plain = withoutAcceleratorPrefixes(m_caption);
    if ((value & boIconOnly) && hint().isEmpty()) {
        setHint(plain);
        setShowHint(true);
    } else if (!(value & boIconOnly) && hint() == plain) {
        setHint(QString());
        setShowHint(false);
    }
    repaint();
}

void TFlatButton::setShadingType(TFlatButtonShadingType value)
{
    if (Assign(m_shadingType, value) && needsGreyCopy()) {
        rebuildGreyCopy();
        repaint();
    }
}

void TFlatButton::setShowDownPattern(bool value)
{
    if (Assign(m_showDownPattern, value))
        repaint();
}

QColor TFlatButton::unselectedFontColor() const
{
    return m_unselectedFontColor.isValid() ? m_unselectedFontColor
                                           : palette().color(QPalette::Active, QPalette::WindowText);
}

void TFlatButton::setUnselectedFontColor(const QColor& value)
{
    if (Assign(m_unselectedFontColor, value))
        repaint();
}

void TFlatButton::setWordWrap(bool value)
{
    if (Assign(m_wordWrap, value))
        repaint();
}

bool TFlatButton::needsGreyCopy() const
{
    return !m_bitmap.isNull() && m_noFocusBitmap.isNull();
}

void TFlatButton::rebuildGreyCopy()
{
    const QPalette& pal = palette();
    m_greyCopy = makeGreyCopy(m_bitmap, m_shadingType, pal.color(QPalette::Active, QPalette::Light),
                              pal.color(QPalette::Active, QPalette::Dark));
}

// Change notice of Bitmap and NoFocusBitmap.
void TFlatButton::picturesChanged()
{
    if (needsGreyCopy())
        rebuildGreyCopy();
    else
        m_greyCopy = QImage();
    repaint();
}

QList<TFlatButton*> TFlatButton::groupMates() const
{
    QList<TFlatButton*> mates;
    if (parentWidget() == nullptr)
        return mates;
    for (QObject* child : parentWidget()->children()) {
        auto* button = qobject_cast<TFlatButton*>(child);
        if (button != nullptr && button != this && button->m_groupIndex == m_groupIndex)
            mates.append(button);
    }
    return mates;
}

bool TFlatButton::captionShown() const
{
    return !(m_options & boIconOnly) && !m_caption.isEmpty();
}

bool TFlatButton::arrowShown() const
{
    return (m_options & boPopupMark) && m_dropDownMenu;
}

FlatButtonGeometry TFlatButton::paintGeometry() const
{
    FlatButtonLayoutInput in;
    in.width = width();
    in.height = height();
    in.captionShown = captionShown();
    if (in.captionShown) {
        const QSize text =
            measureCaption(font(), captionBuffer(m_caption, m_wordWrap), width() - 4, m_wordWrap);
        in.textWidth = text.width();
        in.textHeight = text.height();
    }
    in.bitmapWidth = m_bitmap.width();
    in.bitmapHeight = m_bitmap.height();
    in.arrowShown = arrowShown();
    in.layout = m_layout;
    in.alignment = m_alignment;
    in.wordWrap = m_wordWrap;
    return computeFlatButtonGeometry(in);
}

void TFlatButton::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    FlatButtonLook look;
    look.size = size();
    look.enabled = isEnabled();
    look.down = m_down;
    look.pressed = m_pressed;
    look.hovered = m_hovered;
    look.monoDisplay = bool(m_options & boMonoDisplay);
    look.showDownPattern = m_showDownPattern;
    look.captionShown = captionShown();
    look.arrowShown = arrowShown();
    look.bevelStyle = m_bevelStyle;
    look.alignment = m_alignment;
    look.wordWrap = m_wordWrap;
    look.captionBuffer = captionBuffer(m_caption, m_wordWrap);
    look.font = font();
    look.face = pal.color(QPalette::Active, QPalette::Button);
    look.highlight = pal.color(QPalette::Active, QPalette::Light);
    look.shadow = pal.color(QPalette::Active, QPalette::Dark);
    look.fontColor = pal.color(QPalette::Active, QPalette::WindowText);
    look.unselectedFontColor = unselectedFontColor();
    look.bitmap = &m_bitmap;
    look.noFocusBitmap = &m_noFocusBitmap;
    look.disabledBitmap = &m_disabledBitmap;
    look.greyCopy = &m_greyCopy;

    QPainter painter(this);
    paintFlatButton(painter, look, paintGeometry());
}

void TFlatButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (m_groupIndex == 0)
            m_down = false;
        m_hovered = false;
        m_pressed = false;
        repaint();
    } else if (e->type() == QEvent::PaletteChange && needsGreyCopy()) {
        // The grey copy is made of palette colours; keep it in step with them.
        rebuildGreyCopy();
    }
    QWidget::changeEvent(e);
}

void TFlatButton::showEvent(QShowEvent* e)
{
    FlatButtonKeys::install(window());
    QWidget::showEvent(e);
}

} // namespace klaxora
