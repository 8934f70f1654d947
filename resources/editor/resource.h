/* Resource ids of Tarnwick.exe; included by tarnwick.rc and by the C++ code.
   Plain #defines only, so that windres reads it too. */
#ifndef TARNWICK_RESOURCE_H
#define TARNWICK_RESOURCE_H

/* ---- main frame: menu 1, accelerators 1, toolbar 1, bitmap 1, icon 1, string 1 */
#define IDR_MAINFRAME                   1

/* ---- menus */
#define IDR_MENU_MAIN                   1   /* menu bar */
#define IDR_MENU_SYMBOLS                3   /* symbol pane context menu */
#define IDR_MENU_EDITOR                 4   /* editor view context menu (submenu 0) */
#define IDR_MENU_REGEX                  5   /* regular-expression tokens, ids 60-70 */
#define IDR_MENU_TAGS                   6   /* tags \1 to \9, ids 50-58 */
#define IDR_MENU_DOCTAB                 7   /* document tab context menu */
#define IDR_MENU_REBAR                  8   /* rebar context menu: 300, 301 */
#define IDR_MENU_TEMPLATES              9   /* template name list context menu */
#define IDR_MENU_TOOLVARS               22  /* tools page insert-variable menu */

/* top-level popups of the menu bar, by position */
#define MENU_POS_FILE                   0
#define MENU_POS_EDIT                   1
#define MENU_POS_VIEW                   2
#define MENU_POS_SEARCH                 3
#define MENU_POS_DOCUMENT               4
#define MENU_POS_TOOLS                  5
#define MENU_POS_LANGUAGE               6
#define MENU_POS_WINDOW                 7
#define MENU_POS_HELP                   8
/* recent-files submenu: File menu item (count - 3) */
#define MENU_RECENT_FROM_END            3
/* layouts submenu: item 7 of the Window menu */
#define MENU_POS_WINDOW_LAYOUTS         7

/* ---- accelerators and toolbar */
#define IDR_ACCEL_MAIN                  1
#define IDR_TOOLBAR_MAIN                1

/* ---- bitmaps */
#define IDB_TOOLBAR                     1   /* toolbar 1 images, magenta mask */
#define IDB_EXPLORER_TOOLBAR            17  /* explorer pane toolbar, magenta mask */
#define IDB_EXPLORER_TOOLBAR_DISABLED   18
#define IDB_TOOLBAR_DISABLED            19  /* toolbar 1 disabled images; command bar */
#define IDB_SMALL_IMAGES                20  /* 16-px symbol images, white mask */
#define IDB_LIST_TOOLBAR                21  /* options list toolbar, 14 px, mask RGB(192,192,192) */

/* images of IDB_SMALL_IMAGES */
#define IMG_FILENAME                    0
#define IMG_UNKNOWN                     1
#define IMG_FUNCTION                    2
#define IMG_ENUMNAME                    3
#define IMG_CLASS                       4
#define IMG_MACRO                       5
#define IMG_ENUM                        6
#define IMG_MEMBER                      7
#define IMG_PROTOTYPE                   8
#define IMG_STRUCTURE                   9
#define IMG_TASK                        10
#define IMG_VARIABLE                    11
#define IMG_NET                         12
#define IMG_PORT                        13
#define IMG_REGISTER                    14
#define IMG_CONSTANT                    15
#define IMG_TYPEDEF                     16
#define IMG_NAMESPACE                   17
#define IMG_SMALL_COUNT                 18

/* ---- icons */
#define IDI_MAINFRAME                   1
#define IDI_CONSOLE_PANE                9
#define IDI_EXPLORER_PANE               10
#define IDI_FIND_RESULTS_PANE           11
#define IDI_SYMBOL_PANE                 12
#define IDI_TAB_MODIFIED                13
#define IDI_TAB_NORMAL                  14
#define IDI_TAB_READONLY                15
#define IDI_TEMPLATE_PANE               16
#define IDI_DOCUMENT                    17  /* document window class: menu-bar icon when maximised */

/* ---- cursors (tab drag) */
#define IDC_TABDRAG_OUTSIDE             1   /* pointer outside the strip */
#define IDC_TABDRAG_OVER                2   /* pointer over the strip */

/* ---- File menu */
#define ID_FILE_NEW                     100
#define ID_FILE_OPEN                    101
#define ID_FILE_CLOSE                   102
#define ID_FILE_CLOSE_OTHERS            103
#define ID_FILE_CLOSE_ALL               104
#define ID_FILE_SAVE                    105
#define ID_FILE_SAVE_AS                 106
#define ID_FILE_SAVE_ALL                107
#define ID_FILE_RELOAD                  108
#define ID_FILE_LOAD_WORKSPACE          109
#define ID_FILE_SAVE_WORKSPACE          110
#define ID_FILE_EXPORT_HTML             111
#define ID_FILE_EXPORT_RTF              112
#define ID_FILE_EXPORT_PDF              113
#define ID_FILE_EXPORT_TEX              114
#define ID_APP_EXIT                     117
#define ID_FILE_PRINT_SETUP             0xE106  /* 57606 */
#define ID_FILE_PRINT                   0xE107  /* 57607 */
#define ID_FILE_MRU_FIRST               0xE110  /* 57616 */
#define ID_FILE_MRU_LAST                0xE11F

/* ---- Edit menu */
#define ID_EDIT_UNDO                    200
#define ID_EDIT_REDO                    201
#define ID_EDIT_CUT                     202
#define ID_EDIT_COPY                    203
#define ID_EDIT_PASTE                   204
#define ID_EDIT_DELETE                  205
#define ID_EDIT_SELECT_ALL              206
#define ID_EDIT_LINE_CUT                207
#define ID_EDIT_LINE_COPY               208
#define ID_EDIT_LINE_DELETE             209
#define ID_EDIT_LINE_DUPLICATE          210
#define ID_EDIT_LINE_UP                 211
#define ID_EDIT_LINE_DOWN               212
#define ID_EDIT_LINES_SPLIT             213
#define ID_EDIT_LINES_JOIN              214
#define ID_EDIT_LOWERCASE               215
#define ID_EDIT_UPPERCASE               216
#define ID_EDIT_COPY_RTF                217
#define ID_EDIT_SWAP_CLIPBOARD          218
#define ID_EDIT_STRIP_TRAILING          219
#define ID_EDIT_TABS_TO_SPACES          220
#define ID_EDIT_SPACES_TO_TABS          221
#define ID_EDIT_COPY_FILENAME           225
#define ID_EDIT_COPY_FOLDER             226
#define ID_EDIT_COPY_PATH               227
#define ID_EDIT_TAB                     228     /* keyboard only */
#define ID_EDIT_BACKTAB                 229     /* keyboard only */
#define ID_EDIT_CALLTIP                 230
#define ID_EDIT_AUTOCOMPLETE            231
#define ID_EDIT_COMPLETE_WORD           232

/* ---- View menu */
#define ID_VIEW_MENUBAR                 300
#define ID_VIEW_TOOLBAR                 301
#define ID_VIEW_STATUS_BAR              302
#define ID_VIEW_HIDE_TITLE              303
#define ID_VIEW_FULL_SCREEN             304
#define ID_VIEW_HIGHLIGHT               305
#define ID_VIEW_WRAP                    306
#define ID_VIEW_LINE_NUMBERS            307
#define ID_VIEW_WHITESPACE              308
#define ID_VIEW_LINE_ENDS               309
#define ID_VIEW_INDENT_GUIDES           310
#define ID_VIEW_ZOOM_IN                 311
#define ID_VIEW_ZOOM_OUT                312
#define ID_VIEW_ZOOM_RESET              313
#define ID_VIEW_FOLD_TOGGLE             314
#define ID_VIEW_FOLD_ALL                315
#define ID_VIEW_UNFOLD_ALL              316
#define ID_VIEW_FOLD_LEVEL_FIRST        320     /* items &1-&8: level id - 320 */
#define ID_VIEW_FOLD_LEVEL_LAST         327
#define ID_VIEW_UNFOLD_LEVEL_FIRST      330     /* items &1-&8: level id - 330 */
#define ID_VIEW_UNFOLD_LEVEL_LAST       337
#define ID_VIEW_FONT_SCHEME             338     /* toolbar drop-down only */

/* ---- Search menu */
#define ID_SEARCH_FIND                  400
#define ID_SEARCH_REPLACE               401
#define ID_SEARCH_FIND_NEXT             402
#define ID_SEARCH_FIND_PREV             403
#define ID_SEARCH_NEXT_WORD             404
#define ID_SEARCH_PREV_WORD             405
#define ID_SEARCH_FIND_IN_FILES         406
#define ID_SEARCH_GOTO_LINE             407
#define ID_SEARCH_GOTO_SYMBOL           408
#define ID_SEARCH_HELP                  409
#define ID_SEARCH_MATCH_BRACE           410
#define ID_SEARCH_SELECT_BRACE          411
#define ID_SEARCH_BOOKMARK              412
#define ID_SEARCH_NEXT_BOOKMARK         413
#define ID_SEARCH_PREV_BOOKMARK         414
#define ID_SEARCH_CLEAR_BOOKMARKS       415

/* ---- Document menu */
#define ID_DOC_USE_TABS                 500
#define ID_DOC_ENC_ANSI                 501
#define ID_DOC_ENC_UTF16BE              502
#define ID_DOC_ENC_UTF16LE              503
#define ID_DOC_ENC_UTF8                 504
#define ID_DOC_ENC_UTF8_NOBOM           505
#define ID_DOC_EOL_CRLF                 506
#define ID_DOC_EOL_LF                   507
#define ID_DOC_EOL_CR                   508
#define ID_DOC_READONLY                 509
#define ID_DOC_CLEAR_READONLY           510

/* ---- Tools menu */
#define ID_TOOL_FIRST                   600     /* user tools, filled at run time */
#define ID_TOOL_LAST                    679
#define ID_TOOLS_LOCATE_FILE            680
#define ID_TOOLS_WATCH_CLIPBOARD        681
#define ID_TOOLS_FILE_PROPERTIES        682
#define ID_TOOLS_OPEN_DEFAULT           683
#define ID_OPTIONS_FIRST                684     /* 684-699 open the options dialog */
#define ID_OPTIONS_TOOLS                684
#define ID_OPTIONS_KEYS                 685
#define ID_OPTIONS_GENERAL              686
#define ID_OPTIONS_FONTS                687
#define ID_OPTIONS_FAVORITES            688
#define ID_OPTIONS_LAST                 699

/* ---- Language menu */
#define ID_LANGUAGE_HEX                 700
#define ID_LANGUAGE_FIRST               701     /* languages, filled at run time */
#define ID_LANGUAGE_LAST                781

/* ---- Window menu */
#define ID_WINDOW_NEXT                  800
#define ID_WINDOW_PREV                  801
#define ID_PANE_EXPLORER                802
#define ID_PANE_TEMPLATES               803
#define ID_PANE_SYMBOLS                 804
#define ID_PANE_CONSOLE                 805
#define ID_PANE_FIND_RESULTS1           806
#define ID_PANE_FIND_RESULTS2           807
#define ID_WINDOW_TOPMOST               808
#define ID_WINDOW_CASCADE               809
#define ID_WINDOW_TILE_HORZ             810
#define ID_WINDOW_TILE_VERT             811
#define ID_WINDOW_ARRANGE               812
#define ID_LAYOUT_LOAD                  813
#define ID_LAYOUT_SAVE                  814
#define ID_LAYOUT_FIRST                 837     /* layout files, filled at run time */
#define ID_LAYOUT_LAST                  857
#define ID_WINDOW_LIST_FIRST            858     /* window list, filled at run time */
#define ID_WINDOW_LIST_LAST             958

/* ---- Help menu */
#define ID_HELP_TOPICS                  820
#define ID_HELP_HOME_PAGE               821
#define ID_HELP_CHECK_UPDATE            822
#define ID_HELP_FEEDBACK                823
#define ID_HELP_DONATE                  824
#define ID_APP_ABOUT                    825

/* ---- font schemes (toolbar 338 drop-down, built at run time) */
#define ID_FONT_SCHEME_FIRST            826
#define ID_FONT_SCHEME_LAST             836

/* ---- menu 5: regular-expression tokens */
#define ID_REGEX_FIRST                  60
#define ID_REGEX_ANY_COUNT              60      /* *  */
#define ID_REGEX_ONE_OR_MORE            61      /* +  */
#define ID_REGEX_ANY_CHAR               62      /* .  */
#define ID_REGEX_LINE_START             63      /* ^  */
#define ID_REGEX_IN_SET                 64      /* [] */
#define ID_REGEX_NOT_IN_SET             65      /* [^] */
#define ID_REGEX_LINE_END               66      /* $  */
#define ID_REGEX_GROUP                  67      /* \{\} */
#define ID_REGEX_NOT                    68      /* ~  */
#define ID_REGEX_OR                     69      /* \! */
#define ID_REGEX_TAG                    70      /* \(\) */
#define ID_REGEX_LAST                   70

/* ---- menu 6: tags \1 to \9 */
#define ID_TAG_FIRST                    50
#define ID_TAG_LAST                     58

/* ---- menu 22: tool variables */
#define ID_TOOLVAR_FILE                 39960
#define ID_TOOLVAR_FILENAME             39961
#define ID_TOOLVAR_FILE_PATH            39962
#define ID_TOOLVAR_FILE_BASE            39963
#define ID_TOOLVAR_FILE_EXT             39964

/* ---- options list toolbar (bitmap 21 images 0-3) */
#define ID_LIST_NEW                     39976
#define ID_LIST_DELETE                  39977
#define ID_LIST_UP                      39978
#define ID_LIST_DOWN                    39979

/* ---- menu 9: templates */
#define ID_TEMPLATE_EDIT                39981
#define ID_TEMPLATE_ADD                 39982
#define ID_TEMPLATE_DELETE              39983

/* ---- menu 3: symbol pane */
#define ID_SYMBOL_COLLAPSE_ALL          40000
#define ID_SYMBOL_EXPAND_ALL            40001
#define ID_SYMBOL_SORT_TYPE             40002
#define ID_SYMBOL_SORT_NAME             40003
#define ID_SYMBOL_SORT_LINE             40004

/* ---- explorer pane toolbar (ids local to the pane; bitmaps 17, 18) */
#define ID_EXPLORER_BACK                103     /* image 0 */
#define ID_EXPLORER_UP                  104     /* image 2 */
#define ID_EXPLORER_DELETE              105     /* image 3 */
#define ID_EXPLORER_NEW_FOLDER          106     /* image 4 */
#define ID_EXPLORER_VIEW                107     /* image 5 */
#define ID_EXPLORER_FORWARD             109     /* image 1 */
#define ID_EXPLORER_FAVORITES           110     /* image 6 */
#define ID_EXPLORER_ADD_FAVORITE        111     /* image 7 */
#define ID_EXPLORER_ORGANIZE            112
#define ID_EXPLORER_VIEW_ICONS          113     /* our own view-type menu: 113-116 */
#define ID_EXPLORER_VIEW_SMALL_ICONS    114
#define ID_EXPLORER_VIEW_LIST           115
#define ID_EXPLORER_VIEW_DETAILS        116
#define ID_EXPLORER_FAVORITE_FIRST      200     /* 200-299: favourite key id - 199 */
#define ID_EXPLORER_FAVORITE_LAST       299
#define ID_EXPLORER_BACK_FIRST          300     /* 300-349: back history slots */
#define ID_EXPLORER_FORWARD_FIRST       350     /* 350-399: forward history slots */

/* ---- strings */
#define IDS_PRODUCT_NAME                1       /* "Tarnwick": title and message-box caption */

/* pane titles */
#define IDS_PANE_EXPLORER               39970
#define IDS_PANE_FIND_RESULTS1          39971
#define IDS_PANE_FIND_RESULTS2          39972
#define IDS_PANE_SYMBOLS                39973
#define IDS_PANE_CONSOLE                39974
#define IDS_PANE_TEMPLATES              39975

/* options list toolbar tips: ID_LIST_NEW ... ID_LIST_DOWN */

/* save-modified dialog */
#define IDS_SAVEDLG_PATH                39990
#define IDS_SAVEDLG_FILE                39991
#define IDS_SAVEDLG_PROMPT              39992
#define IDS_SAVEDLG_MODIFIED            39993
#define IDS_SAVEDLG_CAPTION             39994
#define IDS_SAVEDLG_YES                 39995
#define IDS_SAVEDLG_NO                  39996
#define IDS_SAVEDLG_CANCEL              39997

/* messages and texts */
#define IDS_FILTER_ALL_FILES            40005
#define IDS_FEEDBACK_MAIL               40009
#define IDS_FILE_VANISHED               40012
#define IDS_EXPLORER_ADD_FAVORITE       40013
#define IDS_EXPLORER_BACK               40014
#define IDS_EXPLORER_DELETE             40015
#define IDS_EXPLORER_FAVORITES          40016
#define IDS_EXPLORER_FORWARD            40017
#define IDS_EXPLORER_NEW_FOLDER         40018
#define IDS_EXPLORER_UP                 40019
#define IDS_EXPLORER_VIEW               40020
#define IDS_SEARCH_STOPPED              40021
#define IDS_SEARCH_ABANDONED            40022
#define IDS_SEARCH_RUNNING              40023
#define IDS_FIND_WRAPPED                40024
#define IDS_STRING_NOT_FOUND            40026
#define IDS_FIND_IN_FILES_DONE          40028
#define IDS_FIND_IN_FILES_SKIPPED       40029
#define IDS_FOLDER_NOT_FOUND            40032
#define IDS_COLUMN_LINE                 40033
#define IDS_FILE_CHANGED_RELOAD         40036
#define IDS_UNTITLED                    40037
#define IDS_REPLACED_COUNT              40038
#define IDS_OPEN_FILE_FAILED            40040
#define IDS_BROWSE_FOLDER               40041
#define IDS_COLUMN_CLASS                40043
#define IDS_SAVE_CHANGES                40053
#define IDS_HOME_PAGE                   40055
#define IDS_COLUMN_SYMBOL               40057
#define IDS_EDIT_FONTS                  40060
#define IDS_ORGANIZE_FAVORITES          40061
#define IDS_TOOL_SAVE_FIRST             40062
#define IDS_FAVORITE_EXISTS             40063
#define IDS_FAVORITE_INVALID            40064
#define IDS_TEMPLATE_DELETE_ASK         40067
#define IDS_TEMPLATE_ADD_CAPTION        40068
#define IDS_TEMPLATE_NAME_EMPTY         40069

/* texts shown by the code that have no id of their own */
#define IDS_CHOICE_DEFAULT              41000   /* open/save dialog combos */
#define IDS_EOL_WINDOWS                 41001
#define IDS_EOL_UNIX                    41002
#define IDS_EOL_MAC                     41003
#define IDS_COLOR_AUTOMATIC             41004   /* colour picker */
#define IDS_COLOR_MORE                  41005
#define IDS_KEYS_TOO_MANY               41006   /* keys page */
#define IDS_KEYS_IN_USE                 41007
#define IDS_KEYS_SAVE_FAILED            41030   /* keys page: the key file not written */
#define IDS_TOOL_NAME_INVALID           41031   /* tools page: what Apply refuses */
#define IDS_TOOL_NAME_DUPLICATE         41032
#define IDS_TOOL_SEPARATOR              41033
#define IDS_PROGRAM_PATH_TOO_LONG       41008   /* start-up */
#define IDS_BOOKMARK_REMOVE             41009   /* editor context menu */
#define IDS_BOOKMARK_ADD                41010
#define IDS_SHOW_MENUBAR                41011
#define IDS_SHOW_TOOLBAR                41012
#define IDS_SESSION_SAVE_FAILED         41013   /* save workspace */
#define IDS_LABEL_ENCODING              41014   /* open/save dialog labels */
#define IDS_LABEL_LINE_END              41015
#define IDS_EXPLORER_VIEW_ICONS         41040   /* explorer view-type menu, 113-116 */
#define IDS_EXPLORER_VIEW_SMALL_ICONS   41041
#define IDS_EXPLORER_VIEW_LIST          41042
#define IDS_EXPLORER_VIEW_DETAILS       41043
#define IDS_SAVE_ANSI_LOSSY             41016   /* Save As to ANSI */
#define IDS_DONATE_PAGE                 41050   /* Help > Donate */
#define IDS_LAYOUT_SAVE_FAILED          41017   /* save layout file */
#define IDS_UTF16_ODD_BYTE              41070   /* a UTF-16 file of odd length opened */
#define IDS_SAVE_COPY_FOUND             41071   /* a copy left by an interrupted save */
#define IDS_NOT_A_DISK_FILE             41060   /* open: a device name */
#define IDS_EXPORT_TEX_CHINESE          41080   /* LaTeX export of Chinese text */

/* toolbar 1 tips use the command id as string id */

/* ---- find (508) and replace (509) dialogs */
#define IDD_GOTO_LINE                   204
#define IDC_GOTO_LINE_NUMBER            1004
#define IDC_GOTO_LINE_LABEL             1045
#define IDD_FIND                        508
#define IDD_REPLACE                     509
#define IDC_SEARCH_MARK                 501
#define IDC_SEARCH_REPLACE              503
#define IDC_SEARCH_REPLACE_ALL          504
#define IDC_SEARCH_WHOLE_WORD           505
#define IDC_SEARCH_MATCH_CASE           506
#define IDC_SEARCH_REGEX                507
#define IDC_SEARCH_TAGS                 510     /* ">" tag menu of the replace text */
#define IDC_SEARCH_BACKSLASH            512
#define IDC_SEARCH_FIND_TEXT            514
#define IDC_SEARCH_FIND_TOKENS          515     /* ">" token menu of the find text */
#define IDC_SEARCH_REPLACE_TEXT         519
#define IDC_SEARCH_SCOPE_FILE           521
#define IDC_SEARCH_SCOPE_SELECTION      522
#define IDC_SEARCH_SCOPE_ALL            523
#define IDC_SEARCH_UP                   1001

/* ---- find in files dialog (524); shares 505, 506, 514, 515 with the above */
#define IDD_FIND_IN_FILES               524
#define IDC_FIF_SUBFOLDERS              1001
#define IDC_FIF_FOLDER                  1003
#define IDC_FIF_BROWSE                  1004
#define IDC_FIF_TYPES                   1142
#define IDC_FIF_PANE1                   1155
#define IDC_FIF_PANE2                   1156

/* ---- go-to-symbol dialog (531) */
#define IDD_GOTO_SYMBOL                 531
#define IDC_GOTO_SYMBOL_NAME            102
#define IDC_GOTO_SYMBOL_LIST            103
/* ---- file statistics dialog (532) */
#define IDD_FILE_STATISTICS             532
#define IDC_STATS_MD5                   1005
#define IDC_STATS_SHA1                  1006
#define IDC_STATS_CRC32                 1007
#define IDC_STATS_SIZE                  1008
#define IDC_STATS_CHARACTERS            1086
#define IDC_STATS_WORDS                 1087
#define IDC_STATS_PATH                  1088
#define IDC_STATS_LINES                 1217

/* ---- options dialog (530) and its pages */
#define IDD_OPTIONS                     530
#define IDC_OPTIONS_PAGE_AREA           529     /* hidden: the rectangle every page fills */
#define IDC_OPTIONS_HEADER              1000    /* placeholder of the title band */
#define IDC_OPTIONS_APPLY               1001
#define IDC_OPTIONS_LIST                1002
#define IDD_OPTIONS_GENERAL             533
#define IDD_OPTIONS_EDITOR              534
#define IDD_OPTIONS_FAVORITES           535
#define IDD_OPTIONS_TOOLS               537
#define IDD_OPTIONS_KEYS                538
#define IDD_OPTIONS_FONTS               540
#define IDD_OPTIONS_VARIABLES           539
#define IDD_OPTIONS_COLOURS             541
#define IDD_OPTIONS_UPDATE              542

/* general page (533) */
#define IDC_GENERAL_CLOSE_FIND          1003
#define IDC_GENERAL_DBLCLK_OPEN         1012    /* 1012 + EditorMask bits 6-7 */
#define IDC_GENERAL_DBLCLK_NEW          1013
#define IDC_GENERAL_DBLCLK_NOTHING      1014
#define IDC_GENERAL_NEW_AT_START        1051
#define IDC_GENERAL_MULTI_INSTANCE      1053
#define IDC_GENERAL_TABS_AT_BOTTOM      1055
#define IDC_GENERAL_MAXIMIZED           1056
#define IDC_GENERAL_FULL_PATH           1062
#define IDC_GENERAL_MRU_SPIN            1180
#define IDC_GENERAL_MRU_SIZE            1181

/* editor page (534) */
#define IDC_EDITOR_EDGE_POS_LABEL       1000
#define IDC_EDITOR_EDGE_COLOR_LABEL     1001
#define IDC_EDITOR_EDGE_POS             1002
#define IDC_EDITOR_LINE_COLOR_LABEL     1005
#define IDC_EDITOR_INDENT_SPIN          1008
#define IDC_EDITOR_INDENT_SIZE          1009
#define IDC_EDITOR_WRAP                 1158    /* 1158-1162: EditorMask bits 10-14 */
#define IDC_EDITOR_LINE_NUMBERS         1159
#define IDC_EDITOR_WHITESPACE           1160
#define IDC_EDITOR_LINE_ENDS            1161
#define IDC_EDITOR_INDENT_GUIDES        1162
#define IDC_EDITOR_TAB_SIZE             1167
#define IDC_EDITOR_CURRENT_LINE         1168
#define IDC_EDITOR_EDGE                 1169
#define IDC_EDITOR_LINE_COLOR           1170
#define IDC_EDITOR_EDGE_BACKGROUND      1172
#define IDC_EDITOR_EDGE_LINE            1173
#define IDC_EDITOR_EDGE_COLOR           1174
#define IDC_EDITOR_INDENT_PROPERTIES    1175    /* 1175 + EditorMask bits 18-19 */
#define IDC_EDITOR_INDENT_SPACES        1176
#define IDC_EDITOR_INDENT_TABS          1177
#define IDC_EDITOR_HIGHLIGHT            1183
#define IDC_EDITOR_TAB_SPIN             1184
#define IDC_EDITOR_EDGE_SPIN            1185
#define IDC_EDITOR_ALPHA                1187
#define IDC_EDITOR_ALPHA_SLIDER         1190
#define IDC_EDITOR_TRANSPARENT          1191

/* variables page (539) */
#define IDC_VARIABLES_USER              1004
#define IDC_VARIABLES_COMPANY           1005
#define IDC_VARIABLES_EMAIL             1006
#define IDC_VARIABLES_HELP              1007

/* favourites page (535) */
#define IDC_FAVORITES_LIST              1010
#define IDC_FAVORITES_PATH              1213
#define IDC_FAVORITES_BROWSE            1214
#define IDC_FAVORITES_TOOLBAR           1215    /* hidden: where the list toolbar goes */
#define IDC_FAVORITES_TOOLBAR_BAR       1216

/* tools page (537) */
#define IDC_TOOLS_SAVE_FIRST            1007    /* flag bit 3 */
#define IDC_TOOLS_RELOAD                1008    /* flag bit 4 */
#define IDC_TOOLS_SHOW_CONSOLE          1002    /* flag bit 2 */
#define IDC_TOOLS_PATTERNS_HINT         1005
#define IDC_TOOLS_LIST                  1017
#define IDC_TOOLS_NEEDS_DOCUMENT        1018    /* flag bit 1 */
#define IDC_TOOLS_NAME                  1207
#define IDC_TOOLS_PATTERNS              1208
#define IDC_TOOLS_COMMAND               1209
#define IDC_TOOLS_BROWSE_COMMAND        1210
#define IDC_TOOLS_ARGUMENTS             1211
#define IDC_TOOLS_INSERT                1212
#define IDC_TOOLS_FOLDER                1213
#define IDC_TOOLS_BROWSE_FOLDER         1214
#define IDC_TOOLS_TOOLBAR               1215    /* hidden: where the list toolbar goes */
#define IDC_TOOLS_TOOLBAR_BAR           1216
#define IDC_TOOLS_IN_CONSOLE            1217    /* flag bit 0 */

/* keys page (538) */
#define IDC_KEYS_LIST_LABEL             1000
#define IDC_KEYS_HOTKEY_LABEL           1002
#define IDC_KEYS_TREE                   1007
#define IDC_KEYS_LIST                   1008
#define IDC_KEYS_HOTKEY                 1009
#define IDC_KEYS_ADD                    1010
#define IDC_KEYS_REMOVE                 1011

/* fonts page (540) */
#define IDC_FONT_FACE                   1000
#define IDC_FONT_SAMPLE                 1001
#define IDC_FONT_VALUE                  1004
#define IDC_FONT_BACK                   1195
#define IDC_FONT_CATEGORY               1196
#define IDC_FONT_SIZE                   1197
#define IDC_FONT_FORE                   1199
#define IDC_FONT_BOLD                   1203
#define IDC_FONT_ITALICS                1204
#define IDC_FONT_UNDERLINE              1205

/* window colours page (541) */
#define IDC_COLOURS_TEMPLATE_BACK       1003
#define IDC_COLOURS_SYMBOL_BACK         1004
#define IDC_COLOURS_FIND1_BACK          1006
#define IDC_COLOURS_FIND2_BACK          1007
#define IDC_COLOURS_TEMPLATE_FORE       1008
#define IDC_COLOURS_SYMBOL_FORE         1009
#define IDC_COLOURS_FIND2_FORE          1011
#define IDC_COLOURS_FIND1_FORE          1156

/* update page (542) */
#define IDC_UPDATE_SPIN                 1003
#define IDC_UPDATE_INTERVAL             1191
#define IDC_UPDATE_AT_START             1192
#define IDC_UPDATE_LABEL_AFTER          1193    /* "天检查一次更新。" */
#define IDC_UPDATE_LABEL_BEFORE         1194    /* "每隔" */
#define IDC_UPDATE_CHECK_NOW            1195

/* ---- template edit dialog (2052) */
#define IDD_TEMPLATE_EDIT               2052
#define IDC_TEMPLATE_CONTENT            1003
#define IDC_TEMPLATE_NAME               1004

#endif /* TARNWICK_RESOURCE_H */
