#include "LanguageMenu.h"

#include "resource.h"

int FillLanguageMenu(HMENU popup, const std::vector<LanguageEntry>& table) {
    constexpr size_t kMaxItems = ID_LANGUAGE_LAST - ID_LANGUAGE_FIRST + 1;
    int added = 0;
    for (size_t i = 0; i < table.size() && i < kMaxItems; ++i) {
        UINT id = static_cast<UINT>(ID_LANGUAGE_FIRST + i);
        if (!::AppendMenuA(popup, MF_STRING, id, table[i].name.c_str())) break;
        ++added;
    }
    return added;
}
