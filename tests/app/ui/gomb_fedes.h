#pragma once
// Test helper: which buttons of the program's windows lie under another
// window. A button is a push or tool button in sight (the part a scrolling
// page shows); the main ticket is its numbers, all of it. Whether a window
// could have been placed over none: every place is tried where the window's
// left edge is at the area's left, at the right of a button or where one of
// its own buttons just clears a window, the same for the top edge (a place
// over no button moved left and up as far as it stays so ends on one of
// them, so no such place is missed).
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QRect>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace kvx::teszt {

inline std::vector<QRect> Gombok(const QWidget* ablak)
{
    if (ablak->objectName() == QStringLiteral("FSz"))
        return {ablak->frameGeometry()};
    std::vector<QRect> ki;
    for (const QAbstractButton* b : ablak->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QPushButton*>(b) && !qobject_cast<const QToolButton*>(b))
            continue;
        if (!b->isVisibleTo(ablak) || b->window() != ablak || b->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
        for (const QWidget* p = b->parentWidget(); p && p != ablak; p = p->parentWidget())
            r &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
        if (!r.isEmpty())
            ki.push_back(r);
    }
    return ki;
}

inline bool Felul(const QWidget* w) { return w->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

inline long long Terulet(const QRect& a, const QRect& b)
{
    const QRect k = a & b;
    return k.isEmpty() ? 0 : static_cast<long long>(k.width()) * k.height();
}

// An open window as the check sees it.
struct Ablakkep {
    QRect Keret;
    std::vector<QRect> Gombok;
    bool Felul = false;
};

inline std::vector<Ablakkep> Kepek(const std::vector<const QWidget*>& ablakok)
{
    std::vector<Ablakkep> ki;
    for (const QWidget* w : ablakok)
        ki.push_back({w->frameGeometry(), Gombok(w), Felul(w)});
    return ki;
}

// What a window at `hely` with its buttons `sajat` (relative to its frame)
// hides among `masok`: its own buttons under the windows that stay above it
// while it does not, and every button of one under the other's frame.
struct Fedes {
    long long Sajat = 0;
    long long Mind = 0;
};

inline Fedes GombFedes(const QRect& hely, const std::vector<QRect>& sajat, bool felul, const std::vector<Ablakkep>& masok)
{
    Fedes f;
    for (const Ablakkep& m : masok) {
        if (!m.Keret.intersects(hely))
            continue;
        for (const QRect& g : sajat) {
            const long long x = Terulet(g.translated(hely.topLeft()), m.Keret);
            f.Mind += x;
            if (m.Felul && !felul)
                f.Sajat += x;
        }
        for (const QRect& g : m.Gombok)
            f.Mind += Terulet(g, hely);
    }
    return f;
}

// The window's own buttons relative to its frame.
inline std::vector<QRect> SajatGombok(const QWidget* w)
{
    std::vector<QRect> ki;
    for (const QRect& g : Gombok(w))
        ki.push_back(g.translated(-w->frameGeometry().topLeft()));
    return ki;
}

// What the window hides where it stands.
inline Fedes GombFedes(const QWidget* w, const std::vector<const QWidget*>& masok)
{
    return GombFedes(w->frameGeometry(), SajatGombok(w), Felul(w), Kepek(masok));
}

// A place of the window's frame size on `terulet` where it hides nothing
// (`csakSajat`: where its own buttons are in sight), if there is one.
inline std::optional<QPoint> SzabadHely(const QWidget* w, const QRect& terulet, const std::vector<const QWidget*>& ablakok,
                                        bool csakSajat)
{
    const QSize meret = w->frameGeometry().size().boundedTo(terulet.size());
    const std::vector<QRect> sajat = SajatGombok(w);
    const std::vector<Ablakkep> masok = Kepek(ablakok);
    std::vector<int> xek{terulet.left()}, yok{terulet.top()};
    for (const Ablakkep& m : masok) {
        for (const QRect& g : sajat) {
            xek.push_back(m.Keret.right() + 1 - g.left());
            yok.push_back(m.Keret.bottom() + 1 - g.top());
        }
        for (const QRect& g : m.Gombok) {
            xek.push_back(g.right() + 1);
            yok.push_back(g.bottom() + 1);
        }
    }
    for (std::vector<int>* v : {&xek, &yok}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    for (int x : xek) {
        if (x < terulet.left() || x + meret.width() > terulet.right() + 1)
            continue;
        for (int y : yok) {
            if (y < terulet.top() || y + meret.height() > terulet.bottom() + 1)
                continue;
            const Fedes f = GombFedes(QRect(QPoint(x, y), meret), sajat, Felul(w), masok);
            if ((csakSajat ? f.Sajat : f.Mind) == 0)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

// The order the program's windows came to the front in (shown or raised),
// the last in front.
class Sorrend : public QObject {
public:
    Sorrend() { qApp->installEventFilter(this); }
    ~Sorrend() override { qApp->removeEventFilter(this); }
    // The window came to the front after every other of `ablakok` that it
    // lies over.
    bool Elol(const QWidget* w, const std::vector<const QWidget*>& ablakok) const
    {
        const auto hol = [this](const QWidget* x) {
            return std::find(sorrend_.begin(), sorrend_.end(), x) - sorrend_.begin();
        };
        const auto sajat = hol(w);
        if (sajat == static_cast<std::ptrdiff_t>(sorrend_.size()))
            return false;
        return std::all_of(ablakok.begin(), ablakok.end(),
                           [&](const QWidget* x) {
                               return x == w || !x->frameGeometry().intersects(w->frameGeometry()) || hol(x) < sajat ||
                                      hol(x) == static_cast<std::ptrdiff_t>(sorrend_.size());
                           });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::Show || e->type() == QEvent::ZOrderChange) && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow()) {
            auto* w = static_cast<QWidget*>(o);
            sorrend_.erase(std::remove(sorrend_.begin(), sorrend_.end(), w), sorrend_.end());
            sorrend_.push_back(w);
        }
        return false;
    }

private:
    std::vector<const QWidget*> sorrend_;
};

}  // namespace kvx::teszt
