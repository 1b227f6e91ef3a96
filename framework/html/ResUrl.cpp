#include "html/ResUrl.h"
#include "html/HtmlAscii.h"

#include <vector>

namespace {

bool IsDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

struct Parts {
    std::string scheme;
    bool hasAuthority = false;
    std::string authority;
    std::string path;
    bool hasQuery = false;
    std::string query;
    bool hasFragment = false;
    std::string fragment;
};

Parts Parse(const std::string& url)
{
    Parts p;
    std::size_t pos = 0;
    std::size_t colon = url.find(':');
    if (colon != std::string::npos && colon > 1) {  // one letter before ':' is a drive
        bool scheme = true;
        for (std::size_t i = 0; i < colon && scheme; ++i) {
            char c = HtmlLower(url[i]);
            scheme = (c >= 'a' && c <= 'z') || (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        }
        if (scheme) {
            p.scheme = url.substr(0, colon);
            pos = colon + 1;
        }
    }
    if (url.compare(pos, 2, "//") == 0) {
        p.hasAuthority = true;
        std::size_t end = url.find_first_of("/?#", pos + 2);
        if (end == std::string::npos)
            end = url.size();
        p.authority = url.substr(pos + 2, end - pos - 2);
        pos = end;
    }
    std::size_t end = url.find_first_of("?#", pos);
    if (end == std::string::npos)
        end = url.size();
    p.path = url.substr(pos, end - pos);
    pos = end;
    if (pos < url.size() && url[pos] == '?') {
        p.hasQuery = true;
        end = url.find('#', pos);
        if (end == std::string::npos)
            end = url.size();
        p.query = url.substr(pos + 1, end - pos - 1);
        pos = end;
    }
    if (pos < url.size() && url[pos] == '#') {
        p.hasFragment = true;
        p.fragment = url.substr(pos + 1);
    }
    return p;
}

std::string RemoveDotSegments(const std::string& path)
{
    std::vector<std::string> out;
    bool absolute = !path.empty() && path[0] == '/';
    std::size_t pos = absolute ? 1 : 0;
    bool trailingSlash = false;
    while (pos <= path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string::npos)
            end = path.size();
        std::string segment = path.substr(pos, end - pos);
        trailingSlash = false;
        if (segment == "..") {
            if (!out.empty())
                out.pop_back();
            trailingSlash = true;
        } else if (segment == ".") {
            trailingSlash = true;
        } else {
            out.push_back(segment);
        }
        pos = end + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i)
            result += '/';
        result += out[i];
    }
    if (trailingSlash && !out.empty())
        result += '/';
    return result;
}

std::string Compose(const Parts& p)
{
    std::string url;
    if (!p.scheme.empty())
        url += p.scheme + ":";
    if (p.hasAuthority)
        url += "//" + p.authority;
    url += p.path;
    if (p.hasQuery)
        url += "?" + p.query;
    if (p.hasFragment)
        url += "#" + p.fragment;
    return url;
}

std::string PercentDecode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto hex = [](char c) {
            c = HtmlLower(c);
            return (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
        };
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            char c = char(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            if (c != '\0') {
                out += c;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool IsRes(const Parts& p)
{
    return p.scheme.size() == 3 && HtmlLower(p.scheme[0]) == 'r' && HtmlLower(p.scheme[1]) == 'e' &&
        HtmlLower(p.scheme[2]) == 's';
}

}  // namespace

std::string CResUrl::Resolve(const std::string& base, const std::string& reference)
{
    Parts b = Parse(base);
    Parts r = Parse(reference);
    Parts t;
    if (!r.scheme.empty()) {
        t = r;
        t.path = RemoveDotSegments(r.path);
        return Compose(t);
    }
    t.scheme = b.scheme;
    if (r.hasAuthority) {
        t.hasAuthority = true;
        t.authority = r.authority;
        t.path = RemoveDotSegments(r.path);
        t.hasQuery = r.hasQuery;
        t.query = r.query;
    } else {
        t.hasAuthority = b.hasAuthority;
        t.authority = b.authority;
        if (r.path.empty()) {
            t.path = b.path;
            t.hasQuery = r.hasQuery || b.hasQuery;
            t.query = r.hasQuery ? r.query : b.query;
        } else {
            if (r.path[0] == '/') {
                t.path = RemoveDotSegments(r.path);
            } else {
                std::string merged;
                if (b.hasAuthority && b.path.empty()) {
                    merged = "/" + r.path;
                } else {
                    std::size_t slash = b.path.rfind('/');
                    merged = (slash == std::string::npos ? std::string() : b.path.substr(0, slash + 1)) + r.path;
                }
                t.path = RemoveDotSegments(merged);
            }
            t.hasQuery = r.hasQuery;
            t.query = r.query;
        }
    }
    t.hasFragment = r.hasFragment;
    t.fragment = r.fragment;
    return Compose(t);
}

bool CResUrl::IsResAddress(const std::string& address)
{
    return IsRes(Parse(address));
}

bool CResUrl::Split(const std::string& address, CResUrl& url)
{
    Parts p = Parse(address);
    if (!IsRes(p) || !p.hasAuthority || p.authority.empty())
        return false;
    url = CResUrl();
    url.module = PercentDecode(p.authority);
    std::string path = p.path.empty() ? std::string() : p.path.substr(1);
    std::string fragment = p.fragment;
    // "/#5" and "/img/#5" name the resource number 5; a further '#' starts the anchor.
    if (p.hasFragment && (path.empty() || path.back() == '/')) {
        std::size_t hash = fragment.find('#');
        std::string number = fragment.substr(0, hash);
        if (IsDigits(number)) {
            path += "#" + number;
            fragment = (hash == std::string::npos) ? std::string() : fragment.substr(hash + 1);
        }
    }
    std::size_t slash = path.find('/');
    if (slash != std::string::npos) {
        url.type = PercentDecode(path.substr(0, slash));
        path = path.substr(slash + 1);
    }
    url.name = PercentDecode(path);
    url.anchor = PercentDecode(fragment);
    return !url.name.empty() && !url.module.empty();
}

std::string CResUrl::WithoutAnchor(const std::string& address)
{
    Parts p = Parse(address);
    if (!p.hasFragment)
        return address;
    std::size_t hash = address.size() - p.fragment.size() - 1;
    if (IsRes(p) && (p.path.empty() || p.path.back() == '/')) {
        // A leading "#digits" is the resource's name, not an anchor.
        std::size_t digits = 0;
        while (digits < p.fragment.size() && p.fragment[digits] >= '0' && p.fragment[digits] <= '9')
            ++digits;
        if (digits > 0 && (digits == p.fragment.size() || p.fragment[digits] == '#')) {
            if (digits == p.fragment.size())
                return address;
            hash += digits + 1;
        }
    }
    return address.substr(0, hash);
}
