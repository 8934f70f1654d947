#include "FontSchemes.h"

#include "AppSettings.h"
#include "IniKeys.h"

namespace {

bool InRange(int index) { return index >= 1 && index <= CFontSchemes::kCount; }

}  // namespace

std::string CFontSchemes::Text(int index) const {
    if (!InRange(index)) return {};
    return m_settings.ReadString(ini::kFont, std::to_string(index).c_str(), "");
}

std::string CFontSchemes::TextOrDefault(int index) const {
    std::string text = Text(index);
    return text.empty() ? std::string(ini::kDefaultFontScheme) : text;
}

void CFontSchemes::SetText(int index, const std::string& text) const {
    if (InRange(index)) m_settings.WriteString(ini::kFont, std::to_string(index).c_str(), text.c_str());
}

int CFontSchemes::Chosen() const {
    int index = m_settings.ReadInt(ini::kFont, ini::kFontCurSel, 1);
    return InRange(index) ? index : 1;
}

void CFontSchemes::SetChosen(int index) const {
    if (InRange(index)) m_settings.WriteInt(ini::kFont, ini::kFontCurSel, index);
}
