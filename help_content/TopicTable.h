// The help document's fixed tables: its 23 topics, their strings and their place in
// the contents tree, and the values the six exports share with their callers.
#pragma once
#include <windows.h>
#include "resource.h"

inline constexpr int kTopicCount = 23;
// Callers pass buffers of this size: every copied text is cut to fit it with its zero.
inline constexpr int kTextBufferSize = 256;
// Formatted with the topic's page resource number, topic + 1.
inline constexpr char kAddressFormat[] = "res://Pendrelen.dll/%d";

inline constexpr char kRootText[] = "Tolvek Glyphora";
// Item data of the root, which has no page.
inline constexpr LPARAM kRootItemData = -1;

// Contents image list: 16 by 16, images in the order of the icons 4000 to 4002.
inline constexpr int kIconSize = 16;
inline constexpr int kImageFolder = 0;
inline constexpr int kImageRoot = 1;
inline constexpr int kImagePage = 2;
inline constexpr UINT kContentsIcons[] = {IDI_FOLDER, IDI_ROOT, IDI_PAGE};

enum class TopicPlace {
    PageUnderRoot,
    FolderUnderRoot,  // the pages that follow it in the table go inside it
    PageInFolder,
};

struct TopicEntry {
    UINT keywordsId;
    TopicPlace place;
};

// Topic e (its index in every export and its tree item's data) has title string
// IDS_TITLE_FIRST + e, and the tree lists the topics in this order.
inline constexpr TopicEntry kTopics[kTopicCount] = {
    {IDS_KEYWORDS_INSTALLATION, TopicPlace::PageUnderRoot},  {IDS_KEYWORDS_FONTS, TopicPlace::PageUnderRoot},
    {IDS_KEYWORDS_FAQ_INDEX, TopicPlace::PageUnderRoot},     {IDS_KEYWORDS_WORD, TopicPlace::FolderUnderRoot},
    {IDS_KEYWORDS_WORD_TEMPLATE, TopicPlace::PageInFolder},  {IDS_KEYWORDS_HELPER_OFFICE, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_WORD_VBA, TopicPlace::PageInFolder},       {IDS_KEYWORDS_WORD_FAQ, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_EXCEL, TopicPlace::FolderUnderRoot},       {IDS_KEYWORDS_EXCEL_TEMPLATE, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_HELPER_DIALOG, TopicPlace::PageInFolder},  {IDS_KEYWORDS_EXCEL_VBA, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_EXCEL_FAQ, TopicPlace::PageInFolder},      {IDS_KEYWORDS_OTHER_PROGRAMS, TopicPlace::FolderUnderRoot},
    {IDS_KEYWORDS_BARCODE_HELPER, TopicPlace::PageInFolder}, {IDS_KEYWORDS_DISTRIBUTING, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_EDITION, TopicPlace::FolderUnderRoot},     {IDS_KEYWORDS_OBTAIN_EDITION, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_COM_DLL, TopicPlace::PageInFolder},        {IDS_KEYWORDS_VISUAL_CPP, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_VISUAL_BASIC, TopicPlace::PageInFolder},   {IDS_KEYWORDS_PROGRAMMING_FAQ, TopicPlace::PageInFolder},
    {IDS_KEYWORDS_EDITIONS, TopicPlace::PageUnderRoot},
};
