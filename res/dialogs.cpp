// The dialog templates of the main window and the About box.
#include "platform/com/translatable.h"
#include "platform/win32/user/dialog_template.h"
#include "res/resource.h"
#include "res/web_addresses.h"

namespace {

constexpr DWORD kDialogFont = DS_SETFONT | DS_FIXEDSYS;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

constexpr DialogControl kConverterControls[] = {
    {ControlKind::PushButton, IDCANCEL, QT_TRANSLATE_NOOP("Corvane", "Exit"), 177, 140, 66, 14, kButton},
    {ControlKind::Static, -1, QT_TRANSLATE_NOOP("Corvane", "Output file name:"), 7, 69, 128, 14,
     SS_LEFT | SS_CENTERIMAGE | WS_GROUP},
    {ControlKind::PushButton, IDC_OPEN_VIDEO, QT_TRANSLATE_NOOP("Corvane", "Open Video"), 7, 49, 66, 14,
     kButton},
    {ControlKind::Static, IDC_SOURCE_NAME, "", 82, 50, 170, 14, SS_LEFT | WS_GROUP},
    {ControlKind::Edit, IDC_OUTPUT_PATH, "", 7, 89, 175, 14, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {ControlKind::PushButton, IDC_BROWSE, QT_TRANSLATE_NOOP("Corvane", "Browse"), 186, 89, 66, 14, kButton},
    {ControlKind::PushButton, IDC_CONVERT, QT_TRANSLATE_NOOP("Corvane", "Convert"), 7, 114, 66, 14, kButton},
    {ControlKind::Static, -1,
     QT_TRANSLATE_NOOP(
         "Corvane",
         "Because the program does not decode and encode video, the speed is fast. But we do not "
         "guarantee the conversion will be successful each time. After we test, some video will fail."),
     7, 7, 245, 38, SS_LEFT | WS_GROUP | SS_SUNKEN},
    {ControlKind::PushButton, IDC_UPDATE, QT_TRANSLATE_NOOP("Corvane", "Update"), 92, 140, 66, 14, kButton},
    {ControlKind::PushButton, IDC_HELP_BUTTON, QT_TRANSLATE_NOOP("Corvane", "Help"), 92, 114, 66, 14,
     kButton},
    {ControlKind::PushButton, IDC_ABOUT, QT_TRANSLATE_NOOP("Corvane", "About"), 177, 114, 66, 14, kButton},
};

constexpr DialogControl kAboutControls[] = {
    {ControlKind::Icon, -1, nullptr, 11, 17, 21, 20, SS_ICON, IDR_MAINFRAME},
    {ControlKind::Static, -1, QT_TRANSLATE_NOOP("Corvane", "Corvane Version 2.0"), 40, 10, 188, 14,
     SS_LEFT | SS_NOPREFIX | WS_GROUP},
    {ControlKind::Static, -1, QT_TRANSLATE_NOOP("Corvane", "Copyright (C) 2026 Quillon Studio"), 40, 36, 188,
     14, SS_LEFT | WS_GROUP},
    {ControlKind::PushButton, IDOK, QT_TRANSLATE_NOOP("Corvane", "OK"), 93, 116, 50, 16,
     BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {ControlKind::Static, IDC_HOME_PAGE, CORVANE_HOME_PAGE, 39, 62, 189, 14, SS_LEFT | WS_GROUP},
    {ControlKind::Static, IDC_CONTACT_PAGE, "Contact: " CORVANE_CONTACT_PAGE, 39, 86, 189, 14,
     SS_LEFT | WS_GROUP},
};

// "Contact: " is joined with the address when it is compiled; its format is
// listed here so that the About box shows it in the user's language.
[[maybe_unused]] constexpr char kContactFormat[] = QT_TRANSLATE_NOOP("Corvane", "Contact: %s");

}  // namespace

extern const DialogTemplate kCorvaneDialogs[2];
const DialogTemplate kCorvaneDialogs[2] = {
    {IDD_CONVERTER_DIALOG, "Corvane",
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | kDialogFont,
     WS_EX_APPWINDOW, "MS Shell Dlg", 8, 259, 169, kConverterControls},
    {IDD_ABOUTBOX, QT_TRANSLATE_NOOP("Corvane", "About Corvane"),
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | kDialogFont, 0, "MS Shell Dlg", 8, 235, 139,
     kAboutControls},
};
