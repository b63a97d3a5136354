// Identifiers of Corvane's resources and of the controls on its dialogs.
#pragma once

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDD_CONVERTER_DIALOG = 102;
constexpr int IDR_MAINFRAME = 128;

constexpr int IDC_OPEN_VIDEO = 1000;
constexpr int IDC_SOURCE_NAME = 1001;
constexpr int IDC_OUTPUT_PATH = 1002;
constexpr int IDC_BROWSE = 1003;
constexpr int IDC_CONVERT = 1004;
constexpr int IDC_HOME_PAGE = 1006;
constexpr int IDC_CONTACT_PAGE = 1007;
constexpr int IDC_UPDATE = 1009;
constexpr int IDC_HELP_BUTTON = 1010;
constexpr int IDC_ABOUT = 1014;

// The system-menu command of the About entry.
constexpr unsigned IDM_ABOUTBOX = 0x0010;
