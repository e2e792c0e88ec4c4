#pragma once

// Numbers of the program's resources and of the controls in its dialogs.

// Dialogs.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN_DIALOG = 129;
inline constexpr int IDD_CONFIG_DIALOG = 130;
inline constexpr int IDD_DETAILS_DIALOG = 131;

// Strings.
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDP_SOCKETS_INIT_FAILED = 103;

// The icon.
inline constexpr int IDR_MAINFRAME = 128;

// The item of the window's own menu that opens the About box.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Main window.
inline constexpr int IDC_STATUS = 1001;
inline constexpr int IDC_PROGRESS_FILE = 1002;
inline constexpr int IDC_RESCAN = 1003;
inline constexpr int IDC_SEND = 1004;
inline constexpr int IDC_CONFIGURE = 1005;
inline constexpr int IDC_FILE_FIGURES = 1006;
inline constexpr int IDC_PROGRESS_TOTAL = 1007;
inline constexpr int IDC_TOTAL_FIGURES = 1008;
inline constexpr int IDC_CHANGES = 1014;
inline constexpr int IDC_UP_TO_DATE = 1015;
inline constexpr int IDC_DETAILS = 1016;

// Configuration dialog.
inline constexpr int IDC_PAGE_FOLDER = 1000;
inline constexpr int IDC_HOST = 1008;
inline constexpr int IDC_USER = 1009;
inline constexpr int IDC_PASSWORD = 1010;
inline constexpr int IDC_REENTER = 1011;

// Details dialog.
inline constexpr int IDC_DETAILS_TEXT = 1014;
