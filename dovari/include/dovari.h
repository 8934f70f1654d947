// dovari: the utility library beside the editor. Every function is imported
// by ordinal (the number beside each declaration); the DLL exports no names.
//
// Results are 1 for success and 0 for failure unless said otherwise. Texts
// are ANSI strings; paths fit in 260 bytes. Diagnostics are lines on the
// process's standard output, most beginning "[ERROR]: ".
//
// The version, window and driver-service exports are in dovari_sys.h.
#pragma once

#include <windows.h>

// Callers bind through the import table; the DLL itself defines DOVARI_BUILD.
#ifdef DOVARI_BUILD
#define DOVARI_API
#else
#define DOVARI_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Called for each file a walk accepts, with its full path (folder, '\', name).
// Returning 0 ends the listing of the folder being listed at that moment;
// the walk goes on in the folders above it.
typedef int (*EnumFilesCallback)(const WIN32_FIND_DATAA* data, const char* path, void* param,
                                 void* user);

// Called for each subfolder a walk meets, with its path ending in '\'.
typedef void (*EnumDirsCallback)(const WIN32_FIND_DATAA* data, const char* path, void* param,
                                 void* user);

// Called once per PackBuf block with its text and the length up to its first NUL.
typedef void (*PackBufDumpCallback)(const char* text, int length, void* param, void* user);

// Opaque chained text buffer.
typedef struct PackBuf PackBuf;

// --- File system ---------------------------------------------------------

// 1: a file or folder is there.
DOVARI_API int CheckFileExists(const char* path);
// 2: the path opens for reading (folders too).
DOVARI_API int PathExists(const char* path);
// 3: makes the missing folders named before each '\'; 0 for "".
DOVARI_API int MakeDirPath(const char* path);
// 4: deletes a folder and all it holds; a relative name is below the current
// folder. 0 when it is missing, empty, a drive root, the current folder or
// one of the folders above it, however the path spells it.
DOVARI_API int DeleteDirTree(const char* folder);
// 5: calls back for each file, e.g. with patterns "*.cpp;*.h" (NULL: all).
// Names beginning with '.' are skipped and never entered. Answers 0.
DOVARI_API int EnumFiles(const char* folder, const char* patterns, int recurse,
                         EnumFilesCallback callback, void* param, void* user);
// 6: calls back for each folder, a parent before its children; recurses
// only when recurse is 1. Answers 0.
DOVARI_API int EnumDirs(const char* folder, int recurse, EnumDirsCallback callback, void* param,
                        void* user);
// 7: sorts the file's lines in place by byte order; the number of lines.
DOVARI_API int SortFileLines(const char* path);
// 8: the text before its first ':' is "ftp" in any letter case.
DOVARI_API int IsFtpPath(const char* text);

// --- Network copy -------------------------------------------------------
// Either side may be "ftp://[user[:password]@]host/folder/file" (port 21).
// NULL stands for the current folder.

// 9: copies; with failIfExists an existing destination is kept. 0 when
// nothing could be copied (FTP on both sides is not supported).
DOVARI_API int CopyNetFile(const char* source, const char* destination, int failIfExists);
// 10: deletes a local file or an FTP location.
DOVARI_API int DeleteNetFile(const char* path);

// --- Database ------------------------------------------------------------
// A handle holds an open database, at most one current recordset and the
// text of the last error. Every call that takes a handle empties that text
// first; a failure answers 0 (no handle, for DbOpen) and leaves
// "Error: <description>\n" there. Field texts are ANSI.

// Opaque database handle.
typedef struct DbHandle DbHandle;

// 11: opens an existing database file; NULL when it is missing or is not a
// database. Never creates a file.
DOVARI_API DbHandle* DbOpen(const char* path);
// 12: closes and frees the handle; 0 for none or when closing failed (the
// handle then stays valid).
DOVARI_API int DbClose(DbHandle* db);
// 13: a table name or an SQL statement becomes the current recordset, a
// snapshot with an exact count positioned on its first record.
DOVARI_API int DbOpenRecordset(DbHandle* db, const char* source);
// 14 and 45
DOVARI_API int DbCloseRecordset(DbHandle* db);
// 15: 1 when the field held a non-empty text, copied into at most size - 1
// bytes (cut between characters) and a NUL. An empty text empties the buffer
// and answers 0; a NULL or a number answers 0 and leaves the buffer as it
// was; an error empties it.
DOVARI_API int DbGetField(DbHandle* db, const char* field, char* buffer, int size);
// 16: writes the text into the field of the current record and stores it.
DOVARI_API int DbSetField(DbHandle* db, const char* field, const char* value);
// 17: the number of records of the current recordset.
DOVARI_API int DbRecordCount(DbHandle* db);
// 18-21. DbMoveNext answers 0 when the recordset is already past its last
// record, and 1 for the move that reaches that end.
DOVARI_API int DbMoveFirst(DbHandle* db);
DOVARI_API int DbMoveLast(DbHandle* db);
DOVARI_API int DbMoveNext(DbHandle* db);
DOVARI_API int DbMovePrevious(DbHandle* db);
// 22: the last error text, valid until DbClose; "" for no handle.
DOVARI_API const char* DbLastError(DbHandle* db);
// 44: the schema rowset becomes the current recordset. Schema 20 lists the
// user tables, one row each in name order, in the field "TABLE_NAME".
DOVARI_API int DbOpenTables(DbHandle* db, int schema);
// 46: runs one statement.
DOVARI_API int DbExecute(DbHandle* db, const char* sql);

// --- PackBuf ------------------------------------------------------------
// Text is appended in pieces and never split across blocks; a piece holds at
// most block size - 8 bytes. A block's text ends at its first NUL: an append
// whose given length exceeds its text stores NULs that hide every later piece
// in that block, and a reserved block left unfilled stops the dump. Append
// exact lengths.

// 27: block size 0 means 4096; others are held to 1024..4194304.
DOVARI_API PackBuf* PackBufCreate(int blockSize);
// 28: length 0 takes the text up to its NUL.
DOVARI_API int PackBufAppend(PackBuf* buf, const char* text, int length);
// 29: one callback per block; 0 at the first empty block (a new buffer too).
DOVARI_API int DumpPackBuf(PackBuf* buf, PackBufDumpCallback callback, void* param, void* user);
// 30: count zeroed bytes inside the buffer for the caller to fill.
DOVARI_API char* PackBufReserve(PackBuf* buf, int count);
// 31: back to one empty block.
DOVARI_API int PackBufReset(PackBuf* buf);
// 32
DOVARI_API int PackBufFree(PackBuf* buf);

#ifdef __cplusplus
}
#endif
