// A window library sees the core of its own subsystem and of those below it,
// never a higher one. The Kompilacio tests build this file once for each
// forbidden include and pass only on the compiler's "No such file" for it;
// every ordinary build compiles it without one, so the include is the file's
// only fault.
#if defined(KVX_TICKETS_ABLAK)
#include "tickets/ui/szelveny_vezerlo.h"
#else
#include "draws/ui/huzasok_vezerlo.h"
#endif

#if defined(KVX_FELSO_VARIACIO)
#include "variation/variation_store.h"
#elif defined(KVX_FELSO_STATISZTIKA)
#include "statistics/stat_table.h"
#elif defined(KVX_FELSO_NYOMTATAS)
#include "printing/print_pages.h"
#endif

int FelsoIncludeProba()
{
    return 0;
}
