// The page's template loader on any bytes: every line type with hostile items, reloads and added
// loads into one page, then a paint of whatever was built.
#include "gui/canvas.h"
#include "platform/files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

struct Harness {
    Harness() {
        setenv("VELMORA_HEADLESS", "1", 0);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-loader-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        main = std::make_unique<velmora::Window>(L"Loader fuzz", nullptr, false);
        main->create(0, 0, 60, 80);
        page = main->addChild(std::make_unique<velmora::Canvas>(L"fuzzPage", true), 0, 0, 60, 80);
    }
    std::filesystem::path folder;
    std::unique_ptr<velmora::Window> main;
    velmora::Canvas* page = nullptr;
};

} // namespace

// fontconfig keeps a few small allocations per new family name it substitutes (font faces come from
// the template here); they are the library's, not the loader's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Harness harness;
    const std::filesystem::path file = harness.folder / "page.properties";
    std::FILE* stream = std::fopen(file.c_str(), "wb");
    if (!stream)
        return 0;
    std::fwrite(data, 1, size, stream);
    std::fclose(stream);
    const std::wstring folder = velmora::fromOsPath(harness.folder.string());
    // The first byte chooses a reload or an added load over the previous input's page; a few added
    // loads in a row at most, so that the page does not grow without end.
    static int addedLoads = 0;
    const bool reload = size == 0 || (data[0] & 1) != 0 || addedLoads >= 4;
    addedLoads = reload ? 0 : addedLoads + 1;
    harness.page->loadTemplate(folder, L"page.properties", reload);
    harness.page->repaint();
    return 0;
}
