#pragma once

#include <QString>

class QWidget;

// The place, size and openness of Velmora's extra windows, kept in the
// user's configuration folder (QSettings, group "windows/<key>") so that the
// next start puts them back. A settings file that cannot be read counts as
// empty.
namespace WindowPlaces {

// Puts the window at its remembered place (QWidget::restoreGeometry, brought
// onto a screen if that place lies off every screen), then keeps the place
// (QWidget::saveGeometry) as the window moves, resizes, shows and is closed.
// Call once per window, after its default place.
void Track(QWidget* window, const QString& key);

// The window's first place, beside the table and wholly on its screen
// (table/ScreenPlace.h), at the asked top. Before Track, whose remembered
// place wins.
void PlaceBeside(QWidget* window, const QWidget* table, int top);

// Whether the window was open when it was last seen.
bool WasOpen(const QString& key);

// The table's zoom in percent (table/ZoomSteps.h), kept in the same file
// under "table/zoom"; a value that is not a step reads as 100.
int StoredZoom();
void StoreZoom(int percent);

} // namespace WindowPlaces
