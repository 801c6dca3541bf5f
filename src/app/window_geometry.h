#pragma once
// Placement of the secondary windows relative to the main window, and the
// warning for a window that does not fit the screen. The windows measure
// themselves and apply the results (app/ui/ablak_segedek.*).
#include <optional>
#include <string>
#include <vector>

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

// Left edge of the conditions window (frame, screen coordinates): beside the
// main ticket so that it leaves the ticket free, at the main window's left
// when it would not fit there, at the right on a narrow main window.
int FeltetelekBal(const Teglalap& foablak, const std::optional<Teglalap>& szelveny, int sajatSzelesseg);

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

// How the other open windows follow the main window when it moves or is
// resized. dT, dL, dW, dH are the changes of the main window's top, left,
// width and height since the last call.
//
// The horizontal shift of the windows when the width changed: dragging the
// left edge inwards moves them by dL + dW, dragging it outwards leaves them,
// anything else moves them with the width.
int KovetesVizszintesEltolas(int dT, int dL, int dW, int dH);

struct KovetoAblak {
    Teglalap Hely;            // frame, screen coordinates
    bool Foszelveny = false;  // the main ticket stays at the main window's left
};

// New places of the windows after the main window went from elozo to the
// rectangle in uj. A window keeps its vertical distance to the main window;
// horizontally the main ticket moves with the left edge, the others with
// the shift above while they still fit the work area. A window pushed off
// the work area vertically goes under the toolbar; one outside the main
// window's sides is pulled 20 pixels inside. Nothing moves when the main
// window neither moved nor changed its width.
std::vector<Teglalap> WindowPosChanging(const Teglalap& elozo, const FoablakMeretek& uj,
                                        const Teglalap& munkaTerulet, const std::vector<KovetoAblak>& ablakok);

// Placement of the wait window near the mouse.
Teglalap egerMelleHelyezes(const FoablakMeretek& f, Teglalap ablak, int egerX, int egerY);

}  // namespace kvx
