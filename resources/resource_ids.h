#pragma once
// Resource numbers of the programs' pictures, icons and pointers (shared by the .rc files and code).

#define IDR_PANEL_SMALL 101     // 50 x 27, uniform RGB(30, 30, 30)
#define IDR_PANEL_LARGE 102     // 750 x 400, the same colour
#define IDR_LOGO 103            // the 48 x 48 sign, as a picture
#define IDR_MAXIMISE_NORMAL 110
#define IDR_MAXIMISE_HOVER 111  // hover and pressed share it
#define IDR_CLOSE_NORMAL 112
#define IDR_CLOSE_HOVER 113
#define IDR_CLOSE_PRESSED 114
#define IDR_MINIMISE_NORMAL 115
#define IDR_MINIMISE_HOVER 116
#define IDR_MINIMISE_PRESSED 117
#define IDR_VIDEO_NORMAL 118
#define IDR_VIDEO_HOVER 119
#define IDR_VIDEO_PRESSED 120

#define IDI_PLAYER 1            // the main window's icon, 48 x 48 32-bit
#define IDC_ARROW_POINTER 130   // 32 x 32 32-bit arrow, hot spot at the top-left

#define IDR_EMBEDDED_UPDATER 200  // the updater's executable, byte for byte

// The secondary windows.
#define IDI_WINDOWS 2  // seven images: 48, 32, 16 at 8-bit; 256, 48, 32, 16 at 32-bit
#define IDR_MESSAGE_NORMAL 140
#define IDR_MESSAGE_HOVER 141
#define IDR_LATER_NORMAL 142
#define IDR_LATER_HOVER 143
#define IDR_SITE_NORMAL 144
#define IDR_SITE_HOVER 145
