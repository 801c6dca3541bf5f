#include "tickets/ui/szelveny_vezerlo.h"

#include "app/ui/program.h"

SzelvenyVezerlo::SzelvenyVezerlo(kvx::Program& program, QObject* parent) : QObject(parent), p_(program) {}

bool SzelvenyVezerlo::ValtozasEngedelyezett()
{
    return !ValtozasEngedelyezes || ValtozasEngedelyezes();
}

void SzelvenyVezerlo::Valtozott()
{
    emit szamokValtoztak(kvx::SzamsorTulteli(p_.Szamok, p_.Jatek));
}
