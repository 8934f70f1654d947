#pragma once
// The font schemes: ten numbered style texts in the "FONT" section (keys
// "1" to "10") and the chosen one ("CurSel"). The main frame's drop-down
// and the options dialog's fonts page read and write them here.
#include <string>

class CAppSettings;

class CFontSchemes {
public:
    static constexpr int kCount = 10;

    explicit CFontSchemes(const CAppSettings& settings) : m_settings(settings) {}

    // The scheme's text as stored; "" for an empty or missing key or an index out of range.
    std::string Text(int index) const;
    // The text, or the default scheme when it is empty.
    std::string TextOrDefault(int index) const;
    void SetText(int index, const std::string& text) const;
    // 1 to kCount; 1 when the stored value is out of range.
    int Chosen() const;
    void SetChosen(int index) const;

private:
    const CAppSettings& m_settings;
};
