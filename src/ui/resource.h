// Identifiers of the forms' controls (IDC_), menu items (IDM_) and resources.
// Tests and automation find controls by these numbers.
#pragma once

// TForm1: toolbar buttons (command identifiers of the toolbar's buttons).
#define IDC_ButtonOK 1001
#define IDC_ButtonCancel 1002
#define IDC_ButtonSelectConfig 1003
#define IDC_ButtonEditConfig 1004
#define IDC_ButtonAddConfig 1005
#define IDC_ButtonDeleteConfig 1006
#define IDC_ButtonHelp 1007
// TForm1: other controls.
#define IDC_Panel2 1010
#define IDC_ListViewMain 1011
#define IDC_MemoSig 1012
#define IDC_StatusBar1 1013

// TForm1: main menu.
#define IDM_K2 2001
#define IDM_K1 2002
#define IDM_KS1 2003
#define IDM_Edit2 2004
#define IDM_K3 2005
#define IDM_Delete1 2006
#define IDM_Tessel21 2007
#define IDM_KTessel21 2008
// TForm1: the list view's context menu.
#define IDM_MenuSelectConfig 2101
#define IDM_MenuEditConfig 2102
#define IDM_MenuAddConfig 2103
#define IDM_MenuDeleteConfig 2104
#define IDM_MenuChangeName 2105

// TForm2.
#define IDC_EditF2Name 3001
#define IDC_PageControl1 3002
#define IDC_ButtonF2OK 3003
#define IDC_ButtonF2Cancel 3004
#define IDC_ComboBoxF2AccountName 3010
#define IDC_EditF2Folder 3011
#define IDC_ButtonF2AcoountRefFolder 3012
#define IDC_EditF2Address 3013
#define IDC_ButtonF2AccountRefAddress 3014
#define IDC_RadioButtonF2MailCheck 3020
#define IDC_EditF2PollForMail 3021
#define IDC_UpDownF2PollForMail 3022
#define IDC_RadioButtonF2MailNotCheck 3023
#define IDC_RadioButtonF2MailUseOECheck 3024
#define IDC_RadioButtonF2SigUseSig 3030
#define IDC_GroupBox1 3031
#define IDC_RadioButtonF2SigUseText 3032
#define IDC_MemoF2Sig 3033
#define IDC_RadioButtonF2SigUseFile 3034
#define IDC_EditF2SigFile 3035
#define IDC_ButtonF2SigRef 3036
#define IDC_RadioButtonF2SigNotUseSig 3037
#define IDC_RadioButtonF2SigUseOESig 3038

// TForm3.
#define IDC_RadioButtonF3ExecOE 3501
#define IDC_RadioButtonF3NotExecOE 3502
#define IDC_ButtonF3OK 3503
#define IDC_ButtonF3Cancel 3504

// TFormMyMB.
#define IDC_Memo1 4001
#define IDC_Button1 4002
#define IDC_Button2 4003
#define IDC_Button3 4004

// Resources.
#define IDI_MVANE 1
#define IDB_OK 101
#define IDB_CANCEL 102
#define IDB_SELECT 103
#define IDB_EDIT 104
#define IDB_ADD 105
#define IDB_DELETE 106
#define IDB_HELP 107
#define IDB_LAMP 108
