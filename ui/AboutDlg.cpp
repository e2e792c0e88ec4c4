#include "ui/AboutDlg.h"

#include "res/ResourceIds.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
