#include "HtmlBench.h"

#include "BenchConstants.h"
#include "Canvas.h"
#include "HelpPages.h"
#include "ResultTable.h"
#include "Stopwatch.h"

#include "core/Handle.h"
#include "gdi/GdiObject.h"
#include "html/HtmlConstants.h"
#include "html/HtmlDocument.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlLayout.h"
#include "html/HtmlPainter.h"
#include "html/ResModuleCache.h"

#include <algorithm>
#include <string>

namespace {
// What the view does for a page, without the window: the fonts and modules are kept from
// page to page, as the view keeps them.
class CPageRenderer {
public:
    explicit CPageRenderer(Canvas& canvas) : m_canvas(canvas) {}

    // The page's height as laid out.
    int Render(const std::string& address)
    {
        CHtmlDocument document;
        document.Load(address, m_modules);
        CHtmlLayout layout;
        layout.Build(document, m_fonts, m_canvas.Width(), HtmlConst::kDefaultZoom);
        const RECT clip {0, 0, m_canvas.Width(), std::min(layout.Height(), m_canvas.Height())};
        CHtmlPainter::Paint(m_canvas.Handle(), layout, m_fonts, POINT {0, 0}, clip, -1);
        return layout.Height();
    }

private:
    Canvas& m_canvas;
    CResModuleCache m_modules;
    CHtmlFontCache m_fonts;
};

// The page's bytes drawn as wrapped plain text in the view's default face: no parsing, no
// layout of ours.
void DrawPlain(Canvas& canvas, HFONT font, HMODULE module, int page)
{
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(page), MAKEINTRESOURCEA(Bench::kHtmlResourceType));
    const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const char* bytes = static_cast<const char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr)
        return;
    const std::string text(bytes, SizeofResource(module, resource));
    RECT rect {0, 0, canvas.Width(), canvas.Height()};
    canvas.Fill(kWhite);
    const HGDIOBJ old = SelectObject(canvas.Handle(), font);
    DrawTextA(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(canvas.Handle(), old);
}
}  // namespace

void CHtmlBench::Run(CResultTable& table)
{
    table.AddSection("HTML view: help pages");
    const CModuleHandle module(CHelpPages::LoadModule());
    if (!module.IsValid()) {
        table.AddValue("the help content module does not load", "skipped");
        return;
    }
    Canvas canvas(Bench::kViewWidth, Bench::kMaxPaintHeight);
    CFont plainFont;
    plainFont.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, HtmlConst::kDefaultFace);
    CPageRenderer renderer(canvas);
    const int largest = CHelpPages::Largest(module);
    const std::string largestAddress = CHelpPages::Address(largest);
    renderer.Render(largestAddress);
    DrawPlain(canvas, plainFont, module, largest);

    CCountingHtmlView view;
    if (!view.CreateShown()) {
        table.AddValue("the HTML view cannot be created", "skipped");
        return;
    }
    for (int page = 1; page <= Bench::kHelpPageCount; ++page)
        view.Visit(CHelpPages::Address(page));

    CRatioStats single;
    CRatioStats tour;
    CRatioStats loading;   // navigation up to the document's completion
    CRatioStats painting;  // what follows: painting the window
    bool allCompleted = true;
    for (int round = 0; round < Bench::kRounds; ++round) {
        double start = CStopwatch::Now();
        DrawPlain(canvas, plainFont, module, largest);
        const double plain = CStopwatch::Now() - start;
        start = CStopwatch::Now();
        renderer.Render(largestAddress);
        single.Add(plain, CStopwatch::Now() - start);

        start = CStopwatch::Now();
        for (int page = 1; page <= Bench::kHelpPageCount; ++page)
            renderer.Render(CHelpPages::Address(page));
        const double inMemory = CStopwatch::Now() - start;
        double toComplete = 0;
        double afterComplete = 0;
        for (int page = 1; page <= Bench::kHelpPageCount; ++page) {
            const double visitStart = CStopwatch::Now();
            allCompleted = view.Visit(CHelpPages::Address(page)) && allCompleted;
            const double visitEnd = CStopwatch::Now();
            toComplete += view.CompletedAt() - visitStart;
            afterComplete += visitEnd - view.CompletedAt();
        }
        tour.Add(inMemory, toComplete + afterComplete);
        loading.Add(inMemory, toComplete);
        painting.Add(inMemory, afterComplete);
    }
    view.DestroyWindow();

    const std::string pageName =
        "page " + std::to_string(largest) + " (" + std::to_string(CHelpPages::Size(module, largest)) + " bytes)";
    table.AddRatio("largest " + pageName + ": parse, lay out, paint to memory DC",
                   CResultTable::Format("%.0f pages/s", 1 / single.MedianSubject()) + " (" +
                       CResultTable::Duration(single.MedianSubject()) + ")",
                   "DrawText of its bytes " + CResultTable::Duration(single.MedianBaseline()), single);
    table.AddRatio(std::string("all ") + std::to_string(Bench::kHelpPageCount) +
                       " pages through the view (navigate, complete, paint)" + (allCompleted ? "" : " [INCOMPLETE]"),
                   CResultTable::Format("%.0f pages/s", Bench::kHelpPageCount / tour.MedianSubject()) + " (" +
                       CResultTable::Duration(tour.MedianSubject()) + ")",
                   "same pages rendered in memory " + CResultTable::Duration(tour.MedianBaseline()), tour);
    table.AddRatio("  of which: navigation to document complete", CResultTable::Duration(loading.MedianSubject()),
                   CResultTable::Duration(loading.MedianBaseline()), loading);
    table.AddRatio("  then painting the window", CResultTable::Duration(painting.MedianSubject()),
                   CResultTable::Duration(painting.MedianBaseline()), painting);
}
