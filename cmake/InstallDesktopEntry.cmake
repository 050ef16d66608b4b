# Run at install time (install(CODE)): writes the desktop entry with the
# game's path under the prefix being installed to, which `cmake --install
# --prefix` or packaging may choose long after configuring.
# In: QUINDLE_ENTRY_IN, QUINDLE_ENTRY_DIR, QUINDLE_ENTRY_NAME, QUINDLE_GAMEDIR
# (the last two relative to the prefix).
set(_path "${CMAKE_INSTALL_PREFIX}/${QUINDLE_GAMEDIR}/quindle")
if(_path MATCHES "[\n\r]")
  message(FATAL_ERROR "cannot name a path with a line break in a desktop entry: ${_path}")
endif()
# Exec= reserves some characters: such a path is double-quoted with " ` $ \
# escaped inside, then every backslash doubled for the value's own escaping;
# a literal % is written %%.
set(QUINDLE_EXEC "${_path}")
if(_path MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" QUINDLE_EXEC "${_path}")
  set(QUINDLE_EXEC "\"${QUINDLE_EXEC}\"")
  string(REPLACE "\\" "\\\\" QUINDLE_EXEC "${QUINDLE_EXEC}")
endif()
string(REPLACE "%" "%%" QUINDLE_EXEC "${QUINDLE_EXEC}")
set(_entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QUINDLE_ENTRY_DIR}/${QUINDLE_ENTRY_NAME}")
message(STATUS "Installing: ${_entry}")
configure_file("${QUINDLE_ENTRY_IN}" "${_entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_entry}")
