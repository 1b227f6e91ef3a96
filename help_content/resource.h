// Resource ids of the help content module PendrelEn.dll.
#pragma once

// Contents-tree icons, in the order of the contents image list.
#define IDI_FOLDER 4000
#define IDI_ROOT 4001
#define IDI_PAGE 4002

// Topic e has its title in string IDS_TITLE_FIRST + e; its keywords are listed per topic
// in the topic table. The pages are HTML resources 1 to 23, page e + 1 for topic e.
#define IDS_TITLE_FIRST 1
#define IDS_KEYWORDS_INSTALLATION 24
#define IDS_KEYWORDS_FONTS 25
#define IDS_KEYWORDS_FAQ_INDEX 26
#define IDS_KEYWORDS_WORD 27
#define IDS_KEYWORDS_WORD_TEMPLATE 28
#define IDS_KEYWORDS_HELPER_OFFICE 29
#define IDS_KEYWORDS_WORD_FAQ 30
#define IDS_KEYWORDS_EXCEL 31
#define IDS_KEYWORDS_EXCEL_TEMPLATE 32
#define IDS_KEYWORDS_HELPER_DIALOG 33
#define IDS_KEYWORDS_EXCEL_VBA 34
#define IDS_KEYWORDS_EXCEL_FAQ 35
#define IDS_KEYWORDS_OTHER_PROGRAMS 36
#define IDS_KEYWORDS_BARCODE_HELPER 37
#define IDS_KEYWORDS_DISTRIBUTING 38
#define IDS_KEYWORDS_EDITION 39
#define IDS_KEYWORDS_OBTAIN_EDITION 40
#define IDS_KEYWORDS_COM_DLL 41
#define IDS_KEYWORDS_VISUAL_CPP 42
#define IDS_KEYWORDS_VISUAL_BASIC 43
#define IDS_KEYWORDS_PROGRAMMING_FAQ 44
#define IDS_KEYWORDS_EDITIONS 45
#define IDS_DOC_NAME 46
#define IDS_KEYWORDS_WORD_VBA 47
