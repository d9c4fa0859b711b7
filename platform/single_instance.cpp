#include "platform/single_instance.h"

#include "base/wide_string.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

namespace velmora {

namespace {

constexpr char frontRequest[] = "front";

std::map<std::string, int>& heldNames() {
    static std::map<std::string, int> names;
    return names;
}

// An abstract socket address: a leading zero byte, then the name without terminator. Names too
// long for the address keep their start and end with a hash of the whole.
socklen_t abstractAddress(const std::string& name, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::string key = name;
    const size_t room = sizeof(address.sun_path) - 1;
    if (key.size() > room) {
        const std::string hash = std::to_string(std::hash<std::string>{}(name));
        key = key.substr(0, room - hash.size() - 1) + "#" + hash;
    }
    std::memcpy(address.sun_path + 1, key.data(), key.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + key.size());
}

} // namespace

std::string instanceName(const std::wstring& className, const std::wstring& title) {
    const char* instance = std::getenv("VELMORA_INSTANCE");
    std::string prefix = instance && *instance ? instance : "velmora-" + std::to_string(getuid());
    return prefix + ":" + toUtf8(className) + ":" + toUtf8(title);
}

NameClaim claimName(const std::string& name) {
    if (holdsName(name))
        return NameClaim::Claimed;
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return NameClaim::Failed;
    sockaddr_un address;
    const socklen_t length = abstractAddress(name, address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        const int error = errno;
        close(fd);
        return error == EADDRINUSE ? NameClaim::HeldElsewhere : NameClaim::Failed;
    }
    if (listen(fd, 8) != 0) {
        close(fd);
        return NameClaim::Failed;
    }
    heldNames()[name] = fd;
    return NameClaim::Claimed;
}

void releaseName(const std::string& name) {
    auto found = heldNames().find(name);
    if (found == heldNames().end())
        return;
    close(found->second);
    heldNames().erase(found);
}

bool holdsName(const std::string& name) {
    return heldNames().count(name) != 0;
}

bool sendFrontRequest(const std::string& name) {
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    const socklen_t length = abstractAddress(name, address);
    bool sent = false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0)
        sent = send(fd, frontRequest, sizeof frontRequest - 1, MSG_NOSIGNAL) > 0;
    close(fd);
    return sent;
}

void pollFrontRequests(void (*onFront)(const std::string& name)) {
    // Copy first: the callback may release names.
    const std::map<std::string, int> names = heldNames();
    for (const auto& [name, listener] : names) {
        for (;;) {
            const int connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                break;
            // The sender writes right after connecting; wait briefly in case it has not yet.
            pollfd ready{connection, POLLIN, 0};
            poll(&ready, 1, 200);
            char message[16] = {};
            const ssize_t received = recv(connection, message, sizeof message - 1, MSG_DONTWAIT);
            close(connection);
            if (received > 0 && std::strcmp(message, frontRequest) == 0 && onFront)
                onFront(name);
        }
    }
}

} // namespace velmora
