// Addresses of the "res:" protocol, "res://FILE/[TYPE/]NAME[#anchor]", and the
// resolution of relative links by ordinary URL rules.
#pragma once
#include <string>

class CResUrl {
public:
    // Resolves a link against the address of the page that holds it.
    static std::string Resolve(const std::string& base, const std::string& reference);

    // Splits a "res:" address; false when the address is not one or names no resource.
    static bool Split(const std::string& address, CResUrl& url);

    static bool IsResAddress(const std::string& address);
    // The address without its "#anchor"; a "#digits" resource name stays.
    static std::string WithoutAnchor(const std::string& address);

    std::string module;  // the module's file name
    std::string type;    // empty: the HTML type
    std::string name;
    std::string anchor;  // empty: none
};
