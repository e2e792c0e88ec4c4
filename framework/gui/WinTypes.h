#pragma once

// The message, command and style numbers that the program's code and its
// resources are written in.

// Messages.
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_DROPFILES = 0x0233;

// Commands and dialog results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr unsigned ID_HELP = 0xE146;

// Commands of the window's own menu.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;

// Message box types.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;

// Menu items.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// Help commands.
inline constexpr unsigned HELP_CONTEXT = 0x0001;
inline constexpr unsigned HELP_QUIT = 0x0002;
