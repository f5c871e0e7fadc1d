#pragma once

struct ControlRow;
class QWidget;

// Makes one control of the layout as a child of parent, named, placed, captioned
// and coloured as the row says. The parent owns it.
QWidget* CreateControl(const ControlRow& row, QWidget* parent);
