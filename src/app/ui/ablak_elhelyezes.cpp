#include "app/ui/ablak_elhelyezes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

// Set on a window once it has been placed: later showings keep its place.
constexpr char kElhelyezve[] = "kvxElhelyezve";
// Set on a window the service watches for growing out of its place.
constexpr char kFigyelve[] = "kvxFigyelve";
// Set while the service itself moves or resizes a window.
constexpr char kElhelyezes[] = "kvxElhelyezes";

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

// The buttons of a window in screen coordinates, as far as they are in
// sight (a page that scrolls shows part of its own).
std::vector<Teglalap> gombok(const QWidget* ablak)
{
    std::vector<Teglalap> ki;
    for (const QAbstractButton* b : ablak->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QPushButton*>(b) && !qobject_cast<const QToolButton*>(b))
            continue;
        if (!b->isVisibleTo(ablak) || b->window() != ablak || b->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
        for (const QWidget* p = b->parentWidget(); p && p != ablak && !r.isEmpty(); p = p->parentWidget())
            r &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
        if (!r.isEmpty())
            ki.push_back(teglalap(r));
    }
    return ki;
}

bool felul(const QWidget* w) { return w->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void alkalmaz(QWidget* w, const Teglalap& t, const QMargins& m, const QRect& munka)
{
    const QSize meret(t.Width - m.left() - m.right(), t.Height - m.top() - m.bottom());
    // A window that keeps the size its user gave it tells this resize apart.
    w->setProperty(kElhelyezes, true);
    if (meret != w->size())
        w->resize(meret);
    // A window that would not take the size planned (its own limits) still
    // stays on the work area.
    const int fw = w->width() + m.left() + m.right();
    const int fh = w->height() + m.top() + m.bottom();
    w->move(std::clamp(t.Left, munka.left(), std::max(munka.left(), munka.right() + 1 - fw)),
            std::clamp(t.Top, munka.top(), std::max(munka.top(), munka.bottom() + 1 - fh)));
    w->setProperty(kElhelyezes, false);
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

QRect AblakElhelyezes::AblakTerulet() const
{
    const Teglalap t = kvx::AblakTerulet(teglalap(MunkaTerulet()), teglalap(EszkoztarSav()));
    return {t.Left, t.Top, t.Width, t.Height};
}

QSize AblakElhelyezes::LegnagyobbMeret(const QWidget* ablak) const
{
    const QMargins m = keretMargok(ablak, foablak_);
    const QRect t = AblakTerulet();
    return {std::max(1, t.width() - m.left() - m.right()), std::max(1, t.height() - m.top() - m.bottom())};
}

bool AblakElhelyezes::eventFilter(QObject* o, QEvent* e)
{
    // A window that grew out of its place after it was placed (its content
    // arrived, a longer text) goes back on the area.
    if (e->type() == QEvent::Resize && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        if (w->isVisible() && !w->property(kElhelyezes).toBool() && !AblakTerulet().contains(w->frameGeometry()))
            QTimer::singleShot(0, w, [this, w] {
                if (w->isVisible() && !AblakTerulet().contains(w->frameGeometry()))
                    Elhelyez(w);
            });
    }
    return QObject::eventFilter(o, e);
}

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
        Teglalap t = KivantHely(fajta, k, {}, true);
        // As high as the area (its numbers scroll beyond): a little higher
        // up then, so that its bottom stays on the screen.
        const QRect a = AblakTerulet();
        t.Top = std::max(a.top(), std::min(t.Top, a.bottom() + 1 - ablak->frameGeometry().height()));
        if (ablak->pos() != QPoint(t.Left, t.Top))
            ablak->move(t.Left, t.Top);
        return;
    }
    if (ablak->layout())
        ablak->layout()->activate();
    const QRect terulet = AblakTerulet();
    {
        // No window is wider or taller at its smallest than the area it may
        // take: a larger content scrolls inside it.
        const QSize max = LegnagyobbMeret(ablak);
        if (ablak->minimumWidth() > max.width())
            ablak->setMinimumWidth(max.width());
        if (ablak->minimumHeight() > max.height())
            ablak->setMinimumHeight(max.height());
    }
    if (!ablak->property(kFigyelve).toBool()) {
        ablak->setProperty(kFigyelve, true);
        ablak->installEventFilter(this);
    }

    std::vector<QWidget*> nyitott;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == ablak || w == foablak_ || !w->isVisible() || !programAblak(w))
            continue;
        NyitottAblak n{AblakFajtaNevbol(w->objectName().toStdString()), teglalap(w->frameGeometry())};
        // The main ticket is its numbers: all of it is what one clicks.
        n.Gombok = n.Fajta == AblakFajta::Foszelveny ? std::vector<Teglalap>{n.Hely} : gombok(w);
        n.Felul = felul(w);
        k.Nyitott.push_back(n);
        nyitott.push_back(w);
    }

    const QMargins m = keretMargok(ablak, foablak_);
    const int kw = m.left() + m.right();
    const int kh = m.top() + m.bottom();
    const QPoint hol = ablak->isVisible() || ablak->testAttribute(Qt::WA_Moved) ? ablak->pos() : QPoint(0, 0);
    const Teglalap most{hol.x(), hol.y(), ablak->width() + kw, ablak->height() + kh};
    // Its own buttons, from its frame's corner.
    const QPoint sarok = ablak->mapToGlobal(QPoint(0, 0)) - QPoint(m.left(), m.top());
    for (Teglalap g : gombok(ablak)) {
        g.Left -= sarok.x();
        g.Top -= sarok.y();
        k.SajatGombok.push_back(g);
    }
    k.Felul = felul(ablak);
    // A window keeps the size its content needs: it is never squeezed to
    // make room (only the area caps it, its content then scrolls).
    const bool elso = elolrol || !ablak->property(kElhelyezve).toBool();
    const Elhelyezes e = AblakHelyeAtrendezessel(fajta, k, most, elso, most.Width, most.Height);
    ablak->setProperty(kElhelyezve, true);
    alkalmaz(ablak, e.Hely, m, terulet);
    // The open windows that make room for it.
    for (const auto& [i, hely] : e.Kiteresek)
        alkalmaz(nyitott[i], hely, keretMargok(nyitott[i], foablak_), terulet);
    // The window just placed is in front: where it had to lie over another,
    // its own buttons are in sight.
    if (ablak->isVisible())
        ablak->raise();
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
    // A content of a set size (no layout of its own) asks for that size.
    const QSize t = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSize()) : QSize();
    const int f = 2 * frameWidth();
    return {t.width() + f + verticalScrollBar()->sizeHint().width(), t.height() + f};
}

QSize TartalomGorgeto::minimumSizeHint() const
{
    const QSize t = widget() ? widget()->minimumSizeHint().expandedTo(QSize(0, widget()->minimumHeight())) : QSize();
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
