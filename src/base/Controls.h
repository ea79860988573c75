#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class QToolButton;

// A picture the user clicks, as the program's logo and tool images are. It takes the focus like a
// button, so that Space or Enter press it for those who work with the keyboard.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickableImage(const QString &name, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A pair of arrow buttons, "up" and "down", for stepping a value.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    UpDownArrows(const QString &name, Qt::Orientation orientation, QWidget *parent = nullptr);
    QToolButton *up() const { return m_up; }
    QToolButton *down() const { return m_down; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};

// Colours as the suite's files store them: a 32-bit value with red in the low byte.
QColor ColorFromValue(quint32 value);
quint32 ValueOfColor(const QColor &color);

// Twips (1,440 to the inch) to screen pixels at 96 dots per inch, and back.
inline int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// The program's own pictures, drawn so that no picture file has to travel with it.
QPixmap VelborLogo(int size);
QPixmap OrangeToggle(int size);

// A push button that asks for a little more room than its caption takes: at its bare size a
// caption's last letters sit on the button's edge, and some fonts draw them past it.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A push button with its object name, caption and tool-tip.
QPushButton *CommandButton(const QString &name, const QString &caption, const QString &tip,
                           QWidget *parent);

// A panel that floats over its screen, as clearly set apart as a dialog, hidden until
// ShowFloating puts it in the middle of the screen.
class QGroupBox;
QGroupBox *FloatingFrame(const QString &name, const QString &title, QWidget *parent);
void ShowFloating(QWidget *frame);

// A label that wraps its text, the building block of the screens' instructions.
QLabel *WrappedLabel(const QString &text, QWidget *parent = nullptr);
