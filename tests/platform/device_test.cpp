// The emulated handheld: its profile from the environment, what the device services report from
// it, and the framebuffer panel in each memory layout.
#include "platform/device_profile.h"
#include "platform/gx.h"
#include "platform/shell_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

const char* const profileVariables[] = {"VELMORA_OEM_INFO", "VELMORA_OS_VERSION", "VELMORA_DRAM_BUFFER",
                                        "VELMORA_PANEL", "VELMORA_FRAMEBUFFER"};

// Sets the profile's variables for a scope (the others unset) and puts back what was there.
struct Environment {
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const char* name : profileVariables) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        for (const auto& [name, value] : values)
            setenv(name, value, 1);
    }
    ~Environment() {
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
    }
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

class Device : public testing::Test {
protected:
    void TearDown() override {
        GXCloseDisplay();
        setDeviceProfile(deviceProfileFromEnvironment());
    }
};

TEST_F(Device, TheEnvironmentDescribesTheHandheldAndMalformedValuesKeepTheDefaults) {
    {
        const Environment environment{{"VELMORA_OEM_INFO", "Maker Model 7"},
                                      {"VELMORA_OS_VERSION", "4.20"},
                                      {"VELMORA_DRAM_BUFFER", "1"},
                                      {"VELMORA_PANEL", "480x640"},
                                      {"VELMORA_FRAMEBUFFER", "landscape-left"}};
        const DeviceProfile profile = deviceProfileFromEnvironment();
        EXPECT_EQ(profile.oemInfo, L"Maker Model 7");
        EXPECT_EQ(profile.osMajorVersion, 4u);
        EXPECT_EQ(profile.osMinorVersion, 20u);
        EXPECT_TRUE(profile.dramBuffer);
        EXPECT_EQ(profile.panel.cx, 480);
        EXPECT_EQ(profile.panel.cy, 640);
        EXPECT_EQ(profile.memory, PanelMemory::ColumnsFromLeft);
    }
    const Environment environment{{"VELMORA_OS_VERSION", "4.x"},
                                  {"VELMORA_DRAM_BUFFER", "yes"},
                                  {"VELMORA_PANEL", "480"},
                                  {"VELMORA_FRAMEBUFFER", "sideways"}};
    const DeviceProfile profile = deviceProfileFromEnvironment();
    const DeviceProfile defaults;
    EXPECT_EQ(profile.oemInfo, defaults.oemInfo);
    EXPECT_EQ(profile.osMajorVersion, 5u);
    EXPECT_FALSE(profile.dramBuffer);
    EXPECT_EQ(profile.panel.cx, 0);
    EXPECT_EQ(profile.memory, PanelMemory::Rows);
    for (const char* version : {"-4", "100", "4.", ""}) {
        const Environment bad{{"VELMORA_OS_VERSION", version}};
        EXPECT_EQ(deviceProfileFromEnvironment().osMajorVersion, 5u) << version;
    }
}

TEST_F(Device, ServicesReportTheProfileAndTheMakerStringIsCutToTheBuffer) {
    DeviceProfile profile;
    profile.oemInfo = std::wstring(70, L'x') + L"iPAQ";
    profile.osMajorVersion = 3;
    profile.osMinorVersion = 0;
    profile.dramBuffer = true;
    setDeviceProfile(profile);
    wchar_t text[64];
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, 63, text, 0));
    EXPECT_EQ(std::wstring(text), std::wstring(62, L'x'));
    OSVERSIONINFOW version;
    ASSERT_TRUE(GetVersionExW(&version));
    EXPECT_EQ(version.dwMajorVersion, 3u);
    EXPECT_TRUE(GXIsDisplayDRAMBuffer());
}

TEST_F(Device, EachPanelLayoutShowsWhatIsWrittenThroughTheReportedSteps) {
    for (const PanelMemory memory :
         {PanelMemory::Rows, PanelMemory::ColumnsFromRight, PanelMemory::ColumnsFromLeft}) {
        DeviceProfile profile;
        profile.panel = {6, 4};
        profile.memory = memory;
        setDeviceProfile(profile);
        ASSERT_TRUE(GXOpenDisplay(nullptr, GX_FULLSCREEN));
        const GXDisplayProperties properties = GXGetDisplayProperties();
        EXPECT_EQ(properties.cxWidth, 6u);
        EXPECT_EQ(properties.cyHeight, 4u);
        auto* origin = static_cast<uint8_t*>(GXBeginDraw());
        ASSERT_NE(origin, nullptr);
        // Every pixel through the reported steps, as a display writer addresses it.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                *reinterpret_cast<uint16_t*>(origin + x * properties.cbxPitch + y * properties.cbyPitch) =
                    uint16_t(1 + y * 6 + x);
        std::vector<uint16_t> shown(6 * 4);
        gxComposeScreen(shown.data());
        for (int i = 0; i < 24; ++i)
            ASSERT_EQ(shown[i], i + 1) << "layout " << int(memory);
        char info[sizeof(RawFrameBufferInfo)];
        ASSERT_EQ(ExtEscape(nullptr, GETRAWFRAMEBUFFER, 0, nullptr, sizeof info, info), 1);
        RawFrameBufferInfo raw;
        std::memcpy(&raw, info, sizeof raw);
        EXPECT_EQ(raw.pFramePointer, origin);
        EXPECT_EQ(raw.cxStride, properties.cbxPitch);
        EXPECT_EQ(raw.cyStride, properties.cbyPitch);
        EXPECT_TRUE(gxDisplayShown());
        GXSuspend();
        EXPECT_FALSE(gxDisplayShown());
        GXResume();
        GXCloseDisplay();
        EXPECT_EQ(GXBeginDraw(), nullptr);
        EXPECT_EQ(gxDeviceAddress(fixedPanelAddress, 0, 1), nullptr)
            << "an ordinary panel has no fixed address";
    }
}

TEST_F(Device, TheFixedAddressFamilyHasItsOwnPanelAndMisreportsIt) {
    DeviceProfile profile;
    profile.oemInfo = L"Maker iPAQ H3870";
    setDeviceProfile(profile);
    EXPECT_EQ(gxPanelSize().cx, 240);
    ASSERT_TRUE(GXOpenDisplay(nullptr, GX_FULLSCREEN));
    EXPECT_EQ(GXGetDisplayProperties().cbxPitch, 2) << "the game interface claims rows";
    char info[sizeof(RawFrameBufferInfo)];
    ASSERT_EQ(ExtEscape(nullptr, GETRAWFRAMEBUFFER, 0, nullptr, sizeof info, info), 1);
    RawFrameBufferInfo raw;
    std::memcpy(&raw, info, sizeof raw);
    EXPECT_EQ(raw.cxStride, -640) << "the memory runs down the columns";
    // Pixel (0, 0) lies at the family's address; the whole panel must lie behind it.
    EXPECT_EQ(gxDeviceAddress(fixedPanelAddress, -239 * 640, 319 * 2 + 1), raw.pFramePointer);
    EXPECT_EQ(gxDeviceAddress(fixedPanelAddress, -240 * 640, 0), nullptr);
    EXPECT_EQ(gxDeviceAddress(fixedPanelAddress, 0, 320 * 2), nullptr);
    EXPECT_EQ(gxDeviceAddress(0x1000, 0, 1), nullptr);
}

} // namespace
} // namespace velmora
