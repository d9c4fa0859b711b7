#pragma once
// The standard controls, drawn simply: "BUTTON" (a push button), "STATIC" (a text label),
// "EDIT" (single-line, or multi-line with ES_MULTILINE), "LISTBOX" and "COMBOBOX" (a drop-down
// list). Each tells its parent what happens through WM_COMMAND and asks it for its colours
// through the WM_CTLCOLOR* messages; WM_SETFONT sets the font it draws with.

#include "platform/types.h"

namespace velmora {

// Styles of the standard controls.
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;

enum ControlMessage : UINT {
    EM_SETSEL = 0x00B1,
    EM_GETLINECOUNT = 0x00BA,
    EM_LIMITTEXT = 0x00C5,
    EM_SETREADONLY = 0x00CF,
    CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149,
    CB_RESETCONTENT = 0x014B,
    CB_FINDSTRING = 0x014C,
    CB_SETCURSEL = 0x014E,
    CB_SHOWDROPDOWN = 0x014F,
    CB_GETITEMDATA = 0x0150,
    CB_SETITEMDATA = 0x0151,
    LB_ADDSTRING = 0x0180,
    LB_DELETESTRING = 0x0182,
    LB_RESETCONTENT = 0x0184,
    LB_SETCURSEL = 0x0186,
    LB_GETCURSEL = 0x0188,
    LB_GETTEXT = 0x0189,
    LB_GETTEXTLEN = 0x018A,
    LB_GETCOUNT = 0x018B,
    LB_FINDSTRING = 0x018F,
    LB_GETITEMDATA = 0x0199,
    LB_SETITEMDATA = 0x019A,
};
constexpr LRESULT LB_ERR = -1;
constexpr LRESULT CB_ERR = -1;

} // namespace velmora
