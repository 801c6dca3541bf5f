#include "tickets/ui/szelveny_vezerlo.h"

#include "app/ui/program.h"

SzelvenyVezerlo& kvx::Program::Szelveny()
{
    if (!szelveny_)
        szelveny_ = Megtart(std::make_unique<SzelvenyVezerlo>(*this));
    return *szelveny_;
}

SzelvenyVezerlo::SzelvenyVezerlo(kvx::Program& program, QObject* parent) : QObject(parent), p_(program) {}

bool SzelvenyVezerlo::ValtozasEngedelyezett()
{
    return !ValtozasEngedelyezes || ValtozasEngedelyezes();
}

void SzelvenyVezerlo::Valtozott()
{
    emit szamokValtoztak(kvx::SzamsorTulteli(p_.Szamok, p_.Jatek));
}

kvx::BovitesAllapot SzelvenyVezerlo::Bovites() const
{
    return BovitesLekerdezes ? BovitesLekerdezes() : kvx::BovitesAllapot{};
}

void SzelvenyVezerlo::JelolesekUtan(const kvx::TobbJelolesEredmeny& r)
{
    for (const kvx::JelolesEredmeny& j : r.Jelolesek)
        if (j.BovitesVisszaallt) {
            BovitesVisszaallt();
            return;
        }
}
