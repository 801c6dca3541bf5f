#include "app/ui/ablak_segedek.h"

#include <QApplication>
#include <QScreen>

#include "app/ui/uzenetek.h"

namespace kvx {

namespace {

Teglalap keret(const QWidget* w)
{
    const QRect r = w->frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void alkalmaz(QWidget* w, const Teglalap& t) { w->move(t.Left, t.Top); }

}  // namespace

FoablakMeretek foablakMeretek(const QWidget* foablak, int toolBarMagassag, int image1Teto,
                              double meretSzorzo)
{
    FoablakMeretek f;
    if (!foablak) return f;
    const QRect r = foablak->frameGeometry();
    f.Left = r.x();
    f.Top = r.y();
    f.Width = r.width();
    f.Height = r.height();
    f.ClientWidth = foablak->width();
    f.ClientHeight = foablak->height();
    f.ToolBarHeight = toolBarMagassag;
    f.Image1Top = image1Teto;
    f.MeretSzorzo = meretSzorzo;
    return f;
}

void FormSetTop(const FoablakMeretek& f, QWidget* form, bool megtart)
{
    if (form) alkalmaz(form, FormSetTop(f, keret(form), megtart));
}

void FormSetLeft(const FoablakMeretek& f, QWidget* form)
{
    if (form) alkalmaz(form, FormSetLeft(f, keret(form)));
}

void FormSetTopLeftCenter(const FoablakMeretek& f, QWidget* form, bool fuggoleges)
{
    if (form) alkalmaz(form, FormSetTopLeftCenter(f, keret(form), fuggoleges));
}

void FormSetLeftCustom(const FoablakMeretek& f, QWidget* form, int eltolas)
{
    if (form) alkalmaz(form, FormSetLeftCustom(f, keret(form), eltolas));
}

void FormHeightSizeWarning(QWidget* form, bool meretezheto, int foablakBetuMeret,
                           std::uint8_t& tippJelzo, std::optional<QSize> meret)
{
    if (!form || tippJelzo == 0) return;
    QScreen* s = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    KepernyoMeretek k;
    k.MunkaTerSzelesseg = s->availableGeometry().width();
    k.MunkaTerMagassag = s->availableGeometry().height();
    k.KepernyoSzelesseg = s->geometry().width();
    k.KepernyoMagassag = s->geometry().height();
    const QSize r = meret.value_or(form->frameGeometry().size());
    const auto szoveg = formMeretFigyelmeztetes(form->windowTitle().toStdString(), r.width(),
                                                r.height(), meretezheto, k, foablakBetuMeret);
    if (!szoveg) return;
    tippJelzo = FigyelmeztetoKerdes(QString::fromStdString(*szoveg)) ? 1 : 0;
}

int GetWindowState(const QWidget* ablak)
{
    if (!ablak) return -1;
    if (ablak->isMinimized()) return 2;
    if (ablak->isMaximized()) return 3;
    return 1;
}

}  // namespace kvx
