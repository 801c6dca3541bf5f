// A command named by a misspelt id must not compile. The Kompilacio test
// builds this file as it is and passes only on the compiler's "not a member
// of kvx::ParancsId" error; every ordinary build compiles it with
// KVX_HELYES_ID, so the misspelling is the file's only fault.
#include "app/main_menu.h"

#ifdef KVX_HELYES_ID
kvx::ParancsId StartParancs() { return kvx::ParancsId::Start1; }
#else
kvx::ParancsId StartParancs() { return kvx::ParancsId::Start; }  // the command is Start1
#endif
