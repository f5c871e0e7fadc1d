#include "window/board/ControlFactory.h"

#include "window/board/BoardLayout.h"
#include "window/board/TableControls.h"
#include "window/common/ClickLabel.h"
#include "window/common/Picture.h"

#include <QComboBox>
#include <QCoreApplication>
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

// The layout keeps its captions in English; each control shows the table's language.
QString Caption(const ControlRow& row) {
    return QCoreApplication::translate("frmBoard", row.caption.toUtf8().constData());
}

// A hidden label without a caption is a spot's stake label: the table gives
// it its text, face and colour each time it shows it, so they are left until then.
bool StyledWhenShown(const ControlRow& row) {
    return (row.kind == ControlKind::Label || row.kind == ControlKind::ClickLabel) &&
           !row.visible && row.caption.isEmpty();
}

// Labels draw straight onto whatever lies beneath them.
QWidget* MakeLabel(const ControlRow& row, QWidget* parent) {
    QLabel* label = row.kind == ControlKind::ClickLabel ? new ClickLabel(Caption(row), parent)
                                                        : new QLabel(Caption(row), parent);
    label->setAlignment(Alignment(row.align));
    label->setAttribute(Qt::WA_TransparentForMouseEvents, row.kind == ControlKind::Label);
    if (StyledWhenShown(row)) {
        return label;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(row.text));
    label->setPalette(palette);
    return label;
}

QWidget* MakeButton(const ControlRow& row, QWidget* parent) {
    return new TableButton(Caption(row), parent);
}

// Displays only: read-only and never a Tab stop.
QWidget* MakeResultBox(const ControlRow& row, QWidget* parent) {
    auto* box = new ResultBox(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(row.background.value_or(0x000000)));
    palette.setColor(QPalette::Text, QColor(row.text));
    box->setPalette(palette);
    return box;
}

// Typed values are read by the announced bets; they must never join the list.
QWidget* MakeComboBox(const ControlRow& /*row*/, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QWidget* MakePicture(const ControlRow& row, QWidget* parent) {
    auto* picture = new Picture(row.art, parent);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents, row.kind == ControlKind::Backdrop);
    return picture;
}

QWidget* MakeWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Picture:
    case ControlKind::Backdrop:
        return MakePicture(row, parent);
    case ControlKind::Label:
    case ControlKind::ClickLabel:
        return MakeLabel(row, parent);
    case ControlKind::Button:
        return MakeButton(row, parent);
    case ControlKind::ResultBox:
        return MakeResultBox(row, parent);
    case ControlKind::ComboBox:
        return MakeComboBox(row, parent);
    }
    return nullptr;
}

} // namespace

bool TakesRoleFont(const ControlRow& row) {
    return row.kind != ControlKind::Picture && row.kind != ControlKind::Backdrop &&
           !StyledWhenShown(row);
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = MakeWidget(row, parent);
    widget->setObjectName(row.name);
    widget->setGeometry(PixelRect(row.rect));
    if (TakesRoleFont(row)) {
        widget->setFont(RoleFont(row.font));
    }
    widget->setVisible(row.visible);
    return widget;
}
