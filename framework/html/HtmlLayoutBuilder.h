// Turns a page's node tree into the boxes of a CHtmlLayout: blocks stacked with
// their margins, inline text broken into lines, floating images, lists, rules
// and tables. Every node is laid out once, so the time grows with the page.
#pragma once
#include "html/HtmlLayout.h"
#include "html/HtmlNode.h"
#include "html/HtmlStyleSheet.h"

#include <map>
#include <string>
#include <vector>

class CHtmlDocument;
class CHtmlFontCache;

class CHtmlLayoutBuilder {
public:
    CHtmlLayoutBuilder(const CHtmlDocument& document, CHtmlFontCache& fonts, int zoom, CHtmlLayout& out);
    void Build(int width);

private:
    enum Align { AlignLeft, AlignCenter, AlignRight };
    enum VAlign { VAlignBaseline, VAlignTop, VAlignMiddle, VAlignBottom };

    struct Style {
        std::string face;
        int size = 0;  // tenths of a point
        bool bold = false;
        bool italic = false;
        bool underline = false;
        COLORREF colour = 0;
        int link = -1;
        bool pre = false;
        Align align = AlignLeft;
    };

    struct Item {
        HtmlBoxKind kind = HtmlBoxKind::Text;
        std::string text;
        int font = -1;
        COLORREF colour = 0;
        int link = -1;
        int x = 0;  // from the line's start
        int width = 0;
        int height = 0;  // images
        int ascent = 0;
        int descent = 0;
        VAlign valign = VAlignBaseline;
        const CHtmlImage* image = nullptr;
        std::string source;
        int border = 0;
        bool spaceBefore = false;
        bool floatLeft = true;
    };

    struct Line {
        std::vector<Item> items;
        int width = 0;
        int left = 0;
        int right = 0;
        int breakHeight = 0;  // a line break on an empty line
        std::vector<std::string> anchors;
    };

    struct Marker {
        bool pending = false;
        bool bullet = true;
        std::string text;
        int font = -1;
        COLORREF colour = 0;
        int contentLeft = 0;
    };

    struct FloatBox {
        RECT rect;
        bool left;
    };

    struct Flow {
        int left = 0;
        int right = 0;
        int y = 0;
        int pendingMargin = 0;
        bool dropLeadingMargin = false;  // table cells drop the margins at their edges
        Align align = AlignLeft;
        Line line;
        bool spacePending = false;
        bool preStart = false;
        int preColumn = 0;
        Marker marker;
        std::vector<FloatBox> floats;
        std::vector<Item> deferredFloats;
        bool hasContent = false;
    };

    struct MinMax {
        int min = 0;
        int max = 0;
    };

    struct Cell {
        const CHtmlNode* node = nullptr;
        Style style;
        VAlign valign = VAlignMiddle;
        int column = 0;
        int span = 1;
        MinMax size;
        int fixedWidth = -1;
        int percentWidth = -1;
    };

    struct Row {
        std::vector<Cell> cells;
    };

    // A table's spacing between and padding inside its cells, its outer frame and
    // the frame of each cell, in pixels.
    struct TableFrame {
        int spacing = 0;
        int padding = 0;
        int border = 0;
        int cellBorder = 0;
        int Inset() const { return padding + cellBorder; }
    };

    // Styles.
    Style Derive(const CHtmlNode& element, const Style& parent);
    void ApplyDecl(const CHtmlStyleDecl& decl, Style& style);
    int FontFor(const Style& style);
    int PixelHeight(int tenths) const;

    // The walk.
    void WalkChildren(const CHtmlNode& node, const Style& style, Flow& flow);
    void Element(const CHtmlNode& element, const Style& parent, Flow& flow);
    void Block(const CHtmlNode& element, const Style& style, Flow& flow);
    void AddText(const std::string& text, const Style& style, Flow& flow);
    void AddPreText(const std::string& text, const Style& style, Flow& flow);
    void AddWord(const std::string& word, int font, const Style& style, Flow& flow);
    void AddImage(const CHtmlNode& element, const Style& style, Flow& flow);
    void AddRule(const CHtmlNode& element, Flow& flow);
    void LineBreak(const Style& style, Flow& flow);
    void AddMargin(int margin, Flow& flow);

    // Lines and floats.
    void StartLine(Flow& flow);
    void AddItem(Item item, Flow& flow);
    void FlushLine(Flow& flow);
    void EmitMarker(Flow& flow, int baseline);
    void PlaceFloat(Item item, Flow& flow);
    int LineTop(const Flow& flow) const { return flow.y + flow.pendingMargin; }
    void EdgesAt(const Flow& flow, int y, int& left, int& right) const;
    int FloatBottom(const Flow& flow) const;

    // Tables.
    void Table(const CHtmlNode& table, const Style& parent, Flow& flow);
    std::vector<Row> CollectRows(const CHtmlNode& table, const Style& tableStyle);
    MinMax TableMinMax(const CHtmlNode& table, const Style& parent);
    static TableFrame FrameOf(const CHtmlNode& table);
    std::vector<int> ColumnWidths(std::vector<Row>& rows, const TableFrame& frame, int tableWidth, int available,
                                  bool widthGiven, int& usedWidth);
    void AddFrame(const RECT& rect, int border);
    MinMax Measure(const CHtmlNode& node, const Style& style);
    void MeasureInto(const CHtmlNode& node, const Style& style, int indent, MinMax& result, int& line, bool& space);

    // Helpers.
    SIZE ImageSize(const CHtmlNode& element, const Style& style, const CHtmlImage*& image, std::string& source);
    int AddLink(const CHtmlNode& anchor);
    void AddAnchor(const std::string& name, Flow& flow);

    const CHtmlDocument& m_document;
    CHtmlFontCache& m_fonts;
    int m_zoomPercent;
    CHtmlLayout& m_out;
    COLORREF m_linkColour;
    std::vector<std::pair<bool, int>> m_lists;  // ordered?, next number
    std::map<const CHtmlNode*, MinMax> m_measured;
};
