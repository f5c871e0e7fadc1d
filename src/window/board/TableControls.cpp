#include "window/board/TableControls.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor kBorder(0x40, 0x40, 0x40);
const QColor kFocusBorder(0x00, 0x00, 0x00);
const QColor kDownFace(0xB8, 0xB8, 0xB8);
const QColor kBoxBorder(0x20, 0x20, 0x20);

QBrush ButtonFace(const QRect& rect, bool down) {
    if (down) {
        return kDownFace;
    }
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(0xFA, 0xFA, 0xFA));
    gradient.setColorAt(1, QColor(0xD4, 0xD4, 0xD4));
    return gradient;
}

} // namespace

TableButton::TableButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TableButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(hasFocus() ? kFocusBorder : kBorder);
    painter.setBrush(ButtonFace(rect(), isDown()));
    painter.drawRoundedRect(face, 2, 2);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
}

void ResultBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kBoxBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
