#pragma once
// The idle slot: the main loop hands the processor to the registered handler whenever no message
// waits. One process-wide slot, no list and no ownership: registering replaces its content.

#include "platform/message_queue.h"

namespace velmora {

class IdleHandler {
public:
    virtual ~IdleHandler() = default;
    virtual void onIdle(const MSG& lastMessage, HWND mainWindow) = 0;
};

// Returns the slot's address.
IdleHandler** setIdleHandler(IdleHandler* handler);
IdleHandler* idleHandler();

} // namespace velmora
