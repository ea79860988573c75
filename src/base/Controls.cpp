#include "base/Controls.h"

#include "base/TabOrder.h"

#include <QGroupBox>

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

ClickableImage::ClickableImage(const QString &name, QWidget *parent) : QLabel(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableImage::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void ClickableImage::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Where the keyboard is, as on a button.
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

UpDownArrows::UpDownArrows(const QString &name, Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setObjectName(name);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    const bool across = orientation == Qt::Horizontal;
    m_up->setArrowType(across ? Qt::RightArrow : Qt::UpArrow);
    m_down->setArrowType(across ? Qt::LeftArrow : Qt::DownArrow);
    auto *layout = new QBoxLayout(across ? QBoxLayout::RightToLeft : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &UpDownArrows::upClicked);
    connect(m_down, &QToolButton::clicked, this, &UpDownArrows::downClicked);
}

QPixmap VelborLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    p.setBrush(QColor(0xf2, 0x9b, 0x30));
    p.drawRect(QRectF(size * 0.12, size * 0.74, size * 0.76, size * 0.08));
    QPainterPath v;
    v.moveTo(size * 0.18, size * 0.16);
    v.lineTo(size * 0.36, size * 0.16);
    v.lineTo(size * 0.50, size * 0.50);
    v.lineTo(size * 0.64, size * 0.16);
    v.lineTo(size * 0.82, size * 0.16);
    v.lineTo(size * 0.58, size * 0.68);
    v.lineTo(size * 0.42, size * 0.68);
    v.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(v);
    return pixmap;
}

QPixmap OrangeToggle(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xb3, 0x5c, 0x00), 1));
    p.setBrush(QColor(0xff, 0x8c, 0x1a));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    p.setPen(QPen(Qt::white, size * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(size * 0.40, size * 0.28), QPointF(size * 0.64, size * 0.5),
                              QPointF(size * 0.40, size * 0.72)}));
    return pixmap;
}

QGroupBox *FloatingFrame(const QString &name, const QString &title, QWidget *parent) {
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setStyleSheet(
        QStringLiteral(
            "QGroupBox#%1 { background: palette(window); border: 2px solid palette(dark);"
            " border-radius: 4px; margin-top: 0; padding-top: 1.6em; font-weight: bold; }"
            "QGroupBox#%1::title { subcontrol-origin: padding; left: 10px; top: 6px; }"
            "QGroupBox#%1 QWidget { font-weight: normal; }")
            .arg(name));
    frame->hide();
    return frame;
}

void ShowFloating(QWidget *frame) {
    const QWidget *screen = frame->parentWidget();
    frame->move((screen->width() - frame->width()) / 2, (screen->height() - frame->height()) / 3);
    frame->raise();
    frame->show();
    // The keyboard goes with the frame the user called up.
    if (QWidget *first = NextTabStop(ReadingTabOrder(frame), nullptr, true))
        first->setFocus(Qt::OtherFocusReason);
}

QLabel *WrappedLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QColor ColorFromValue(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 ValueOfColor(const QColor &color) {
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

QSize CaptionButton::sizeHint() const {
    QSize size = QPushButton::sizeHint();
    if (!text().isEmpty())
        size.rwidth() += fontMetrics().averageCharWidth();
    return size;
}

QPushButton *CommandButton(const QString &name, const QString &caption, const QString &tip,
                           QWidget *parent) {
    auto *button = new CaptionButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}
