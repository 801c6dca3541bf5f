#include "app/window_geometry.h"

#include <cmath>

#include "app/messages.h"

namespace kvx {

int GetFormSetTop(const FoablakMeretek& f)
{
    return f.Height + f.Top + f.ToolBarHeight + static_cast<int>(std::lround(f.MeretSzorzo * 10)) -
           f.ClientHeight;
}

Teglalap FormSetTop(const FoablakMeretek& f, Teglalap form, bool megtart)
{
    if (!megtart || form.Top < f.Height + f.Top + f.Image1Top - f.ClientHeight ||
        form.Top > f.ClientHeight + f.Top)
        form.Top = GetFormSetTop(f);
    if (form.Top + form.Height > f.Top + f.Height) form.Top = f.Top + f.ToolBarHeight;
    return form;
}

Teglalap FormSetLeft(const FoablakMeretek& f, Teglalap form)
{
    form.Left = f.ClientWidth + f.Left - form.Width;
    return form;
}

Teglalap FormSetTopLeftCenter(const FoablakMeretek& f, Teglalap form, bool fuggoleges)
{
    if (form.Left < f.Left || form.Left + form.Width > f.Left + f.Width)
        form.Left = f.Left + f.Width / 2 - form.Width / 2;
    if (fuggoleges && (form.Top < f.Top || form.Top + form.Height > f.Top + f.Height)) {
        form.Top = f.Top + f.Height / 2 - form.Height / 2;
        if (form.Top < f.Top) form.Top = f.Top + f.ToolBarHeight;
    }
    return form;
}

Teglalap FormSetLeftCustom(const FoablakMeretek& f, Teglalap form, int eltolas)
{
    if (form.Left < f.Left)
        form.Left = f.Left + eltolas;
    else if (form.Left + form.Width > f.Left + f.Width)
        form = FormSetLeft(f, form);
    return form;
}

int menuBetuMeret(int foablakBetuMeret, int meretIndex)
{
    return meretIndex > 1 ? foablakBetuMeret + 1 - meretIndex : foablakBetuMeret;
}

std::optional<std::string> formMeretFigyelmeztetes(const std::string& felirat, int szelesseg,
                                                   int magassag, bool meretezheto,
                                                   const KepernyoMeretek& k,
                                                   int foablakBetuMeret)
{
    std::string a, b;
    int tipus = 0;
    if (k.MunkaTerMagassag < magassag) {
        a = "magassága";
        tipus = 1;
    }
    if (k.MunkaTerSzelesseg < szelesseg) {
        b = tipus == 1 ? " és szélessége" : "szélessége";
        tipus += 2;
    }
    if (tipus == 0) return std::nullopt;

    const std::string kerdes = std::string("\r\n\r\n") + kEmlekeztetoKerdes;
    const std::string szoveg = "A(z)" + felirat + " ablak " + a + b +
                               " meghaladja a kijelző aktuális felbontásából következő korlátokat." +
                               "\r\n\r\n";
    if (k.KepernyoMagassag < 769)
        return szoveg + "Kijelző aktuális felbontása: " + std::to_string(k.KepernyoSzelesseg) +
               " x " + std::to_string(k.KepernyoMagassag) + " képpont." + "\r\n\r\n" +
               "Javaslat: növelje a kijelző felbontását." + kerdes;

    const bool csakMagassag = meretezheto && tipus == 1;
    const std::string tanacs =
        csakMagassag ? "A program ablaka méretezhető. Húzza az egérkuzort az ablak tetejéhez vagy "
                       "aljához, és módosítsa az ablak magasságát."
                     : "Válassza a Windows alapértelmezett beállításait.";
    if (foablakBetuMeret < 9)
        return szoveg + "Lehetséges oka: a Windows alapértelmezett betűméretétől eltérő beállítás." +
               "\r\n" + tanacs + kerdes;
    if (csakMagassag) return szoveg + "\r\n" + tanacs + kerdes;
    return szoveg +
           "Csökkentse a Beállítások - Általános - Szöveg-és ablak méretek opció százalékos "
           "értékét, vagy növelje a kijelző felbontását." +
           kerdes;
}

Teglalap egerMelleHelyezes(const FoablakMeretek& f, Teglalap ablak, int egerX, int egerY)
{
    if (f.Width - ablak.Left < ablak.Width)
        ablak.Left = f.Width - ablak.Width - 20;
    else
        ablak.Left = egerX - 30;
    if (f.Height - ablak.Top < ablak.Height)
        ablak.Top = f.Height - ablak.Height - 40;
    else
        ablak.Top = egerY - 30;
    return ablak;
}

int KovetesVizszintesEltolas(int dT, int dL, int dW, int dH)
{
    if (dT == 0 && dH == 0) {
        if (dL > 0 && dW < 0) return dL + dW;
        if (dL < 0 && dW > 0) return 0;
        return dW;
    }
    if ((dT == 0 || dL == 0) && (dH == 0 || dW == 0)) return dW;
    return dL + dW;
}

std::vector<Teglalap> WindowPosChanging(const Teglalap& elozo, const FoablakMeretek& uj,
                                        const Teglalap& munkaTerulet, const std::vector<KovetoAblak>& ablakok)
{
    const int dT = uj.Top - elozo.Top;
    const int dL = uj.Left - elozo.Left;
    const int dW = uj.Width - elozo.Width;
    const int dH = uj.Height - elozo.Height;
    const int e = KovetesVizszintesEltolas(dT, dL, dW, dH);
    std::vector<Teglalap> ki;
    ki.reserve(ablakok.size());
    for (const KovetoAblak& a : ablakok) ki.push_back(a.Hely);
    if (dT == 0 && dL == 0 && e == 0) return ki;

    const int munkaJobb = munkaTerulet.Left + munkaTerulet.Width;
    const int munkaAlja = munkaTerulet.Top + munkaTerulet.Height;
    for (std::size_t i = 0; i < ablakok.size(); ++i) {
        Teglalap& t = ki[i];
        t.Top += dT;
        const int eltolt = t.Left + e;
        if (!ablakok[i].Foszelveny && dW != 0 && eltolt > munkaTerulet.Left && eltolt + t.Width < munkaJobb)
            t.Left = eltolt;
        else
            t.Left += dL;
        if (t.Top < munkaTerulet.Top || t.Top > munkaAlja) t.Top = GetFormSetTop(uj);
        if (t.Left < uj.Left)
            t.Left = uj.Left + 20;
        else if (t.Left + t.Width > uj.Left + uj.Width)
            t.Left = uj.Left + uj.Width - 20 - t.Width;
    }
    return ki;
}

int FeltetelekBal(const Teglalap& foablak, const std::optional<Teglalap>& szelveny, int sajatSzelesseg)
{
    if (foablak.Width <= 800)
        return foablak.Left + foablak.Width - sajatSzelesseg - 20;
    if (szelveny) {
        const int bal = szelveny->Left + szelveny->Width + 20;
        if (bal + sajatSzelesseg <= foablak.Left + foablak.Width)
            return bal;
    }
    return foablak.Left + 20;
}

}  // namespace kvx
