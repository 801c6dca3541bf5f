#pragma once
// Window helpers the secondary windows call: placement relative to the main
// window, enabling or disabling all windows as a group, the oversize warning.
// The rectangles are computed in app/window_geometry.*; these functions only
// measure the windows and apply the result.
#include <QString>
#include <QWidget>
#include <cstdint>

#include "app/window_geometry.h"

namespace kvx {

// The main window's measures. The toolbar height and the top of the picture
// under it are the main window's own; it passes them in.
FoablakMeretek foablakMeretek(const QWidget* foablak, int toolBarMagassag, int image1Teto,
                              double meretSzorzo);

void FormSetTop(const FoablakMeretek& f, QWidget* form, bool megtart);
void FormSetLeft(const FoablakMeretek& f, QWidget* form);
void FormSetTopLeftCenter(const FoablakMeretek& f, QWidget* form, bool fuggoleges);
void FormSetLeftCustom(const FoablakMeretek& f, QWidget* form, int eltolas);

// Enables or disables every top-level window except the one with the given
// object name and any window shown modally.
void FormokDE(bool engedelyez, const QString& formNev);

// Asks, while the tip flag is set, about a window larger than the work area;
// the answer becomes the new flag value.
void FormHeightSizeWarning(QWidget* form, bool meretezheto, int foablakBetuMeret,
                           std::uint8_t& tippJelzo);

// Show state of a window: 1 normal, 2 minimised, 3 maximised; -1 without a window.
int GetWindowState(const QWidget* ablak);

}  // namespace kvx
