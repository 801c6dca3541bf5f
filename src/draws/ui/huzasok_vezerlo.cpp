#include "draws/ui/huzasok_vezerlo.h"

#include "app/ui/program.h"

HuzasokVezerlo::HuzasokVezerlo(kvx::Program& program, QObject* parent) : QObject(parent), p_(program) {}
