// The help content module's pages: their "res:" addresses and sizes, and the views that
// show them in the benchmarks.
#pragma once

#include "html/HtmlView.h"

#include <windows.h>

#include <string>

class CHelpPages {
public:
    // The module from the program's folder, loaded as the help viewer loads it.
    static HMODULE LoadModule();
    // Pages are numbered 1 to Bench::kHelpPageCount.
    static std::string Address(int page);
    static DWORD Size(HMODULE module, int page);
    static int Largest(HMODULE module);
};

// An HTML view that counts the pages it completed and notes when the last one completed.
class CCountingHtmlView : public CHtmlView {
public:
    int Completed() const { return m_completed; }
    double CompletedAt() const { return m_completedAt; }
    // Creates the view as a visible window of the usual pane size.
    BOOL CreateShown();
    // Navigates and runs the messages until the page is complete and painted; false when it
    // did not complete.
    bool Visit(const std::string& address);

protected:
    void OnDocumentComplete(LPCSTR) override;

private:
    int m_completed = 0;
    double m_completedAt = 0;
};
