#pragma once
// Shortens a label by replacing its middle with "...", keeping whole
// characters of a multibyte code page. The platform's path ellipsis cannot
// be used: it cuts the end of names without a backslash.
#include <windows.h>

#include <functional>
#include <string>

using TextMeasure = std::function<int(const std::string&)>;

std::string MiddleEllipsis(const std::string& text, int maxWidth, const TextMeasure& measure,
                           UINT codePage = CP_ACP);

// Measures with the font selected into dc.
TextMeasure DcTextMeasure(HDC dc);
