# The dependencies are built by scripts/deps.sh into a cache outside the tree;
# TARNWICK_DEPS points at its prefix.
set(TARNWICK_DEPS "$ENV{HOME}/.cache/tarnwick/deps" CACHE PATH "prefix of the MinGW-built dependencies")
if(NOT EXISTS "${TARNWICK_DEPS}/deps-ok")
  message(FATAL_ERROR "dependencies missing in ${TARNWICK_DEPS}: run scripts/deps.sh")
endif()

function(tw_import_lib name file)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION "${TARNWICK_DEPS}/lib/${file}")
  target_include_directories(${name} INTERFACE "${TARNWICK_DEPS}/include" ${ARGN})
endfunction()

tw_import_lib(dep_scintilla libscintilla.a "${TARNWICK_DEPS}/include" "${TARNWICK_DEPS}/include/scintilla")
target_link_libraries(dep_scintilla INTERFACE imm32 ole32 oleaut32 uuid gdi32 user32 msimg32 comctl32)
tw_import_lib(dep_lexilla liblexilla.a "${TARNWICK_DEPS}/include/lexilla" "${TARNWICK_DEPS}/include/scintilla")
tw_import_lib(dep_tinyxml libtinyxml.a "${TARNWICK_DEPS}/include/tinyxml")
tw_import_lib(dep_sqlite3 libsqlite3.a "${TARNWICK_DEPS}/include")
tw_import_lib(dep_gtest libgtest.a "${TARNWICK_DEPS}/include")
tw_import_lib(dep_gtest_main libgtest_main.a "${TARNWICK_DEPS}/include")
target_link_libraries(dep_gtest_main INTERFACE dep_gtest)
