// The navigation history of the document, step by step: ids, the full history, revisits,
// Back and Forward, picks from the drop-downs and what they enable.
#include "HelpDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "F4096 E4100": each entry's title and command id, position 0 first.
std::string Describe(const std::vector<CHistoryItem*>& items)
{
    std::string text;
    for (const CHistoryItem* item : items) {
        if (!text.empty())
            text += ' ';
        text += std::string(item->GetTitle()) + std::to_string(item->GetCommandId());
    }
    return text;
}

std::string History(const CHelpDoc& doc)
{
    std::vector<CHistoryItem*> items;
    for (int i = 0; i < doc.GetHistoryCount(); ++i)
        items.push_back(doc.GetHistoryAt(i));
    return Describe(items);
}

std::string Address(const char* title)
{
    return std::string("res://Doc.dll/") + title;
}

}  // namespace

TEST(HelpDocHistory, StepByStep)
{
    enum Action { Visit, VisitOtherAddress, Back, Forward, Pick };
    const struct {
        Action action;
        const char* title;     // Visit; Pick: the id as text
        const char* returned;  // the entry returned ("" for none)
        const char* history;
        int current;
        bool back, forward;
        const char* backList;
        const char* forwardList;
    } rows[] = {
        {Visit, "A", "A4096", "A4096", 0, false, false, "", ""},
        {Visit, "B", "B4097", "B4097 A4096", 0, true, false, "A4096", ""},
        {Visit, "C", "C4098", "C4098 B4097 A4096", 0, true, false, "B4097 A4096", ""},
        {Visit, "D", "D4099", "D4099 C4098 B4097 A4096", 0, true, false, "C4098 B4097 A4096", ""},
        {Visit, "E", "E4100", "E4100 D4099 C4098 B4097 A4096", 0, true, false, "D4099 C4098 B4097 A4096", ""},
        // Full: the oldest page goes and its id is free again.
        {Visit, "F", "F4096", "F4096 E4100 D4099 C4098 B4097", 0, true, false, "E4100 D4099 C4098 B4097", ""},
        // A revisit adds nothing and moves nothing.
        {Visit, "D", "D4099", "F4096 E4100 D4099 C4098 B4097", 0, true, false, "E4100 D4099 C4098 B4097", ""},
        {Back, nullptr, "E4100", "F4096 E4100 D4099 C4098 B4097", 1, true, true, "D4099 C4098 B4097", "F4096"},
        {Visit, "E", "E4100", "F4096 E4100 D4099 C4098 B4097", 1, true, true, "D4099 C4098 B4097", "F4096"},
        // A pick makes the entry current where it stands.
        {Pick, "4098", "C4098", "F4096 E4100 D4099 C4098 B4097", 3, true, true, "B4097", "D4099 E4100 F4096"},
        {Visit, "C", "C4098", "F4096 E4100 D4099 C4098 B4097", 3, true, true, "B4097", "D4099 E4100 F4096"},
        {Back, nullptr, "B4097", "F4096 E4100 D4099 C4098 B4097", 4, false, true, "", "C4098 D4099 E4100 F4096"},
        {Back, nullptr, "", "F4096 E4100 D4099 C4098 B4097", 4, false, true, "", "C4098 D4099 E4100 F4096"},
        {Forward, nullptr, "C4098", "F4096 E4100 D4099 C4098 B4097", 3, true, true, "B4097", "D4099 E4100 F4096"},
        {Pick, "4096", "F4096", "F4096 E4100 D4099 C4098 B4097", 0, true, false, "E4100 D4099 C4098 B4097", ""},
        {Forward, nullptr, "", "F4096 E4100 D4099 C4098 B4097", 0, true, false, "E4100 D4099 C4098 B4097", ""},
        {Pick, "4101", "", "F4096 E4100 D4099 C4098 B4097", 0, true, false, "E4100 D4099 C4098 B4097", ""},
        {Pick, "4097", "B4097", "F4096 E4100 D4099 C4098 B4097", 4, false, true, "", "C4098 D4099 E4100 F4096"},
        // A new page while an old one is shown: the oldest goes, the new one takes its id.
        {Visit, "G", "G4097", "G4097 F4096 E4100 D4099 C4098", 0, true, false, "F4096 E4100 D4099 C4098", ""},
        // The same title at another address is another page.
        {VisitOtherAddress, "G", "G4098", "G4098 G4097 F4096 E4100 D4099", 0, true, false, "G4097 F4096 E4100 D4099",
         ""},
    };
    CHelpDoc doc;
    EXPECT_FALSE(doc.CanGoBack());
    EXPECT_FALSE(doc.CanGoForward());
    int step = 0;
    for (const auto& row : rows) {
        ++step;
        CHistoryItem* returned = nullptr;
        switch (row.action) {
        case Visit:
            returned = doc.AddHistory(row.title, Address(row.title).c_str());
            break;
        case VisitOtherAddress:
            returned = doc.AddHistory(row.title, (Address(row.title) + "#other").c_str());
            break;
        case Back:
            returned = doc.StepBack();
            break;
        case Forward:
            returned = doc.StepForward();
            break;
        case Pick:
            returned = doc.GetHistoryItem(static_cast<UINT>(std::stoi(row.title)));
            break;
        }
        EXPECT_EQ(returned ? Describe({returned}) : "", row.returned) << "step " << step;
        EXPECT_EQ(History(doc), row.history) << "step " << step;
        EXPECT_EQ(doc.GetCurrentPosition(), row.current) << "step " << step;
        EXPECT_EQ(bool(doc.CanGoBack()), row.back) << "step " << step;
        EXPECT_EQ(bool(doc.CanGoForward()), row.forward) << "step " << step;
        EXPECT_EQ(Describe(doc.GetBackList()), row.backList) << "step " << step;
        EXPECT_EQ(Describe(doc.GetForwardList()), row.forwardList) << "step " << step;
    }
}
