#include "platform/device_profile.h"

#include "base/wide_string.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace velmora {

namespace {

constexpr int maxPanelSide = 4096;
constexpr DWORD maxVersion = 99;

struct ProfileState {
    DeviceProfile profile = deviceProfileFromEnvironment();
    unsigned revision = 0;
};

ProfileState& state() {
    static ProfileState instance;
    return instance;
}

void reportMalformed(const char* name, const char* value, const char* expected) {
    std::fprintf(stderr, "velmora: %s=%s is not %s; ignored\n", name, value, expected);
}

std::optional<SIZE> parseSize(const char* value) {
    int width = 0, height = 0;
    char trailing = 0;
    if (std::sscanf(value, "%dx%d%c", &width, &height, &trailing) != 2 || width < 1 || height < 1 ||
        width > maxPanelSide || height > maxPanelSide)
        return std::nullopt;
    return SIZE{width, height};
}

// "MAJOR" or "MAJOR.MINOR", each 0 to 99.
bool parseVersion(const char* value, DWORD& major, DWORD& minor) {
    unsigned parsedMajor = 0, parsedMinor = 0;
    char trailing = 0;
    const int fields = std::sscanf(value, "%u.%u%c", &parsedMajor, &parsedMinor, &trailing);
    if (fields == 1 && std::strchr(value, '.') == nullptr)
        parsedMinor = 0;
    else if (fields != 2)
        return false;
    if (parsedMajor > maxVersion || parsedMinor > maxVersion ||
        !std::isdigit(static_cast<unsigned char>(value[0])))
        return false;
    major = parsedMajor;
    minor = parsedMinor;
    return true;
}

} // namespace

bool isFixedPanelFamily(const std::wstring& oemInfo) {
    return oemInfo.find(L"iPAQ") != std::wstring::npos && oemInfo.find(L"H38") != std::wstring::npos;
}

const DeviceProfile& deviceProfile() {
    return state().profile;
}

void setDeviceProfile(const DeviceProfile& profile) {
    state().profile = profile;
    ++state().revision;
}

unsigned deviceProfileRevision() {
    return state().revision;
}

DeviceProfile deviceProfileFromEnvironment() {
    DeviceProfile profile;
    if (const char* value = std::getenv("VELMORA_OEM_INFO"))
        profile.oemInfo = fromUtf8(value);
    if (const char* value = std::getenv("VELMORA_OS_VERSION"); value && *value) {
        if (!parseVersion(value, profile.osMajorVersion, profile.osMinorVersion))
            reportMalformed("VELMORA_OS_VERSION", value, "MAJOR or MAJOR.MINOR (0 to 99 each)");
    }
    if (const char* value = std::getenv("VELMORA_DRAM_BUFFER"); value && *value) {
        if (std::strcmp(value, "0") == 0 || std::strcmp(value, "1") == 0)
            profile.dramBuffer = value[0] == '1';
        else
            reportMalformed("VELMORA_DRAM_BUFFER", value, "0 or 1");
    }
    if (const char* value = std::getenv("VELMORA_PANEL"); value && *value) {
        if (const std::optional<SIZE> panel = parseSize(value))
            profile.panel = *panel;
        else
            reportMalformed("VELMORA_PANEL", value, "WIDTHxHEIGHT (1 to 4096 each)");
    }
    if (const char* value = std::getenv("VELMORA_FRAMEBUFFER"); value && *value) {
        if (std::strcmp(value, "portrait") == 0)
            profile.memory = PanelMemory::Rows;
        else if (std::strcmp(value, "landscape") == 0)
            profile.memory = PanelMemory::ColumnsFromRight;
        else if (std::strcmp(value, "landscape-left") == 0)
            profile.memory = PanelMemory::ColumnsFromLeft;
        else
            reportMalformed("VELMORA_FRAMEBUFFER", value, "portrait, landscape or landscape-left");
    }
    return profile;
}

} // namespace velmora
