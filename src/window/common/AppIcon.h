#pragma once

#include <QIcon>

// The wheel icon, built into the program so that the window shows it even
// where no icon theme holds it.
QIcon AppIcon();

// Gives every window of the program the icon, and tells the desktop which
// launcher entry the program belongs to, for its task bar.
void ApplyAppIdentity();
