#include "base/wide_string.h"
#include "gui/awt_scene.h"
#include "gui/canvas.h"
#include "gui/controls.h"
#include "gui/node_loaders.h"
#include "gui/widgets.h"
#include "media/gdi_text.h"
#include "platform/controls.h"
#include "platform/ui_scale.h"
#include "render/scene2d_nodes.h"
#include "render/scene3d_nodes.h"
#include "render/scene_sprite.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr size_t maxIndexText = 4;
constexpr int maxFontCells = 256;

// A scene's rectangle may reach beyond the page, but not without bound: its buffers follow it.
int sceneExtent(int value, int pageExtent) {
    return std::clamp(value, 0, std::max(4 * pageExtent, 256));
}

Scene* containerOf(Canvas& page, const TemplateLine& line, SceneKind kind) {
    const std::optional<std::wstring> name = line.text(L"container");
    Scene* scene = name ? page.findScene(*name) : nullptr;
    return scene && scene->kind == kind ? scene : nullptr;
}

Texture* picture(Canvas& page, const TemplateLine& line, std::wstring_view item, PowerOfTwo size) {
    const std::optional<std::wstring> name = line.text(item);
    return name && !name->empty() ? page.imageCache.lookup(page.folder, *name, size) : nullptr;
}

BitmapFont* namedFont(Canvas& page, const TemplateLine& line, std::wstring_view item) {
    const std::optional<std::wstring> name = line.text(item);
    if (!name)
        return nullptr;
    const std::unique_ptr<BitmapFont>* font = page.fontsByName.get(*name);
    return font ? font->get() : nullptr;
}

TextAlignment alignmentOf(const std::wstring& text) {
    if (text == L"CENTER")
        return TextAlignment::Center;
    if (text == L"RIGHT")
        return TextAlignment::Right;
    return TextAlignment::Left;
}

void readSceneItems(Canvas& page, Scene& scene, const TemplateLine& line) {
    if (scene.kind != SceneKind::AWT) {
        scene.x = line.scaledInteger(L"x", 0);
        scene.y = line.scaledInteger(L"y", 0);
        scene.bkgColor = line.colour(L"bkgColor", noColor);
        scene.bkgTexture = picture(page, line, L"bkgTexture", PowerOfTwo::No);
    }
    scene.visible = line.flag(L"visible", true);
    scene.buffered = line.flag(L"buffered", false);
    scene.transparentColor = line.colour(L"transparentColor", 0);
}

std::unique_ptr<Scene> makeScene3D(Canvas& page, const TemplateLine& line, int width, int height) {
    Scene3DValues values;
    values.x = line.scaledInteger(L"x", 0);
    values.y = line.scaledInteger(L"y", 0);
    values.width = width;
    values.height = height;
    values.ambient = line.colour(L"ambient", 0);
    values.frontClip = line.real(L"frontClip", 1.0f);
    values.backClip = line.real(L"backClip", 1000.0f);
    // The shared depth buffer must be an earlier 3D scene's of the same size.
    if (const std::optional<std::wstring> provider = line.text(L"zBufferProviderScene")) {
        Scene* scene = page.findScene(*provider);
        if (scene && scene->kind == SceneKind::Scene3D && scene->width == std::max(width, 8) &&
            scene->height == std::max(height, 8))
            values.zBufferProvider = static_cast<Scene3D*>(scene);
    }
    return buildScene3D(values);
}

void readWidgetItems(Sprite& sprite, const TemplateLine& line) {
    sprite.guiType = guiTypeFromName(line.text(L"GUIType", L""));
    switch (sprite.guiType) {
    case GuiType::Editbox: {
        const int maximum = std::clamp(line.integer(L"maxLength", 20), 1, 1 << 16);
        const bool allowEmpty = line.flag(L"allowEmpty", true);
        sprite.widgetText =
            formatWide(L"%d,%ls", allowEmpty ? maximum : -maximum, line.text(L"title", L"").c_str());
        break;
    }
    case GuiType::Checkbox:
        sprite.widgetText = line.text(L"group", L"");
        sprite.persistent = line.flag(L"persistent", false);
        break;
    case GuiType::Hyperlink:
    case GuiType::Tiplink:
        sprite.widgetText = line.text(L"href", L"");
        break;
    case GuiType::Button:
    case GuiType::None:
        break;
    }
    sprite.status = line.integer(L"status", 0) != 0 ? SpriteStatus::Bright : SpriteStatus::Normal;
}

void readTextItems(Canvas& page, Sprite& sprite, const TemplateLine& line) {
    if (const std::optional<std::wstring> text = line.text(L"text"))
        sprite.setText(*text);
    sprite.textFont = line.text(L"textFont", L"");
    sprite.textSize = line.fontSize(L"textSize", 16);
    sprite.textItalic = line.flag(L"textItalic", false);
    const bool link = sprite.guiType == GuiType::Hyperlink || sprite.guiType == GuiType::Tiplink;
    sprite.textUnderline = line.flag(L"textUnderline", link);
    sprite.textWeight = std::clamp(line.integer(L"textWeight", 400), 0, 900);
    sprite.textOffsetX = line.scaledInteger(L"textOffsetX", 0);
    sprite.textOffsetY = line.scaledInteger(L"textOffsetY", 0);
    sprite.textFormatted = line.flag(L"textFormatted", true);
    sprite.textAlignment = alignmentOf(line.text(L"textAlignment", L""));
    sprite.textColor = line.colour(L"textColor", 0);
    sprite.bitmapFontNormal = namedFont(page, line, L"BitmapFontNormal");
    sprite.bitmapFontBright = namedFont(page, line, L"BitmapFontBright");
}

void readPictureItems(Canvas& page, Sprite& sprite, const TemplateLine& line) {
    sprite.texture = picture(page, line, L"texture", PowerOfTwo::No);
    sprite.brightTexture = picture(page, line, L"bright", PowerOfTwo::No);
    sprite.mask = picture(page, line, L"mask", PowerOfTwo::No);
    const bool animated = line.flag(L"animationEnabled", true);
    for (Texture* texture : {sprite.texture, sprite.brightTexture, sprite.mask}) {
        if (texture)
            texture->animationEnabled = animated;
    }
    if (sprite.texture && line.text(L"transparentColor")) {
        const uint32_t key = line.colour(L"transparentColor", 0);
        for (const auto& frame : sprite.texture->frames) {
            frame->hasTransparentColor = true;
            frame->transparentColor = key;
        }
    }
    sprite.clipX = line.integer(L"clipX", -1);
    sprite.clipY = line.integer(L"clipY", -1);
    sprite.clipW = line.integer(L"clipW", -1);
    sprite.clipH = line.integer(L"clipH", -1);
}

} // namespace

int copyCount(const TemplateLine& line) {
    return std::clamp(line.integer(L"number", 1), 1, maxCopies);
}

std::wstring copyName(const std::wstring& key, const TemplateLine& line, int index) {
    if (line.integer(L"number", 0) < 1)
        return key;
    return key + std::to_wstring(index);
}

void loadSceneLine(Canvas& page, const std::wstring& key, const std::wstring& type,
                   const TemplateLine& line) {
    const int pageWidth = page.pageWidth(), pageHeight = page.pageHeight();
    const int width = sceneExtent(line.size(L"width", pageWidth, pageWidth), pageWidth);
    const int height = sceneExtent(line.size(L"height", pageHeight, pageHeight), pageHeight);
    std::unique_ptr<Scene> scene;
    if (type == L"SceneSprite") {
        auto sprites = std::make_unique<SceneSprite>();
        sprites->indexTextColor = line.colour(L"indexTextColor", 0xFFFF00);
        sprites->setIndexTextSize(line.fontSize(L"indexTextSize", 16));
        sprites->indexTextOffsetX = line.scaledInteger(L"indexTextOffsetX", 0);
        sprites->indexTextOffsetY = line.scaledInteger(L"indexTextOffsetY", 0);
        scene = std::move(sprites);
    } else if (type == L"SceneAWT") {
        auto controls = std::make_unique<SceneAWT>();
        controls->indexTextColor = line.colour(L"indexTextColor", 0xFFFF00);
        controls->indexTextSize = line.fontSize(L"indexTextSize", 16);
        controls->indexTextOffsetX = line.scaledInteger(L"indexTextOffsetX", 0);
        controls->indexTextOffsetY = line.scaledInteger(L"indexTextOffsetY", 0);
        scene = std::move(controls);
    } else if (type == L"Scene3D") {
        scene = makeScene3D(page, line, width, height);
    } else {
        scene = buildScene2D(Scene2DValues{0, 0, width, height});
    }
    readSceneItems(page, *scene, line);
    if (scene->kind == SceneKind::AWT) {
        scene->width = pageWidth;
        scene->height = pageHeight;
    } else if (scene->kind != SceneKind::Scene3D) { // a 3D scene has its size (at least 8 x 8)
        scene->width = width;
        scene->height = height;
    }
    page.addScene(std::move(scene), key);
}

void loadSpriteLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    auto sprite = std::make_unique<Sprite>();
    sprite->x = line.scaledInteger(L"x", 0);
    sprite->y = line.scaledInteger(L"y", 0);
    readWidgetItems(*sprite, line);
    readTextItems(page, *sprite, line);
    readPictureItems(page, *sprite, line);
    sprite->visible = line.flag(L"visible", true);
    sprite->color = line.colour(L"color", noColor);
    sprite->brightColor = line.colour(L"brightColor", noColor);
    sprite->frameColor = line.colour(L"frame", noColor);
    // Without a size the sprite takes its picture's, which scales with the page.
    sprite->width = line.scaledInteger(L"width", clipSize);
    sprite->height = line.scaledInteger(L"height", clipSize);
    if (uiScale() != 1.0f) {
        const Rect clip = sprite->clipRect();
        if (sprite->width < 0 && clip.width > 0)
            sprite->width = scaled(clip.width);
        if (sprite->height < 0 && clip.height > 0)
            sprite->height = scaled(clip.height);
    }
    sprite->indexText = line.text(L"index", L"").substr(0, maxIndexText);

    Scene* scene = containerOf(page, line, SceneKind::Sprite);
    if (!scene)
        return;
    // The first object is the one built; the others are copies of it without its index text.
    Sprite* first = sprite.get();
    scene->add(copyName(key, line, 0), std::move(sprite));
    const int count = copyCount(line);
    for (int i = 1; i < count; ++i) {
        auto copy = std::make_unique<Sprite>(*first);
        copy->indexText.clear();
        scene->add(copyName(key, line, i), std::move(copy));
    }
}

void loadAwtComponentLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    static constexpr const wchar_t* kinds[] = {L"BUTTON", L"EDIT",   L"COMBOBOX", L"LISTBOX",
                                               L"LABEL",  L"STATIC", L"TEXTAREA"};
    const std::wstring kindName = line.text(L"AWTType", L"BUTTON");
    int kind = 0;
    for (int i = 0; i < 7; ++i) {
        if (kindName == kinds[i])
            kind = i;
    }
    Scene* scene = containerOf(page, line, SceneKind::AWT);
    if (!scene)
        return;
    Window* native = page.addChild(
        createControl(static_cast<AWTType>(kind), line.integer(L"id", -1), line.text(L"text", L"")),
        line.scaledInteger(L"x", 0), line.scaledInteger(L"y", 0), line.scaledInteger(L"width", 32),
        line.scaledInteger(L"height", 16));
    if (static_cast<AWTType>(kind) == AWTType::TextArea && line.flag(L"wrap", false))
        native->setWindowLong(GWL_STYLE, native->windowLong(GWL_STYLE) & ~(WS_HSCROLL | ES_AUTOHSCROLL));
    auto component = std::make_unique<AWTComponent>(page, native);
    const std::wstring face = line.text(L"fontFace", L"");
    FontRequest font;
    font.height = line.fontSize(L"fontSize", 16);
    font.weight = std::clamp(line.integer(L"fontWeight", 400), 0, 900);
    font.italic = line.flag(L"fontItalic", false);
    font.face = face;
    component->font = createFont(font);
    native->setFont(component->font);
    component->indexText = line.text(L"index", L"").substr(0, maxIndexText);
    component->visible = line.flag(L"visible", true);
    if (!component->visible)
        native->show(false);
    scene->add(key, std::move(component));
}

void loadGroup2DLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    Scene* scene = containerOf(page, line, SceneKind::Scene2D);
    if (!scene)
        return;
    Group2DValues values;
    values.scale = line.real(L"scale", 1.0f);
    values.texture = line.text(L"texture", L"");
    values.mask = line.text(L"mask", L"");
    values.visible = line.flag(L"visible", true);
    values.detailLevel = shadingModeFromNumber(line.integer(L"detailLevel", 1));
    values.color = line.colour(L"color", 0xFFFFFF);
    std::unique_ptr<Group2D> group = buildGroup2D(&page.imageCache, page.folder, values);
    if (!group)
        return;
    std::vector<std::unique_ptr<Group2D>> copies = copiesOf(*group, copyCount(line));
    scene->add(copyName(key, line, 0), std::move(group));
    for (size_t i = 0; i < copies.size(); ++i)
        scene->add(copyName(key, line, static_cast<int>(i) + 1), std::move(copies[i]));
}

void loadWaveSoundLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    const std::optional<std::wstring> source = line.text(L"src");
    if (source && !source->empty())
        page.soundsByName.put(key, page.soundBank.load(page.folder, *source));
}

void loadBitmapFontLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    const std::optional<std::wstring> bitmap = line.text(L"bitmap");
    const int columns = line.integer(L"columns", 0), rows = line.integer(L"rows", 0);
    // A font named again by a later template stays: sprites already draw with it. A grid of more
    // cells than a font has characters is not a font.
    if (!bitmap || columns < 1 || rows < 1 || columns > maxFontCells || rows > maxFontCells ||
        page.fontsByName.containsKey(key))
        return;
    const bool separated = !page.folder.empty() && page.folder.back() == L'\\';
    const std::wstring path = page.folder + (separated ? L"" : L"\\") + *bitmap;
    const int conversion = std::clamp(line.integer(L"caseConvertion", 1), 0, 2);
    page.fontsByName.put(key, std::make_unique<BitmapFont>(
                                  path, columns, rows, static_cast<CaseConversion>(conversion),
                                  line.integer(L"startCode", 32), line.colour(L"transparentColor", 0)));
}

} // namespace velmora
