// SpinButton: a small pair of up and down buttons; holding a half repeats it, the arrow keys act as halves.
#pragma once

#include <QTimer>
#include <QWidget>

namespace klaxora {

class SpinButton : public QWidget {
    Q_OBJECT

public:
    // A held half fires again first after InitRepeatPause, then every RepeatPause milliseconds.
    static constexpr int InitRepeatPause = 400;
    static constexpr int RepeatPause = 100;

    explicit SpinButton(QWidget* parent = nullptr);

    QRect upRect() const;
    QRect downRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void upClick();
    void downClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Half { None, Up, Down };

    Half halfAt(QPoint point) const;
    void fire(Half half);
    void repeatHeldHalf();
    void stopRepeat();
    void paintHalf(QPainter& painter, Half half, const QRect& area) const;

    Half held_ = Half::None;
    // The pointer is over the held half; a held half only fires while it is.
    bool overHeld_ = false;
    QTimer repeat_;
};

} // namespace klaxora
