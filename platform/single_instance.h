#pragma once
// Names that only one process of the user may hold at a time: a top-level window's class and
// title are claimed this way, so that a second instance of the program finds the first one's
// window and can ask it to come to the front.
//
// A name is an abstract local socket "<instance>:<class>:<title>", where <instance> is
// VELMORA_INSTANCE when set (parallel test runs give each run its own) and otherwise
// "velmora-<user id>". The name is freed when its holder releases it or ends, even by a crash.

#include <string>

namespace velmora {

std::string instanceName(const std::wstring& className, const std::wstring& title);

enum class NameClaim { Claimed, HeldElsewhere, Failed };
// Claims the name for this process. Claiming a name this process already holds is Claimed.
NameClaim claimName(const std::string& name);
void releaseName(const std::string& name);
bool holdsName(const std::string& name);

// Asks the process holding the name to bring that window to the front. False when nobody holds it.
bool sendFrontRequest(const std::string& name);

// Handles requests that arrived for names held here, without waiting: onFront is called with the
// name of each window asked to come to the front.
void pollFrontRequests(void (*onFront)(const std::string& name));

} // namespace velmora
