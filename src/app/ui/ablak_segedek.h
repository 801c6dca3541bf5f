#pragma once
// Window helpers the secondary windows call: placement relative to the main
// window and the oversize warning (switching windows off is AblakTiltas).
// The rectangles are computed in app/window_geometry.*; these functions only
// measure the windows and apply the result.
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

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

// Asks, while the tip flag is set, about a window larger than the work area;
// the answer becomes the new flag value.
// `meret` is the frame size the window would need, where it was capped to
// the work area (its frame size otherwise).
void FormHeightSizeWarning(QWidget* form, bool meretezheto, int foablakBetuMeret,
                           std::uint8_t& tippJelzo, std::optional<QSize> meret = std::nullopt);

// Show state of a window: 1 normal, 2 minimised, 3 maximised; -1 without a window.
int GetWindowState(const QWidget* ablak);

}  // namespace kvx
