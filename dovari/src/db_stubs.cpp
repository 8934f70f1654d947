// The database layer's ordinals (11-22, 44-46) until that layer is built:
// each answers 0, which callers read as "no handle" or failure.
#include <windows.h>

extern "C" {
INT_PTR DbOpen() { return 0; }
INT_PTR DbClose() { return 0; }
INT_PTR DbOpenRecordset() { return 0; }
INT_PTR DbCloseRecordset() { return 0; }
INT_PTR DbGetField() { return 0; }
INT_PTR DbSetField() { return 0; }
INT_PTR DbRecordCount() { return 0; }
INT_PTR DbMoveFirst() { return 0; }
INT_PTR DbMoveLast() { return 0; }
INT_PTR DbMoveNext() { return 0; }
INT_PTR DbMovePrevious() { return 0; }
INT_PTR DbLastError() { return 0; }
INT_PTR DbOpenTables() { return 0; }
INT_PTR DbExecute() { return 0; }
}
