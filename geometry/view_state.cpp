#include "geometry/view_state.h"

ViewState& View()
{
    static ViewState state;
    return state;
}
