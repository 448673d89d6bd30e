// The numbers of the settings program's resources and controls, shared by
// the resource script and the code.
#pragma once

// Dialogs and the program's icon.
#define IDD_SETTINGS 129
#define IDD_ABOUT 103
#define IDD_EULA 130
#define IDI_LUTEM_SETTINGS 107

// The settings dialog.
#define IDC_THEME_COMBO 1001
#define IDC_SMART_CORRECTION 1002
#define IDC_CANDIDATE_WINDOW 1003
#define IDC_PREVIEW 1004
#define IDC_SAVE_CANDIDATES 1005

// The About box.
#define IDC_EULA_BUTTON 1005
#define IDC_WEBSITE_BUTTON 1006
#define IDC_LEGAL_NOTICE 1007

// The licence dialog.
#define IDC_EULA_TEXT 1008
