// The export table: ordinals only, the assigned set, 14 and 45 one function,
// and this program bound to it by ordinal through the import library.
#include "dovari.h"
#include "dovari_sys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

template <typename T>
const T* At(HMODULE module, DWORD rva)
{
    return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) + rva);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int index)
{
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    auto nt = At<IMAGE_NT_HEADERS64>(module, dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[index];
}

HMODULE Dovari()
{
    return GetModuleHandleA("dovari.dll");
}

TEST(ExportTable, HasOrdinalsOnlyWith40And41Empty)
{
    HMODULE dll = Dovari();
    ASSERT_NE(dll, nullptr);
    auto exports = At<IMAGE_EXPORT_DIRECTORY>(dll, Directory(dll, IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
    EXPECT_EQ(exports->NumberOfNames, 0u);
    EXPECT_EQ(exports->Base, 1u);
    ASSERT_EQ(exports->NumberOfFunctions, 46u);

    auto functions = At<DWORD>(dll, exports->AddressOfFunctions);
    for (DWORD ordinal = 1; ordinal <= 46; ++ordinal) {
        bool unassigned = ordinal == 40 || ordinal == 41;
        EXPECT_EQ(functions[ordinal - 1] == 0, unassigned) << "ordinal " << ordinal;
    }
    EXPECT_EQ(functions[14 - 1], functions[45 - 1]);
}

TEST(ExportTable, OrdinalsReachTheNamedFunctions)
{
    HMODULE dll = Dovari();
    auto proc = [dll](int ordinal) {
        return reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal)));
    };
    EXPECT_EQ(proc(1), reinterpret_cast<void*>(&CheckFileExists));
    EXPECT_EQ(proc(5), reinterpret_cast<void*>(&EnumFiles));
    EXPECT_EQ(proc(27), reinterpret_cast<void*>(&PackBufCreate));
    EXPECT_EQ(proc(39), reinterpret_cast<void*>(&DriverUnload));
    EXPECT_EQ(proc(14), proc(45));
    EXPECT_EQ(proc(40), nullptr);
    EXPECT_EQ(proc(41), nullptr);
    EXPECT_EQ(GetProcAddress(dll, "CheckFileExists"), nullptr);
}

TEST(ExportTable, ThisProgramImportsDovariByOrdinalOnly)
{
    HMODULE self = GetModuleHandleA(nullptr);
    auto descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(self, Directory(self, IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    std::set<ULONGLONG> ordinals;
    bool found = false;
    for (; descriptor->Name != 0; ++descriptor) {
        if (_stricmp(At<char>(self, descriptor->Name), "dovari.dll") != 0)
            continue;
        found = true;
        for (auto thunk = At<IMAGE_THUNK_DATA64>(self, descriptor->OriginalFirstThunk); thunk->u1.Ordinal; ++thunk) {
            EXPECT_TRUE(IMAGE_SNAP_BY_ORDINAL64(thunk->u1.Ordinal)) << "imported by name";
            ordinals.insert(IMAGE_ORDINAL64(thunk->u1.Ordinal));
        }
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(ordinals, (std::set<ULONGLONG>{1, 5, 27, 39}));
}

// Reached by ordinal with no handle, the database layer's exports answer 0
// (22 an empty text); the placeholders 42 and 43 answer 1.
TEST(ExportTable, PlaceholdersAnswerAsAgreed)
{
    HMODULE dll = Dovari();
    using Call = INT_PTR (*)(void*, void*, void*, void*);
    auto call = [dll](int ordinal) {
        auto f = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))));
        return f(nullptr, nullptr, nullptr, nullptr);
    };
    for (int ordinal : {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 44, 45, 46})
        EXPECT_EQ(call(ordinal), 0) << "ordinal " << ordinal;
    EXPECT_STREQ(reinterpret_cast<const char*>(call(22)), "");
    EXPECT_EQ(static_cast<int>(call(42)), 1);
    EXPECT_EQ(static_cast<int>(call(43)), 1);
}

} // namespace
