#include "HelpPages.h"

#include "BenchConstants.h"
#include "Files.h"
#include "Stopwatch.h"

#include <cstdio>

HMODULE CHelpPages::LoadModule()
{
    return LoadLibraryA(ProgramFile(Bench::kHelpModule).c_str());
}

std::string CHelpPages::Address(int page)
{
    char address[64];
    std::snprintf(address, sizeof address, Bench::kHelpAddressFormat, page);
    return address;
}

DWORD CHelpPages::Size(HMODULE module, int page)
{
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(page), MAKEINTRESOURCEA(Bench::kHtmlResourceType));
    return resource != nullptr ? SizeofResource(module, resource) : 0;
}

int CHelpPages::Largest(HMODULE module)
{
    int largest = 1;
    for (int page = 2; page <= Bench::kHelpPageCount; ++page) {
        if (Size(module, page) > Size(module, largest))
            largest = page;
    }
    return largest;
}

BOOL CCountingHtmlView::CreateShown()
{
    const RECT rect {0, 0, Bench::kViewWidth, Bench::kViewHeight};
    return CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
}

void CCountingHtmlView::OnDocumentComplete(LPCSTR)
{
    ++m_completed;
    m_completedAt = CStopwatch::Now();
}

bool CCountingHtmlView::Visit(const std::string& address)
{
    const int before = m_completed;
    Navigate2(address.c_str());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return m_completed == before + 1;
}
