#include "gui/widgets.h"

#include "base/wide_string.h"
#include "gui/canvas.h"
#include "gui/input_pad.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cwctype>

namespace velmora {

namespace {

void writeStatus(Canvas& page, Sprite& node, SpriteStatus status) {
    node.status = status;
    page.pageTemplate.setItem(node.name, L"status", std::to_wstring(static_cast<int>(status)));
}

bool isMemberOf(const Node* child, const std::wstring& group) {
    const auto* sprite = static_cast<const Sprite*>(child);
    return sprite->guiType == GuiType::Checkbox && sprite->widgetText == group;
}

// In a group every member is cleared first, so the pressed box always ends ticked: the group acts
// as radio buttons and its line records the position of the ticked member.
void pressCheckbox(Canvas& page, Sprite& node) {
    const std::wstring& group = node.widgetText;
    if (!group.empty()) {
        int position = -1;
        int members = 0;
        Scene* scene = page.findSceneOfNode(node.name);
        if (scene && scene->kind == SceneKind::Sprite) {
            for (int i = 0; i < scene->children.count(); ++i) {
                Node* child = scene->children.at(i);
                if (!isMemberOf(child, group))
                    continue;
                if (child == &node)
                    position = members;
                ++members;
                writeStatus(page, *static_cast<Sprite*>(child), SpriteStatus::Normal);
            }
        }
        if (page.pageTemplate.get(group))
            page.pageTemplate.setItem(group, L"selected", std::to_wstring(position));
        else
            MessageBoxW(page.handle(), missingGroupMessage, L"Error", MB_OK | MB_ICONSTOP);
    }
    writeStatus(page, node,
                node.status == SpriteStatus::Bright ? SpriteStatus::Normal : SpriteStatus::Bright);
    if (node.persistent)
        page.saveTemplate();
}

void showTip(Canvas& page, const Sprite& node, bool shown) {
    Node* tip = page.findNode(node.widgetText);
    if (auto* sprite = dynamic_cast<Sprite*>(tip))
        sprite->visible = shown;
}

} // namespace

GuiType guiTypeFromName(const std::wstring& name) {
    std::wstring lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    if (lower == L"button")
        return GuiType::Button;
    if (lower == L"checkbox")
        return GuiType::Checkbox;
    if (lower == L"hyperlink")
        return GuiType::Hyperlink;
    if (lower == L"tiplink")
        return GuiType::Tiplink;
    if (lower == L"editbox")
        return GuiType::Editbox;
    return GuiType::None;
}

void pressWidget(Canvas& page, Sprite& node) {
    switch (node.guiType) {
    case GuiType::Button:
    case GuiType::Hyperlink:
        node.status = SpriteStatus::Bright;
        break;
    case GuiType::Checkbox:
        pressCheckbox(page, node);
        break;
    case GuiType::Tiplink:
        if (page.findNode(node.widgetText)) {
            node.status = SpriteStatus::Bright;
            showTip(page, node, true);
        }
        break;
    case GuiType::Editbox:
    case GuiType::None:
        break;
    }
}

void releaseWidget(Canvas& page, Sprite& node) {
    switch (node.guiType) {
    case GuiType::Button:
        node.status = SpriteStatus::Normal;
        break;
    case GuiType::Hyperlink:
        node.status = SpriteStatus::Normal;
        if (!node.widgetText.empty()) {
            // The reload destroys the node: take the name first.
            const std::wstring target = node.widgetText;
            page.loadTemplate(page.folder, target, true);
        }
        break;
    case GuiType::Tiplink:
        node.status = SpriteStatus::Normal;
        showTip(page, node, false);
        break;
    case GuiType::Editbox:
        openPadForEditBox(page, node);
        break;
    case GuiType::Checkbox:
    case GuiType::None:
        break;
    }
}

} // namespace velmora
