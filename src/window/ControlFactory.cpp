#include "window/ControlFactory.h"

#include "window/BoardLayout.h"
#include "window/ClickLabel.h"
#include "window/Picture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The 40 x 15 pixel buttons have no room for the default style's padding.
const QString kButtonStyle =
    QStringLiteral("QPushButton { padding: 0px; border: 1px solid #404040; border-radius: 2px;"
                   " color: black; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                   " stop:0 #FAFAFA, stop:1 #D4D4D4); }"
                   "QPushButton:pressed { background: #B8B8B8; }"
                   "QPushButton:focus { border-color: #000000; }");

// The text colour stays in the palette: the history boxes change it per number.
QString BoxStyle(QRgb background) {
    return QStringLiteral("QLineEdit { border: 1px solid #202020; padding: 0px 2px;"
                          " background: %1; }")
        .arg(QColor(background).name());
}

Qt::Alignment Alignment(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Centre:
        return Qt::AlignCenter;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Labels draw straight onto whatever lies beneath them.
QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
    QLabel* label = spec.kind == ControlKind::ClickLabel ? new ClickLabel(spec.caption, parent)
                                                         : new QLabel(spec.caption, parent);
    label->setAlignment(Alignment(spec.align));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(spec.text));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents, spec.kind == ControlKind::Label);
    return label;
}

QWidget* MakeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(spec.caption, parent);
    button->setStyleSheet(kButtonStyle);
    return button;
}

// Displays only: read-only and never a Tab stop.
QWidget* MakeResultBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setStyleSheet(BoxStyle(spec.background.value_or(0x000000)));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, QColor(spec.text));
    box->setPalette(palette);
    return box;
}

// Typed values are read by the announced bets; they must never join the list.
QWidget* MakeComboBox(const ControlSpec& /*spec*/, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QWidget* MakePicture(const ControlSpec& spec, QWidget* parent) {
    auto* picture = new Picture(spec.art, parent);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents, spec.kind == ControlKind::Backdrop);
    return picture;
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
    case ControlKind::Picture:
    case ControlKind::Backdrop:
        return MakePicture(spec, parent);
    case ControlKind::Label:
    case ControlKind::ClickLabel:
        return MakeLabel(spec, parent);
    case ControlKind::Button:
        return MakeButton(spec, parent);
    case ControlKind::ResultBox:
        return MakeResultBox(spec, parent);
    case ControlKind::ComboBox:
        return MakeComboBox(spec, parent);
    }
    return nullptr;
}

} // namespace

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = MakeWidget(spec, parent);
    widget->setObjectName(spec.name);
    widget->setGeometry(PixelRect(spec.rect));
    widget->setFont(RoleFont(spec.font));
    widget->setVisible(spec.visible);
    return widget;
}
