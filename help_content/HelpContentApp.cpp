#include "HelpContentApp.h"

#include "TextCopy.h"

namespace {
CHelpContentApp theApp;
}

CHelpContentApp& HelpContentApp()
{
    return theApp;
}

CHelpContentApp::CHelpContentApp() = default;

BOOL CHelpContentApp::InitInstance()
{
    LoadTables();
    return CWinApp::InitInstance();
}

void CHelpContentApp::LoadTables()
{
    for (int e = 0; e < kTopicCount; ++e) {
        m_titles[e].LoadString(IDS_TITLE_FIRST + e);
        m_keywords[e].LoadString(kTopics[e].keywordsId);
        m_addresses[e].Format(kAddressFormat, e + 1);
    }
}

const CString* CHelpContentApp::Entry(const CString (&table)[kTopicCount], int nIndex)
{
    return nIndex >= 0 && nIndex < kTopicCount ? &table[nIndex] : nullptr;
}

int CHelpContentApp::CopyTitle(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_titles, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}

int CHelpContentApp::CopyKeywords(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_keywords, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}

int CHelpContentApp::CopyAddress(int nIndex, LPSTR lpszBuffer) const
{
    const CString* pText = Entry(m_addresses, nIndex);
    return CopyToViewerBuffer(pText ? pText->GetString() : "", lpszBuffer);
}
