#include "app/main_state.h"

namespace kvx {

}  // namespace kvx
