#include "gui/idle_handler.h"

namespace velmora {

namespace {
IdleHandler* slot = nullptr;
}

IdleHandler** setIdleHandler(IdleHandler* handler) {
    slot = handler;
    return &slot;
}

IdleHandler* idleHandler() {
    return slot;
}

} // namespace velmora
