-- The templates that ship in "template.mdb": one table per category, each
-- with the columns Name and Content. A '|' marks where the caret goes;
-- $(...) macros are expanded when a template is inserted.
CREATE TABLE [C++] (Name TEXT COLLATE NOCASE, Content TEXT);
INSERT INTO [C++] VALUES ('file header', '/*
 * $(FILENAME)
 * $(USER) <$(EMAIL)>, $(DATE)
 */
|');
INSERT INTO [C++] VALUES ('include guard', '#ifndef $(UPPER(FILE_BASE))_H
#define $(UPPER(FILE_BASE))_H

|

#endif
');
INSERT INTO [C++] VALUES ('for', 'for (int i = 0; i < |; ++i) {
}');
INSERT INTO [C++] VALUES ('if else', 'if (|) {
} else {
}');
INSERT INTO [C++] VALUES ('class', 'class $(FILE_BASE) {
public:
    $(FILE_BASE)();
    ~$(FILE_BASE)();
|
};');
INSERT INTO [C++] VALUES ('main', 'int main(int argc, char* argv[]) {
    |
    return 0;
}');

CREATE TABLE [HTML] (Name TEXT COLLATE NOCASE, Content TEXT);
INSERT INTO [HTML] VALUES ('page', '<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>|</title>
</head>
<body>
</body>
</html>');
INSERT INTO [HTML] VALUES ('link', '<a href="|"></a>');
INSERT INTO [HTML] VALUES ('table', '<table>
  <tr><td>|</td></tr>
</table>');

CREATE TABLE [Python] (Name TEXT COLLATE NOCASE, Content TEXT);
INSERT INTO [Python] VALUES ('main guard', 'def main():
    |


if __name__ == "__main__":
    main()');
INSERT INTO [Python] VALUES ('def', 'def |():
    pass');

CREATE TABLE [常用] (Name TEXT COLLATE NOCASE, Content TEXT);
INSERT INTO [常用] VALUES ('日期', '$(DATE)|');
INSERT INTO [常用] VALUES ('署名', '$(USER), $(COMPANY) <$(EMAIL)>|');
