// A loaded page: its node tree, title, style sheets and decoded images.
#pragma once
#include "html/HtmlImage.h"
#include "html/HtmlNode.h"
#include "html/HtmlStyleSheet.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

class CResModuleCache;

class CHtmlDocument {
public:
    CHtmlDocument();
    CHtmlDocument(const CHtmlDocument&) = delete;
    CHtmlDocument& operator=(const CHtmlDocument&) = delete;
    ~CHtmlDocument();

    // Loads the page an address names; false (and an empty page) when it cannot be read.
    bool Load(const std::string& address, CResModuleCache& modules);
    // Builds the page from text; style sheets and images come through the modules.
    void LoadText(const std::string& address, std::string_view html, CResModuleCache& modules);
    // The short built-in page that says an address could not be shown.
    void LoadErrorPage(const std::string& address);

    const CHtmlNode& Root() const { return *m_root; }
    const std::string& Address() const { return m_address; }
    const std::string& Title() const { return m_title; }
    const CHtmlStyleSheet& StyleSheet() const { return m_styleSheet; }
    // An image by its absolute address; null when it could not be loaded.
    const CHtmlImage* Image(const std::string& address) const;
    // A link of the page made absolute against the page's address.
    std::string Resolve(const std::string& reference) const;

private:
    void Reset(const std::string& address);
    void Scan(const CHtmlNode& node, CResModuleCache& modules);
    void LoadStyleLink(const CHtmlNode& link, CResModuleCache& modules);
    void LoadImage(const std::string& src, CResModuleCache& modules);

    std::unique_ptr<CHtmlNode> m_root;
    std::string m_address;
    std::string m_title;
    bool m_haveTitle = false;
    CHtmlStyleSheet m_styleSheet;
    std::map<std::string, std::unique_ptr<CHtmlImage>> m_images;  // null: failed
};
