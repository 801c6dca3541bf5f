#include "app/ui/parancs_tar.h"

#include "app/main_menu.h"
#include "app/ui/program.h"

#include <QKeySequence>

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
        a->setObjectName(QString::fromUtf8(p.Nev));
        a->setData(p.Tag);
        if (*p.Gyorsbillentyu)
            a->setShortcut(QKeySequence(QString::fromUtf8(p.Gyorsbillentyu)));
        const QString tipp = p.Kesz ? QString::fromUtf8(p.Tipp) : nemElerheto;
        ParancsBeallitas(a, p.Kesz, tipp);
        a->setCheckable(p.Fajta == PontFajta::Valaszto);
        Felvesz(a);
    }
    Program::aktualis().Parancsok = this;
}

ParancsTar::~ParancsTar() = default;

ParancsTar* ParancsTar::aktualis() { return Program::aktualis().Parancsok.data(); }

QAction* ParancsTar::Keres(std::string_view nev) const
{
    const auto it = akciok_.find(QString::fromUtf8(nev.data(), qsizetype(nev.size())));
    return it == akciok_.end() ? nullptr : it->second;
}

QAction* ParancsTar::operator[](std::string_view nev) const
{
    QAction* a = Keres(nev);
    if (!a)
        throw std::logic_error("unknown command: " + std::string(nev));
    return a;
}

void ParancsTar::Felvesz(QAction* a)
{
    if (a->objectName().isEmpty())
        throw std::logic_error("a command needs a name");
    akciok_[a->objectName()] = a;
}

void ParancsTar::Engedelyez(std::string_view nev, bool be) const { (*this)[nev]->setEnabled(be); }

bool ParancsTar::Engedelyezett(std::string_view nev) const { return (*this)[nev]->isEnabled(); }

QAction* Parancs(std::string_view nev)
{
    ParancsTar* t = ParancsTar::aktualis();
    if (!t)
        throw std::logic_error("no command registry yet: " + std::string(nev));
    return (*t)[nev];
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
