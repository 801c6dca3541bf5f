#pragma once
// Small helpers of the variation's window tests: the long wait of a run or a
// test, and where a test's pictures go.
#include "app/ui/valaszolo.h"

#include <QDir>
#include <QString>

namespace kvx::teszt {

// Runs and tests can take long on a loaded machine: two minutes unless a
// test says otherwise. The tests take it in with `using futas::varj`.
namespace futas {
template <class F>
bool varj(F feltetel, int ms = 120000)
{
    return kvx::teszt::varj(feltetel, ms);
}
}  // namespace futas

// Where the pictures go when KAVAREX_KEPEK names a folder.
inline QString kepUtvonal(const char* nev)
{
    const QString d = qEnvironmentVariable("KAVAREX_KEPEK");
    return d.isEmpty() ? QString() : QDir(d).filePath(QString::fromUtf8(nev));
}

}  // namespace kvx::teszt
