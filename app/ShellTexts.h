#pragma once

// The shell's resource ids and user-visible texts (UTF-8). Macros, because the Windows
// resource script reads this file too and understands nothing else.

#define VANTREL_MAIN_MENU_ID 101
#define VANTREL_ACCELERATORS_ID 103

#define VANTREL_EXIT_COMMAND 40000
#define VANTREL_FULLSCREEN_COMMAND 40002
#define VANTREL_TOGGLE_DISPLAY_COMMAND 40003
#define VANTREL_WINDOW_COMMAND 40004

#define VANTREL_FILE_MENU_TEXT "ファイル(&F)"
#define VANTREL_EXIT_ITEM_TEXT "終了(&X)\tCtrl+Q"
#define VANTREL_VIEW_MENU_TEXT "表示(&V)"
#define VANTREL_FULLSCREEN_ITEM_TEXT "フルスクリーン(&S)\tAlt+Enter"
#define VANTREL_WINDOW_ITEM_TEXT "ウィンドウ(&W)\tAlt+Enter"

#define VANTREL_DISPLAY_CHANGE_FAILED_STRING 40000
#define VANTREL_DISPLAY_TOO_SMALL_STRING 40001
#define VANTREL_CAPTION_STRING 40002

#define VANTREL_DISPLAY_CHANGE_FAILED_TEXT "ディスプレイ解像度の変更に失敗しました。"
#define VANTREL_DISPLAY_TOO_SMALL_TEXT "ディスプレイ解像度が不足しています。1360 x 768 以上の解像度の環境が必要です。"
#define VANTREL_CAPTION_TEXT "Vantrel - ヴァントレル"
