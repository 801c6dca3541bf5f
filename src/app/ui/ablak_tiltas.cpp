#include "app/ui/ablak_tiltas.h"

#include <QApplication>
#include <QMainWindow>

#include <algorithm>

namespace kvx {

namespace {

// Kept on a window while tokens hold it (a child object, so it goes with
// the window): how many hold it, and whether the first one switched it off
// (false: it was off already and stays off).
class Tiltasok : public QObject {
public:
    explicit Tiltasok(QWidget* ablak) : QObject(ablak), ablak_(ablak)
    {
        setObjectName(QString::fromLatin1(kNev));
        ablak->installEventFilter(this);
    }

    static constexpr char kNev[] = "kvxTiltasok";

    static Tiltasok* Ablake(const QWidget* w)
    {
        return dynamic_cast<Tiltasok*>(w->findChild<QObject*>(QString::fromLatin1(kNev), Qt::FindDirectChildrenOnly));
    }

    int Db = 0;
    bool Sajat = false;

protected:
    // A held window that the program shows modally waits for its answer:
    // it is on while it shows and off again when it has gone.
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == ablak_ && Sajat) {
            if (e->type() == QEvent::Show && ablak_->isModal())
                ablak_->setEnabled(true);
            else if (e->type() == QEvent::Hide && !ablak_->isVisible())
                ablak_->setEnabled(false);
        }
        return false;
    }

private:
    QWidget* ablak_;
};

int tiltasok(const QWidget* w)
{
    const Tiltasok* t = Tiltasok::Ablake(w);
    return t ? t->Db : 0;
}

// The windows the program opens; menus, tooltips and the like belong to
// the widget that opened them and follow its state.
bool programAblak(const QWidget* w)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType t = w->windowType();
    return t == Qt::Window || t == Qt::Dialog || t == Qt::Tool;
}

// The asker or a window it holds (isAncestorOf stops at a window's edge).
bool sajatAblaka(const QWidget* kero, const QWidget* w)
{
    for (; kero && w; w = w->parentWidget())
        if (w == kero)
            return true;
    return false;
}

}  // namespace

std::vector<QWidget*> ProgramAblakai()
{
    std::vector<QWidget*> v;
    const auto hozzaad = [&v](QWidget* w) {
        if (!programAblak(w) || (w->isModal() && w->isVisible()))
            return;
        v.push_back(w);
    };
    for (QWidget* fo : QApplication::topLevelWidgets()) {
        if (fo->parentWidget() || !qobject_cast<QMainWindow*>(fo))
            continue;
        hozzaad(fo);
        for (QWidget* w : fo->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            hozzaad(w);
    }
    return v;
}

AblakTiltas::AblakTiltas(const std::vector<QWidget*>& ablakok, const QWidget* kero)
{
    std::vector<QWidget*> uj;  // named by this token first, and on until now
    for (QWidget* w : ablakok) {
        if (!w || sajatAblaka(kero, w))
            continue;
        if (std::any_of(tartott_.begin(), tartott_.end(), [w](const Tartott& t) { return t.Ablak == w; }))
            continue;
        tartott_.push_back({w, w->metaObject()});
        Tiltasok* t = Tiltasok::Ablake(w);
        if (!t) {
            t = new Tiltasok(w);
            t->Sajat = w->isEnabled();
            if (t->Sajat)
                uj.push_back(w);
        }
        ++t->Db;
    }
    // The windows below the ones switched off now that no token holds and
    // that are on: they stay on (Qt would carry the parent's off to them).
    std::vector<QWidget*> megtartott;
    for (QWidget* w : uj)
        for (QWidget* c : w->findChildren<QWidget*>())
            if (programAblak(c) && c->isEnabled() && tiltasok(c) == 0)
                megtartott.push_back(c);
    for (QWidget* w : uj)
        w->setEnabled(false);
    for (QWidget* c : megtartott)
        c->setEnabled(true);
}

AblakTiltas AblakTiltas::MindenMasAblak(const QWidget* kero, std::initializer_list<const QWidget*> kivetelek)
{
    std::vector<QWidget*> v = ProgramAblakai();
    v.erase(std::remove_if(v.begin(), v.end(),
                           [&kivetelek](const QWidget* w) {
                               return std::find(kivetelek.begin(), kivetelek.end(), w) != kivetelek.end();
                           }),
            v.end());
    return AblakTiltas(v, kero);
}

AblakTiltas::AblakTiltas(AblakTiltas&& masik) noexcept : tartott_(std::move(masik.tartott_))
{
    masik.tartott_.clear();
}

AblakTiltas& AblakTiltas::operator=(AblakTiltas&& masik) noexcept
{
    if (this != &masik) {
        // The new hold is taken before the old one lets go, so a window both
        // name stays off in between.
        std::vector<Tartott> regi = std::move(tartott_);
        tartott_ = std::move(masik.tartott_);
        masik.tartott_.clear();
        AblakTiltas elengedett;
        elengedett.tartott_ = std::move(regi);
    }
    return *this;
}

AblakTiltas::~AblakTiltas() { Vege(); }

void AblakTiltas::Vege()
{
    std::vector<Tartott> v = std::move(tartott_);
    tartott_.clear();
    for (const Tartott& t : v) {
        QWidget* w = t.Ablak.data();
        if (!w || w->metaObject() != t.Tipus)
            continue;
        Tiltasok* h = Tiltasok::Ablake(w);
        if (!h || --h->Db > 0)
            continue;
        const bool sajat = h->Sajat;
        delete h;
        if (sajat)
            w->setEnabled(true);
    }
}

}  // namespace kvx
