#include "res/ProgramResources.h"

#include "res/Icon128.xpm"
#include "framework/gui/WinTypes.h"
#include "res/ResourceIds.h"

namespace {

using K = ControlKind;

DialogTemplate AboutBox()
{
    return {IDD_ABOUTBOX, "About Tolvark", 212, 55, dsNone, DialogFont::Sans8,
            {
                {IDC_STATIC, K::Icon, "128", 6, 6, 0, 0, csNone},
                {IDC_STATIC, K::StaticText, "Tolvark Version 1.0", 34, 10, 119, 8, csGroup | csNoPrefix},
                {IDC_STATIC, K::StaticText,
                 "Free to use under the MIT licence, no warranty\n"
                 "Kestrin, tolvark@kestrin.example\n"
                 "https://kestrin.example/tolvark",
                 34, 24, 172, 26, csGroup},
                {IDOK, K::PushButton, "OK", 166, 6, 40, 14, csDefault | csGroup | csTabStop},
            }};
}

DialogTemplate MainDialog()
{
    return {IDD_MAIN_DIALOG, "Tolvark utility", 260, 186, dsMinimizeBox | dsAcceptFiles, DialogFont::Sans8,
            {
                {IDCANCEL, K::PushButton, "E&xit", 186, 170, 70, 14, csTabStop},
                {IDC_STATIC, K::GroupBox, "Sending progress", 4, 100, 251, 66, csNone},
                {IDC_STATUS, K::StaticText, "", 10, 113, 165, 8, csGroup},
                {IDC_PROGRESS_FILE, K::ProgressBar, "", 10, 123, 235, 10, csStaticEdge},
                {IDC_RESCAN, K::PushButton, "&Rescan", 26, 80, 70, 14, csTabStop},
                {IDC_SEND, K::PushButton, "&Send", 34, 170, 70, 14, csDefault | csTabStop},
                {IDC_CONFIGURE, K::PushButton, "&Configure", 110, 170, 70, 14, csTabStop},
                {IDC_FILE_FIGURES, K::StaticText, "", 185, 113, 60, 8, csRight | csGroup},
                {IDC_STATIC, K::StaticText, "Overall progress", 10, 138, 52, 8, csGroup},
                {IDC_PROGRESS_TOTAL, K::ProgressBar, "", 10, 148, 235, 10, csStaticEdge},
                {IDC_TOTAL_FIGURES, K::StaticText, "", 190, 138, 50, 8, csRight | csGroup},
                {IDC_STATIC, K::GroupBox, "Ch&anges found:", 4, 0, 252, 98, csNone},
                {IDC_CHANGES, K::Edit, "", 10, 11, 233, 62,
                 csMultiLine | csReadOnly | csBorder | csAutoHScroll | csAutoVScroll | csTabStop},
                {IDC_UP_TO_DATE, K::PushButton, "Set as &Up to date", 174, 80, 70, 14, csTabStop},
                {IDC_DETAILS, K::PushButton, "D&etails", 100, 80, 70, 14, csTabStop},
            }};
}

DialogTemplate ConfigDialog()
{
    const unsigned field = csBorder | csTabStop | csAutoHScroll;
    return {IDD_CONFIG_DIALOG, "Tolvark configuration", 184, 153, dsNone, DialogFont::Sans8,
            {
                {IDC_STATIC, K::StaticText, "&Page folder", 7, 7, 31, 8, csGroup},
                {IDC_PAGE_FOLDER, K::Edit, "", 7, 16, 110, 13, field},
                {IDC_STATIC, K::StaticText, "Your host", 7, 31, 31, 8, csGroup},
                {IDC_HOST, K::Edit, "", 7, 39, 110, 13, field},
                {IDC_STATIC, K::StaticText, "Login name", 7, 55, 38, 8, csGroup},
                {IDC_USER, K::Edit, "", 7, 65, 110, 12, field},
                {IDC_STATIC, K::StaticText, "Password", 7, 81, 32, 8, csGroup},
                {IDC_PASSWORD, K::Edit, "", 7, 90, 110, 12, field | csPassword},
                {IDC_STATIC, K::StaticText, "Re-enter password", 7, 106, 60, 8, csGroup},
                {IDC_REENTER, K::Edit, "", 7, 116, 110, 12, field | csPassword},
                {IDOK, K::PushButton, "OK", 72, 132, 50, 14, csDefault | csTabStop},
                {IDCANCEL, K::PushButton, "Cancel", 128, 132, 50, 14, csTabStop},
                {IDC_STATIC, K::StaticText, "Larkhaven host", 120, 41, 58, 12, csGroup},
                {IDC_STATIC, K::StaticText, "Your Larkhaven member name", 120, 63, 60, 18, csGroup},
                {IDC_STATIC, K::StaticText, "Your Larkhaven member password", 120, 89, 60, 16, csGroup},
                {IDC_STATIC, K::StaticText, "Local folder with your page(s) files", 120, 14, 58, 20, csGroup},
                {IDC_STATIC, K::StaticText, "Reenter password to avoid errors", 120, 114, 60, 16, csGroup},
            }};
}

DialogTemplate DetailsDialog()
{
    return {IDD_DETAILS_DIALOG, "Transfer details", 237, 221, dsNone, DialogFont::Fixed10,
            {
                {IDOK, K::PushButton, "OK", 5, 200, 50, 14, csDefault | csTabStop},
                {IDCANCEL, K::PushButton, "Cancel", 60, 200, 50, 14, csTabStop | csHidden},
                {IDC_DETAILS_TEXT, K::Edit, "", 5, 10, 225, 185,
                 csMultiLine | csReadOnly | csBorder | csTabStop | csAutoHScroll | csAutoVScroll},
            }};
}

} // namespace

const CResources& ProgramResources()
{
    static const CResources resources{
        {AboutBox(), MainDialog(), ConfigDialog(), DetailsDialog()},
        {
            {IDS_ABOUTBOX, "&About Tolvark..."},
            {IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed."},
        },
        {{IDR_MAINFRAME, tolvark_icon_xpm}},
        {"1, 0, 0, 1", "1.0.0.1", "TOLVARK MFC Application", "TOLVARK", "TOLVARK.EXE", "TOLVARK Application"},
    };
    return resources;
}
