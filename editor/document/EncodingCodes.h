#pragma once
// Encoding and line-end codes, shared with the open and save dialogs, the
// status bar and the Document menu. They travel by their types; an integer
// from a stored file, the registry or the component becomes a code only
// through the checked conversions below.
#include <cstddef>
#include <optional>

enum EncodingCode : int {
    kEncodingAnsi = 0,
    kEncodingUtf16Be = 1,
    kEncodingUtf16Le = 2,
    kEncodingUtf8 = 3,
    kEncodingUtf8NoBom = 4,
    kEncodingDefault = 5,  // detect on open, keep on save
    kEncodingBinary = 6,   // hex view; open only
};

// The component's end-of-line modes, plus "keep" for the save dialog.
enum EolCode : int {
    kEolCrLf = 0,
    kEolCr = 1,
    kEolLf = 2,
    kEolDefault = 3,
};

// An integer from outside (a stored file, the registry, the component) as a
// code when it is one, else fallback.
EncodingCode ToEncodingCode(int value, EncodingCode fallback);
EolCode ToEolCode(int value, EolCode fallback);

// Files are read, and text is fetched for writing, in blocks of this size.
constexpr size_t kFileBlockSize = 102400;

// Codes 1-4: the component holds the text as UTF-8.
inline bool IsUnicodeEncoding(EncodingCode code) { return code >= kEncodingUtf16Be && code <= kEncodingUtf8NoBom; }

// "ANSI", "UNICODE BE", "UNICODE", "UTF-8", "UTF-8 NOBOM"; "" for other codes.
const char* EncodingStatusName(EncodingCode code);

// The component keeps only double-byte ANSI pages (and 65001); any other
// value would leave it in UTF-8 mode, so single-byte pages are sent as 0.
int ComponentCodePageForAnsi(unsigned ansiCodePage);
// The component code page for an encoding code under the given ANSI page.
int ComponentCodePage(EncodingCode code, unsigned ansiCodePage);

// ID_DOC_EOL_CRLF to ID_DOC_EOL_CR select CRLF, LF and CR; none for other commands.
std::optional<EolCode> EolModeForCommand(int command);
// ID_DOC_ENC_ANSI to ID_DOC_ENC_UTF8_NOBOM select codes 0-4; none for other commands.
std::optional<EncodingCode> EncodingForCommand(int command);
