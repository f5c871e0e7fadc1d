#pragma once

struct ControlRow;
class QWidget;

// Makes one control of the layout as a child of parent, named, placed, captioned
// and coloured as the row says. The parent owns it.
QWidget* CreateControl(const ControlRow& row, QWidget* parent);

// Whether the row's control is given its role's font. Artwork draws its own
// faces, and a spot's stake label gets its face from the table each time it shows.
bool TakesRoleFont(const ControlRow& row);
