#include "window/ControlFactory.h"

#include "window/BoardLayout.h"
#include "window/ClickLabel.h"
#include "window/Picture.h"
#include "window/TableControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

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
    return new TableButton(spec.caption, parent);
}

// Displays only: read-only and never a Tab stop.
QWidget* MakeResultBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new ResultBox(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(spec.background.value_or(0x000000)));
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
