#include "gui/controls.h"

#include "platform/controls.h"
#include "platform/messages.h"

namespace velmora {

namespace {

struct ControlKind {
    const wchar_t* className;
    DWORD extraStyle;
    DWORD exStyle;
};

ControlKind kindOf(AWTType type) {
    switch (type) {
    case AWTType::Edit:
        return {L"EDIT", ES_AUTOVSCROLL | ES_AUTOHSCROLL, WS_EX_STATICEDGE};
    case AWTType::ComboBox:
        return {L"COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case AWTType::ListBox:
        return {L"LISTBOX", WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE};
    case AWTType::Label:
    case AWTType::Static:
        return {L"STATIC", 0, 0};
    case AWTType::TextArea:
        return {L"EDIT",
                ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | ES_WANTRETURN | ES_MULTILINE,
                WS_EX_STATICEDGE};
    case AWTType::Button:
    default:
        return {L"BUTTON", 0, 0};
    }
}

class Control : public Window {
public:
    Control(AWTType type, int id, const std::wstring& text) : Window(id, nullptr, false) {
        const ControlKind kind = kindOf(type);
        className_ = kind.className;
        style_ = WS_CHILD | WS_VISIBLE | kind.extraStyle;
        exStyle_ = kind.exStyle;
        setText(text);
    }
};

} // namespace

std::unique_ptr<Window> createControl(AWTType type, int id, const std::wstring& text) {
    return std::make_unique<Control>(type, id, text);
}

} // namespace velmora
