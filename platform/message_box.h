#pragma once
// Message boxes: a modal desktop dialog with the title, the text and OK, OK/Cancel or Yes/No
// buttons. Headless (VELMORA_HEADLESS=1), or when an answer was given in advance, the box is
// written to standard error and answered at once: with the answer given in advance, or else with
// its default button (the first, or the second with MB_DEFBUTTON2).

#include "platform/types.h"

#include <string>

namespace velmora {

enum MessageBoxType : UINT {
    MB_OK = 0x00000000,
    MB_OKCANCEL = 0x00000001,
    MB_YESNO = 0x00000004,
    MB_ICONHAND = 0x00000010,
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONQUESTION = 0x00000020,
    MB_ICONEXCLAMATION = 0x00000030,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONINFORMATION = 0x00000040,
    MB_DEFBUTTON2 = 0x00000100,
    MB_APPLMODAL = 0x00000000,
    MB_SETFOREGROUND = 0x00010000,
    MB_TOPMOST = 0x00040000,
};
enum MessageBoxAnswer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// The answer for the next message box (IDOK, IDCANCEL, IDYES or IDNO); answers queue up in order.
// An answer that is not one of the box's buttons gives the default button.
void queueMessageBoxAnswer(int answer);
// The last box shown: its caption and text (tests check what the user would have read).
struct ShownMessageBox {
    std::wstring caption;
    std::wstring text;
    UINT type = 0;
    int answer = 0;
};
const ShownMessageBox& lastMessageBox();
int messageBoxCount();

} // namespace velmora
