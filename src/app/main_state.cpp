#include "app/main_state.h"

namespace kvx {

MainState& mainState()
{
    static MainState state;
    return state;
}

}  // namespace kvx
