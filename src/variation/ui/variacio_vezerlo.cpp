#include "variation/ui/variacio_vezerlo.h"

#include "app/ui/program.h"

VariacioVezerlo::VariacioVezerlo(kvx::Program& program, QObject* parent) : QObject(parent), p_(program) {}
