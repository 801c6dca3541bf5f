#pragma once
// Placement of the secondary windows relative to the main window, and the
// warning for a window that does not fit the screen. The windows measure
// themselves and apply the results (app/ui/ablak_segedek.*).
#include <optional>
#include <string>

namespace kvx {

struct Teglalap {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Teglalap&) const = default;
};

// The main window's measures the placement reads.
struct FoablakMeretek {
    int Left = 0, Top = 0, Width = 0, Height = 0;  // frame, screen coordinates
    int ClientWidth = 0, ClientHeight = 0;
    int ToolBarHeight = 0;   // ToolBar1
    int Image1Top = 0;       // top of the picture under the toolbar
    double MeretSzorzo = 1.0;
};

// First screen row below the main window's toolbar.
int GetFormSetTop(const FoablakMeretek& f);
Teglalap FormSetTop(const FoablakMeretek& f, Teglalap form, bool megtart);
Teglalap FormSetLeft(const FoablakMeretek& f, Teglalap form);
Teglalap FormSetTopLeftCenter(const FoablakMeretek& f, Teglalap form, bool fuggoleges);
Teglalap FormSetLeftCustom(const FoablakMeretek& f, Teglalap form, int eltolas);

// Menu font size of MainMenu1Change.
int menuBetuMeret(int foablakBetuMeret, int meretIndex);

// The oversize question for a window, or nothing when it fits the work area.
struct KepernyoMeretek {
    int MunkaTerSzelesseg = 0, MunkaTerMagassag = 0;
    int KepernyoSzelesseg = 0, KepernyoMagassag = 0;
};
std::optional<std::string> formMeretFigyelmeztetes(const std::string& felirat, int szelesseg,
                                                   int magassag, bool meretezheto,
                                                   const KepernyoMeretek& k,
                                                   int foablakBetuMeret);

// Placement of the wait window near the mouse.
Teglalap egerMelleHelyezes(const FoablakMeretek& f, Teglalap ablak, int egerX, int egerY);

}  // namespace kvx
