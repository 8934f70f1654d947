#pragma once
// Encoding and line-end codes, shared with the open and save dialogs, the
// status bar and the Document menu.
#include <cstddef>

enum EncodingCode {
    kEncodingAnsi = 0,
    kEncodingUtf16Be = 1,
    kEncodingUtf16Le = 2,
    kEncodingUtf8 = 3,
    kEncodingUtf8NoBom = 4,
    kEncodingDefault = 5,  // detect on open, keep on save
    kEncodingBinary = 6,   // hex view; open only
};

// The component's end-of-line modes, plus "keep" for the save dialog.
enum EolCode {
    kEolCrLf = 0,
    kEolCr = 1,
    kEolLf = 2,
    kEolDefault = 3,
};

// Files are read, and text is fetched for writing, in blocks of this size.
constexpr size_t kFileBlockSize = 102400;

// Codes 1-4: the component holds the text as UTF-8.
inline bool IsUnicodeEncoding(int code) { return code >= kEncodingUtf16Be && code <= kEncodingUtf8NoBom; }

// "ANSI", "UNICODE BE", "UNICODE", "UTF-8", "UTF-8 NOBOM"; "" for other codes.
const char* EncodingStatusName(int code);

// The component keeps only double-byte ANSI pages (and 65001); any other
// value would leave it in UTF-8 mode, so single-byte pages are sent as 0.
int ComponentCodePageForAnsi(unsigned ansiCodePage);
// The component code page for an encoding code under the given ANSI page.
int ComponentCodePage(int code, unsigned ansiCodePage);

// ID_DOC_EOL_CRLF to ID_DOC_EOL_CR select CRLF, LF and CR; -1 for other commands.
int EolModeForCommand(int command);
// ID_DOC_ENC_ANSI to ID_DOC_ENC_UTF8_NOBOM select codes 0-4; -1 for other commands.
int EncodingForCommand(int command);
