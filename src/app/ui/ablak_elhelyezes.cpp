#include "app/ui/ablak_elhelyezes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

// Set on a window once it has been placed: later showings keep its place.
constexpr char kElhelyezve[] = "kvxElhelyezve";
// The smallest frame size of a window's last placement.
constexpr char kLegkisebb[] = "kvxLegkisebb";

Teglalap teglalap(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool programAblak(const QWidget* w)
{
    const Qt::WindowType t = w->windowType();
    return t == Qt::Window || t == Qt::Dialog || t == Qt::Tool;
}

QRect kepernyoMunkaTerulete(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The frame's margins around the client area. A window not yet shown has
// no frame of its own yet: it will get one like the main window's.
QMargins keretMargok(const QWidget* ablak, const QWidget* foablak)
{
    const QWidget* w = ablak->isVisible() && ablak->frameGeometry() != ablak->geometry() ? ablak : foablak;
    if (!w)
        return {};
    const QRect k = w->frameGeometry();
    const QRect g = w->geometry();
    return {g.left() - k.left(), g.top() - k.top(), k.right() - g.right(), k.bottom() - g.bottom()};
}

// The smallest frame a window may shrink to: the smallest size its layout
// allows. Nothing for a window that keeps its size.
std::optional<QSize> legkisebbMeret(const QWidget* w, const QWidget* foablak)
{
    const QSize min = w->minimumSize();
    if (!w->layout() || min.isEmpty() || (min.width() >= w->width() && min.height() >= w->height()))
        return std::nullopt;
    const QMargins m = keretMargok(w, foablak);
    return min + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void alkalmaz(QWidget* w, const Teglalap& t, const QMargins& m, const QRect& munka)
{
    const QSize meret(t.Width - m.left() - m.right(), t.Height - m.top() - m.bottom());
    // A window that keeps the size its user gave it tells this resize apart.
    w->setProperty("kvxElhelyezes", true);
    if (meret != w->size())
        w->resize(meret);
    // A window that would not take the size planned (its own limits) still
    // stays on the work area.
    const int fw = w->width() + m.left() + m.right();
    const int fh = w->height() + m.top() + m.bottom();
    w->move(std::clamp(t.Left, munka.left(), std::max(munka.left(), munka.right() + 1 - fw)),
            std::clamp(t.Top, munka.top(), std::max(munka.top(), munka.bottom() + 1 - fh)));
    w->setProperty("kvxElhelyezes", false);
}

}  // namespace

AblakElhelyezes::AblakElhelyezes(QMainWindow* foablak) : QObject(foablak), foablak_(foablak)
{
    setObjectName(QStringLiteral("AblakElhelyezes"));
}

AblakElhelyezes* AblakElhelyezes::Keres(const QWidget* ablak)
{
    for (const QWidget* w = ablak; w; w = w->parentWidget())
        if (auto* e = w->findChild<AblakElhelyezes*>(QString(), Qt::FindDirectChildrenOnly))
            return e;
    return nullptr;
}

QRect AblakElhelyezes::MunkaTerulet() const
{
    return munkaTerulet_ ? *munkaTerulet_ : kepernyoMunkaTerulete(foablak_);
}

void AblakElhelyezes::SetMunkaTerulet(std::optional<QRect> r) { munkaTerulet_ = r; }

int AblakElhelyezes::KepernyoMagassag() const
{
    if (munkaTerulet_)
        return munkaTerulet_->height();
    const QScreen* s = foablak_->screen() ? foablak_->screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : MunkaTerulet().height();
}

int AblakElhelyezes::StatusSorMagassag() const
{
    const QStatusBar* s = foablak_->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return s && s->isVisible() ? s->height() : 0;
}

QRect AblakElhelyezes::EszkoztarSav() const
{
    const QRect k = foablak_->frameGeometry();
    int also = foablak_->mapToGlobal(QPoint(0, 0)).y();
    if (QMenuBar* m = foablak_->menuBar(); m && m->isVisible())
        also = std::max(also, m->mapToGlobal(QPoint(0, m->height())).y());
    for (const QToolBar* t : foablak_->findChildren<QToolBar*>())
        if (t->isVisible() && t->parentWidget() == foablak_)
            also = std::max(also, t->mapToGlobal(QPoint(0, t->height())).y());
    return {k.left(), k.top(), k.width(), std::max(0, also - k.top())};
}

FoablakMeretek AblakElhelyezes::Meretek() const
{
    // The client area of the placement rules lies under the menu bar: the
    // toolbar is its top.
    const QRect k = foablak_->frameGeometry();
    int kliensTeto = foablak_->mapToGlobal(QPoint(0, 0)).y();
    if (QMenuBar* m = foablak_->menuBar(); m && m->isVisible())
        kliensTeto = m->mapToGlobal(QPoint(0, m->height())).y();
    FoablakMeretek f;
    f.Left = k.left();
    f.Top = k.top();
    f.Width = k.width();
    f.Height = k.height();
    f.ClientWidth = foablak_->width();
    f.ClientHeight = k.top() + k.height() - kliensTeto;
    const QRect sav = EszkoztarSav();
    f.ToolBarHeight = std::max(0, sav.top() + sav.height() - kliensTeto);
    f.Image1Top = f.ToolBarHeight;
    const int pont = foablak_->font().pointSize();
    f.MeretSzorzo = pont > 0 ? pont / 8.0 : 1.0;
    return f;
}

void AblakElhelyezes::Elhelyez(QWidget* ablak, bool elolrol)
{
    if (!ablak || ablak == foablak_)
        return;
    const AblakFajta fajta = AblakFajtaNevbol(ablak->objectName().toStdString());
    ElhelyezesiKep k;
    k.Fo = Meretek();
    k.MunkaTerulet = teglalap(MunkaTerulet());
    k.Eszkoztar = teglalap(EszkoztarSav());
    k.KarakterSzelesseg = QFontMetrics(foablak_->font()).averageCharWidth();
    if (const QStatusBar* s = foablak_->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        s && s->isVisible())
        k.StatusSorTeto = s->mapToGlobal(QPoint(0, 0)).y();
    // The main ticket has its one place under the toolbar at the main
    // window's left; the other windows keep off it.
    if (fajta == AblakFajta::Foszelveny) {
        const Teglalap t = KivantHely(fajta, k, {}, true);
        if (ablak->pos() != QPoint(t.Left, t.Top))
            ablak->move(t.Left, t.Top);
        return;
    }
    if (ablak->layout())
        ablak->layout()->activate();
    {
        // No window is wider or taller at its smallest than the work area.
        const QMargins km = keretMargok(ablak, foablak_);
        const QSize max(k.MunkaTerulet.Width - km.left() - km.right(), k.MunkaTerulet.Height - km.top() - km.bottom());
        if (ablak->minimumWidth() > max.width())
            ablak->setMinimumWidth(max.width());
        if (ablak->minimumHeight() > max.height())
            ablak->setMinimumHeight(max.height());
    }

    std::vector<QWidget*> nyitott;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == ablak || w == foablak_ || !w->isVisible() || !programAblak(w))
            continue;
        NyitottAblak n{AblakFajtaNevbol(w->objectName().toStdString()), teglalap(w->frameGeometry())};
        if (const auto min = legkisebbMeret(w, foablak_)) {
            n.MinSzelesseg = min->width();
            n.MinMagassag = min->height();
        }
        k.Nyitott.push_back(n);
        nyitott.push_back(w);
    }

    const QMargins m = keretMargok(ablak, foablak_);
    const int kw = m.left() + m.right();
    const int kh = m.top() + m.bottom();
    const QPoint hol = ablak->isVisible() || ablak->testAttribute(Qt::WA_Moved) ? ablak->pos() : QPoint(0, 0);
    const Teglalap most{hol.x(), hol.y(), ablak->width() + kw, ablak->height() + kh};
    // A window being placed gives way down to its smallest size, but not
    // below a third of its height: squeezed to its buttons it would show
    // nothing.
    QSize legkisebb = legkisebbMeret(ablak, foablak_).value_or(QSize(most.Width, most.Height));
    legkisebb.setHeight(std::max(legkisebb.height(), std::min(most.Height, most.Height / 3)));
    // The frame size it was allowed to give way to, for whoever checks.
    ablak->setProperty(kLegkisebb, legkisebb);
    const bool elso = elolrol || !ablak->property(kElhelyezve).toBool();
    const Elhelyezes e = AblakHelyeAtrendezessel(fajta, k, most, elso, legkisebb.width(), legkisebb.height());
    ablak->setProperty(kElhelyezve, true);
    const QRect munka = MunkaTerulet();
    alkalmaz(ablak, e.Hely, m, munka);
    // The open windows that make room for it.
    for (const auto& [i, hely] : e.Kiteresek)
        alkalmaz(nyitott[i], hely, keretMargok(nyitott[i], foablak_), munka);
}

TartalomGorgeto::TartalomGorgeto(QWidget* tartalom, int minSorok, QWidget* szulo)
    : QScrollArea(szulo), minSorok_(minSorok)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(tartalom);
}

QSize TartalomGorgeto::sizeHint() const
{
    const QSize t = widget() ? widget()->sizeHint() : QSize();
    const int f = 2 * frameWidth();
    return {t.width() + f + verticalScrollBar()->sizeHint().width(), t.height() + f};
}

QSize TartalomGorgeto::minimumSizeHint() const
{
    const QSize t = widget() ? widget()->minimumSizeHint() : QSize();
    const int f = 2 * frameWidth();
    const int sor = fontMetrics().height();
    // Its whole width: a window is never made so narrow that a column of
    // its content is cut off (the work area caps it, see Elhelyez).
    return {t.width() + f + verticalScrollBar()->sizeHint().width(), std::min(t.height(), minSorok_ * sor) + f};
}

void AblakElhelyezese(QWidget* ablak, bool elolrol)
{
    if (!ablak)
        return;
    if (elolrol && !ablak->isVisible()) {
        ablak->setProperty(kElhelyezve, false);
        return;
    }
    if (AblakElhelyezes* e = AblakElhelyezes::Keres(ablak)) {
        e->Elhelyez(ablak, elolrol);
        return;
    }
    // Without a main window the window only stays on its screen.
    const QRect m = kepernyoMunkaTerulete(ablak);
    const QRect r = ablak->frameGeometry();
    ablak->move(std::clamp(r.left(), m.left(), std::max(m.left(), m.right() - r.width())),
                std::clamp(r.top(), m.top(), std::max(m.top(), m.bottom() - r.height())));
}

}  // namespace kvx
