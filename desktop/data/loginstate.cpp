#include "desktop/data/loginstate.h"

namespace korvell {

LoginState& loginState()
{
    static LoginState state;
    return state;
}

} // namespace korvell
