#pragma once

#include <QString>

// Whether anything stands at the path: a file, a folder, a pipe, a link to nowhere.
bool PathPresent(const QString& path);

// Moves what stands at the path beside it, as "<path>.unreadable-<time>"
// under a name nothing else has, so a file Velmora cannot read is kept for
// the player, never deleted. The new path, or empty if it could not be moved.
QString MoveAside(const QString& path);
