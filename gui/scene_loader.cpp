#include "gui/scene_loader.h"

#include "base/wide_string.h"
#include "gui/canvas.h"
#include "gui/node_loaders.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/ui_scale.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// Template pixel values beyond this are cut: nothing on a page is that large, and the scaled value
// must stay an int.
constexpr int maxPixelValue = 1 << 20;

int clampPixels(double value) {
    if (!(value > -maxPixelValue))
        return -maxPixelValue;
    return value < maxPixelValue ? static_cast<int>(value) : maxPixelValue;
}

int scaledPixels(int value) {
    return scaled(std::clamp(value, -maxPixelValue, maxPixelValue));
}

} // namespace

int pixelSize(std::wstring_view text, int pageExtent) {
    if (text.find(L'%') != std::wstring_view::npos)
        return clampPixels(std::floor(parseDouble(text) * pageExtent * 0.01 + 0.5));
    return scaledPixels(parseLong(text));
}

const std::wstring* TemplateLine::nonEmpty(std::wstring_view item) const {
    const std::wstring* value = items_.get(std::wstring(item));
    return value && !value->empty() ? value : nullptr;
}

std::optional<std::wstring> TemplateLine::text(std::wstring_view item) const {
    const std::wstring* value = items_.get(std::wstring(item));
    return value ? std::optional<std::wstring>(*value) : std::nullopt;
}

std::wstring TemplateLine::text(std::wstring_view item, std::wstring_view defaultValue) const {
    const std::wstring* value = items_.get(std::wstring(item));
    return value ? *value : std::wstring(defaultValue);
}

int TemplateLine::integer(std::wstring_view item, int defaultValue) const {
    const std::wstring* value = nonEmpty(item);
    return value ? parseLong(*value) : defaultValue;
}

int TemplateLine::scaledInteger(std::wstring_view item, int defaultValue) const {
    return scaledPixels(integer(item, defaultValue));
}

int TemplateLine::size(std::wstring_view item, int defaultPixels, int pageExtent) const {
    const std::wstring* value = nonEmpty(item);
    return value ? pixelSize(*value, pageExtent) : defaultPixels;
}

int TemplateLine::fontSize(std::wstring_view item, int defaultValue) const {
    // Font heights beyond a screen's are of no use and only cost the font engine.
    return std::clamp(scaledInteger(item, defaultValue), 11, 1024);
}

float TemplateLine::real(std::wstring_view item, float defaultValue) const {
    const std::wstring* value = nonEmpty(item);
    if (!value)
        return defaultValue;
    const double number = parseDouble(*value);
    return std::isfinite(number) ? static_cast<float>(std::clamp(number, -1e30, 1e30)) : defaultValue;
}

bool TemplateLine::flag(std::wstring_view item, bool defaultValue) const {
    const std::wstring* value = nonEmpty(item);
    return value ? parseLong(*value) != 0 : defaultValue;
}

uint32_t TemplateLine::colour(std::wstring_view item, uint32_t defaultValue) const {
    const std::wstring* value = nonEmpty(item);
    return value ? static_cast<uint32_t>(parseColor(*value)) : defaultValue;
}

void buildTemplateLine(Canvas& page, const std::wstring& key) {
    std::optional<ValueList> items = page.pageTemplate.getValueList(key);
    if (!items)
        return;
    const std::wstring* typeItem = items->get(L"type");
    if (!typeItem)
        return; // a plain setting (a check-box group, a page option)
    const std::wstring type = *typeItem;
    const TemplateLine line(std::move(*items));
    if (type == L"SceneAWT" || type == L"SceneSprite" || type == L"Scene2D" || type == L"Scene3D")
        loadSceneLine(page, key, type, line);
    else if (type == L"AWTComponent")
        loadAwtComponentLine(page, key, line);
    else if (type == L"Sprite")
        loadSpriteLine(page, key, line);
    else if (type == L"Group3D" || type == L"Chip3D")
        loadObject3DLine(page, key, type, line);
    else if (type == L"Fog")
        loadFogLine(page, line);
    else if (type == L"Light")
        loadLightLine(page, key, line);
    else if (type == L"LOD")
        loadLodLine(page, line);
    else if (type == L"BitmapFont")
        loadBitmapFontLine(page, key, line);
    else if (type == L"Group2D")
        loadGroup2DLine(page, key, line);
    else if (type == L"WaveSound")
        loadWaveSoundLine(page, key, line);
    else
        page.loadCustomNode(page.pageTemplate, key);
}

bool Canvas::loadTemplate(const std::wstring& templateFolder, const std::wstring& fileName, bool reload) {
    if (templateFolder.empty() || fileName.empty())
        return false;
    // The arguments may be the page's own fields (a hyperlink passes the folder), which change below.
    const std::wstring newFolder = templateFolder.substr(0, maxFolderLength);
    const std::wstring newName = fileName.substr(0, maxTemplateName);
    std::wstring previousFolder, previousName;
    if (reload) {
        onPageLeaving();
        clearContent();
    } else {
        previousFolder = folder;
        previousName = templateName;
    }
    templateName = newName;
    folder = newFolder;

    std::vector<std::wstring> keysRead;
    // The player's own copy of a template the page saved wins over the shipped one.
    if (!pageTemplate.load(guiFileFolder(templateName, folder), templateName, &keysRead)) {
        const std::wstring message = formatWide(L"Can not find the template file: %ls%ls.",
                                                displayPath(folder).c_str(), templateName.c_str());
        if (!reload && !previousName.empty()) {
            folder = previousFolder;
            templateName = previousName;
            pageTemplate.setPath(folder, templateName);
        }
        MessageBoxW(handle(), message.c_str(), L"Error", MB_OK | MB_ICONSTOP);
        return false;
    }
    buildKeys(keysRead);
    // A page's own template without a single node (an emptied or overwritten file) would leave a
    // black page with nothing to press: the player learns which file is at fault.
    const bool definesNodes = std::any_of(keysRead.begin(), keysRead.end(), [&](const std::wstring& key) {
        return pageTemplate.getString(key, L"type").has_value();
    });
    if (reload && !definesNodes) {
        const std::wstring message = formatWide(L"The template file is damaged: %ls%ls.",
                                                displayPath(folder).c_str(), templateName.c_str());
        MessageBoxW(handle(), message.c_str(), L"Error", MB_OK | MB_ICONSTOP);
        return false;
    }
    if (progress)
        progress->progress(L"Load", templateName, 100);
    onPageLoaded();

    if (reload) {
        typedShortcut_.clear();
        lastShortcutTick_ = GetTickCount();
        pressedNode_ = nullptr;
    } else if (!previousName.empty()) {
        folder = previousFolder;
        templateName = previousName;
        pageTemplate.setPath(folder, templateName);
    }
    repaint();
    return true;
}

// Every key of the template, in order: new keys are built; a key built by an earlier file is built
// again only when this file gives it too.
void Canvas::buildKeys(const std::vector<std::wstring>& keysRead) {
    const std::unordered_set<std::wstring> fromThisFile(keysRead.begin(), keysRead.end());
    const std::vector<std::wstring> keys = pageTemplate.keys();
    const int count = static_cast<int>(keys.size());
    for (int i = 0; i < count; ++i) {
        const std::wstring& key = keys[static_cast<size_t>(i)];
        if (!loadedNames.insert(key).second && !fromThisFile.count(key))
            continue;
        buildTemplateLine(*this, key);
        if (progress)
            progress->progress(formatWide(L"Load %.20ls", key.c_str()), templateName, i * 100 / count);
    }
}

} // namespace velmora
