#include "app/ui/parancs_tar.h"

#include "app/main_menu.h"
#include "app/ui/program.h"

#include <QKeySequence>
#include <QToolBar>

#include <stdexcept>
#include <string>

namespace kvx {

ParancsTar::ParancsTar(QObject* tulajdonos) : QObject(tulajdonos)
{
    const QString nemElerheto = QString::fromUtf8(kNemElerheto);
    for (const FomenuPont& p : FomenuPontok()) {
        if (p.Fajta == PontFajta::Elvalaszto || p.Fajta == PontFajta::Almenu)
            continue;
        auto* a = new QAction(QString::fromUtf8(p.Felirat), tulajdonos);
        a->setData(p.Tag);
        if (*p.Gyorsbillentyu)
            a->setShortcut(QKeySequence(QString::fromUtf8(p.Gyorsbillentyu)));
        const QString tipp = p.Kesz ? QString::fromUtf8(p.Tipp) : nemElerheto;
        ParancsBeallitas(a, p.Kesz, tipp);
        a->setCheckable(p.Fajta == PontFajta::Valaszto);
        Felvesz(p.Id, a);
    }
    Program::aktualis().Parancsok = this;
}

ParancsTar::~ParancsTar() = default;

ParancsTar* ParancsTar::aktualis() { return Program::aktualis().Parancsok.data(); }

QAction* ParancsTar::Keres(ParancsId id) const
{
    const auto i = static_cast<std::size_t>(id);
    return i < akciok_.size() ? akciok_[i] : nullptr;
}

QAction* ParancsTar::operator[](ParancsId id) const
{
    QAction* a = Keres(id);
    if (!a)
        throw std::logic_error(std::string("command without an action: ") + ParancsNev(id));
    return a;
}

void ParancsTar::Felvesz(ParancsId id, QAction* a)
{
    const auto i = static_cast<std::size_t>(id);
    if (i >= akciok_.size())
        throw std::logic_error("a command needs an id");
    a->setObjectName(QString::fromUtf8(ParancsNev(id)));
    akciok_[i] = a;
}

void ParancsTar::Vegrehajtas(ParancsId id) const
{
    QAction* a = (*this)[id];
    emit a->triggered(a->isChecked());
}

void ParancsTar::Engedelyez(ParancsId id, bool be) const { (*this)[id]->setEnabled(be); }

bool ParancsTar::Engedelyezett(ParancsId id) const { return (*this)[id]->isEnabled(); }

QAction* Parancs(ParancsId id)
{
    ParancsTar* t = ParancsTar::aktualis();
    if (!t)
        throw std::logic_error(std::string("no command registry yet: ") + ParancsNev(id));
    return (*t)[id];
}

bool ParancsElerheto(ParancsId id)
{
    ParancsTar* t = ParancsTar::aktualis();
    QAction* a = t ? t->Keres(id) : nullptr;
    if (!a || !a->isEnabled())
        return false;
    for (QObject* o : a->associatedObjects())
        if (auto* sav = qobject_cast<QToolBar*>(o))
            if (const QWidget* gomb = sav->widgetForAction(a); gomb && !gomb->isEnabled())
                return false;
    return true;
}

void ParancsTipp(QAction* a, const QString& tipp)
{
    a->setToolTip(tipp);
    a->setStatusTip(tipp);
}

void ParancsBeallitas(QAction* a, bool be, const QString& tipp)
{
    a->setEnabled(be);
    ParancsTipp(a, tipp);
}

}  // namespace kvx
