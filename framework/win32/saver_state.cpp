#include "saver_state.h"

SaverState saverState = {
    nullptr, nullptr, 0,       0,       0, nullptr, nullptr,
    0,       nullptr, nullptr, nullptr, 0, {0, 0},  NO_CHECK_YET,
};
