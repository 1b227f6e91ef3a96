// Helpers of the HTML view tests: page addresses, tree dumps, the program folder.
#pragma once
#include <windows.h>

#include <string>

class CHtmlNode;

constexpr const char* kTestModule = "HtmlTestPages.dll";
std::string PageAddress(const char* name);  // "res://HtmlTestPages.dll/<name>"

// "<p>text<b>bold</b></p>": elements with their children, text verbatim.
std::string Outline(const CHtmlNode& node);
