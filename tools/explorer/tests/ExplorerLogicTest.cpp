// The explorer pane's pure parts: the history rings, the filter's pattern
// and the view's include decision, the filter choices, typed folder paths
// and the favourites store.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <map>
#include <string>
#include <vector>

#include "ExplorerLogic.h"
#include "FavoriteStore.h"
#include "HistoryRing.h"

namespace {

// A one-item list whose single byte tells it apart.
LPITEMIDLIST Entry(BYTE tag) {
    auto* bytes = static_cast<BYTE*>(::CoTaskMemAlloc(5));
    bytes[0] = 3;
    bytes[1] = 0;
    bytes[2] = tag;
    bytes[3] = bytes[4] = 0;
    return reinterpret_cast<LPITEMIDLIST>(bytes);
}
int Tag(LPCITEMIDLIST list) { return list ? reinterpret_cast<const BYTE*>(list)[2] : -1; }
int PopTag(HistoryRing& ring) {
    LPITEMIDLIST list = ring.Pop();
    const int tag = Tag(list);
    if (list) ::CoTaskMemFree(list);
    return tag;
}

}  // namespace

TEST(HistoryRing, ANinthPushDropsTheOldestAndPopGivesNewestFirst) {
    HistoryRing ring;
    for (BYTE i = 1; i <= 9; ++i) ring.Push(Entry(i));
    std::vector<int> walked;
    ring.Walk([&](LPCITEMIDLIST list, int) { walked.push_back(Tag(list)); });
    EXPECT_EQ((std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}), walked);
    std::vector<int> popped;
    while (ring.HasCurrent()) popped.push_back(PopTag(ring));
    EXPECT_EQ((std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}), popped);
    EXPECT_EQ(-1, PopTag(ring));
}

TEST(HistoryRing, WalkReportsTheSlots) {
    HistoryRing ring;
    for (BYTE i = 1; i <= 3; ++i) ring.Push(Entry(i));
    std::vector<int> slots;
    ring.Walk([&](LPCITEMIDLIST, int slot) { slots.push_back(slot); });
    EXPECT_EQ((std::vector<int>{2, 1, 0}), slots);
}

TEST(HistoryRing, PopToMovesTheNewerEntriesOntoTheOtherRingInOrder) {
    // Back holds A B C D (D newest); the user is at E and picks B (slot 1).
    HistoryRing back, forward;
    for (BYTE i : {'A', 'B', 'C', 'D'}) back.Push(Entry(i));
    forward.Push(Entry('E'));
    LPITEMIDLIST chosen = back.PopTo(1, forward);
    EXPECT_EQ('B', Tag(chosen));
    ::CoTaskMemFree(chosen);
    // Forward now returns through C, D and E in that order; back holds A.
    EXPECT_EQ('C', PopTag(forward));
    EXPECT_EQ('D', PopTag(forward));
    EXPECT_EQ('E', PopTag(forward));
    EXPECT_EQ('A', PopTag(back));
    EXPECT_FALSE(back.HasCurrent());
    EXPECT_EQ(nullptr, back.PopTo(5, forward));  // an empty slot gives nothing
}

TEST(ExplorerFilter, PatternOfTypedText) {
    const struct {
        const char* text;
        const char* pattern;
    } cases[] = {{"Sources (*.c;*.h)", "*.c;*.h"}, {"*.txt", "*.txt"}, {"All File(*.*)", "*.*"},
                 {"a(b)c(d)", "b)c(d"},          {"x)y(", "x)y("},   {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(c.pattern, FilterPatternOfText(c.text)) << c.text;
}

TEST(ExplorerFilter, ChoicesKeepTheirPatterns) {
    const std::string section = std::string("C sources|*.c;*.h\0Text (*.txt)|*.txt\0broken\0", 43) + '\0';
    const std::vector<FilterChoice> choices = ParseFilterChoices(section);
    ASSERT_EQ(2u, choices.size());
    EXPECT_EQ("C sources", choices[0].description);
    EXPECT_EQ("*.c;*.h", choices[0].pattern);
    EXPECT_EQ("*.txt", choices[1].pattern);
    const std::vector<FilterChoice> none = ParseFilterChoices("");
    ASSERT_EQ(1u, none.size());
    EXPECT_EQ("All File(*.*)", none[0].description);
    EXPECT_EQ("*.*", none[0].pattern);
}

TEST(ExplorerFilter, WhichItemsTheViewShows) {
    constexpr SFGAOF kFile = SFGAO_FILESYSTEM, kFolder = SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR;
    const struct {
        bool known;
        SFGAOF attributes;
        const char* name;
        const char* pattern;
        bool shown;
    } cases[] = {
        {true, SFGAO_FOLDER, "Control Panel", "*.*", false},  // virtual
        {true, 0, "printer", "*.*", false},
        {true, kFolder, "src", "*.c", true},
        {true, SFGAO_FOLDER | SFGAO_FILESYSANCESTOR, "My Computer", "*.c", true},
        {true, kFile, "main.c", "*.c;*.h", true},
        {true, kFile, "main.h", "*.c;*.h", true},
        {true, kFile, "notes.txt", "*.c;*.h", false},
        {true, kFile, "NOTES.TXT", "*.txt", true},
        {false, 0, "anything", "*.c", true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, IncludeItem(c.known, c.attributes, c.name, c.pattern)) << c.name;
}

TEST(ExplorerPath, TrailingSeparatorsAndBlanksBecomeOneSeparator) {
    EXPECT_EQ("C:\\src\\", NormalizeFolderPath("C:\\src\\\\  \\ "));
    EXPECT_EQ("C:\\src\\", NormalizeFolderPath("C:\\src"));
    EXPECT_EQ("C:\\", NormalizeFolderPath("C:\\"));
}

namespace {

struct FakeSection {
    std::map<int, std::string> keys;
    int writes = 0;
    FavoriteStore Store() {
        return FavoriteStore([this](int key) { return keys.count(key) ? keys[key] : std::string(); },
                             [this](int key, const std::string& path) {
                                 keys[key] = path;
                                 ++writes;
                             });
    }
};

}  // namespace

TEST(FavoriteStore, AddsAtTheFirstEmptyKeyAndRefusesDuplicates) {
    FakeSection section;
    section.keys = {{1, "C:\\a"}, {2, "C:\\b"}, {4, "C:\\d"}};  // a hole at 3
    FavoriteStore store = section.Store();
    EXPECT_EQ(FavoriteStore::AddResult::Duplicate, store.Add("C:\\d"));  // after the hole too
    EXPECT_EQ(0, section.writes);
    EXPECT_EQ(FavoriteStore::AddResult::Added, store.Add("C:\\c"));
    EXPECT_EQ("C:\\c", section.keys[3]);
    EXPECT_EQ(FavoriteStore::AddResult::Invalid, store.Add(""));
    EXPECT_EQ(1, section.writes);
    EXPECT_EQ((std::vector<std::string>{"C:\\a", "C:\\b", "C:\\c", "C:\\d"}), store.List());
}

TEST(FavoriteStore, WithAHundredStoredTheLastIsReplaced) {
    FakeSection section;
    for (int key = 1; key <= 100; ++key) section.keys[key] = "C:\\f" + std::to_string(key);
    EXPECT_EQ(FavoriteStore::AddResult::Replaced, section.Store().Add("C:\\new"));
    EXPECT_EQ("C:\\new", section.keys[100]);
    EXPECT_EQ("C:\\f99", section.keys[99]);
}

TEST(FavoriteStore, ReplaceNumbersFromOneAndRemovesTheRest) {
    FakeSection section;
    section.keys = {{1, "C:\\a"}, {2, "C:\\b"}, {3, "C:\\c"}, {7, "C:\\g"}};
    section.Store().Replace({"C:\\c", "", "C:\\a"});
    EXPECT_EQ("C:\\c", section.keys[1]);
    EXPECT_EQ("C:\\a", section.keys[2]);
    // An empty value is how the settings' writer removes a key.
    EXPECT_EQ("", section.keys[3]);
    EXPECT_EQ("", section.keys[7]);
    EXPECT_EQ((std::vector<std::string>{"C:\\c", "C:\\a"}), section.Store().List());
}
