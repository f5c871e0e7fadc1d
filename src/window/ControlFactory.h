#pragma once

struct ControlSpec;
class QWidget;

// Makes one control of the layout as a child of parent, named, placed, captioned
// and coloured as the spec says. The parent owns it.
QWidget* CreateControl(const ControlSpec& spec, QWidget* parent);
