# Installs the build into scratch prefixes and checks what a desktop start
# needs: the game, its cues and clip, the clip module, the sound process,
# the entry naming the game where it was actually installed, the icons,
# listing and manual.
function(install_to prefix destdir)
  set(ENV{DESTDIR} "${destdir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
    RESULT_VARIABLE rc OUTPUT_QUIET)
  unset(ENV{DESTDIR})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install to ${prefix} (DESTDIR '${destdir}') failed: ${rc}")
  endif()
endfunction()

function(check_tree root exec)
  set(files games/quindle libexec/quindle/quindle_cues share/metainfo/org.quindle.quindle.metainfo.xml
      share/icons/hicolor/scalable/apps/quindle.svg share/man/man6/quindle.6.gz
      share/doc/quindle/copyright share/doc/quindle/changelog.gz)
  foreach(cue ${GAME_FILES})
    list(APPEND files share/quindle/${cue})
  endforeach()
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/quindle.png)
  endforeach()
  foreach(f ${files})
    if(NOT EXISTS "${root}/${f}")
      message(FATAL_ERROR "not installed: ${root}/${f}")
    endif()
  endforeach()
  file(GLOB_RECURSE module "${root}/lib*/quindle_clip.so")
  if(NOT module)
    message(FATAL_ERROR "clip module not installed in ${root}")
  endif()
  set(entry_file "${root}/share/applications/org.quindle.quindle.desktop")
  file(READ "${entry_file}" entry)
  string(FIND "${entry}" "\nExec=${exec}\n" at)
  if(at EQUAL -1 OR NOT entry MATCHES "\nIcon=quindle\n" OR entry MATCHES "@")
    message(FATAL_ERROR "desktop entry without Exec=${exec}:\n${entry}")
  endif()
  execute_process(COMMAND desktop-file-validate "${entry_file}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endfunction()

# Straight into a prefix chosen at install time, not the configured one.
file(REMOVE_RECURSE "${SCRATCH}")
install_to("${SCRATCH}/prefix" "")
check_tree("${SCRATCH}/prefix" "${SCRATCH}/prefix/games/quindle")
# Staged, as packaging does: files under DESTDIR, the entry names the prefix.
install_to("/opt/quindle-check" "${SCRATCH}/stage")
check_tree("${SCRATCH}/stage/opt/quindle-check" "/opt/quindle-check/games/quindle")
if(EXISTS "/opt/quindle-check")
  message(FATAL_ERROR "a staged install wrote outside DESTDIR")
endif()
# A prefix the entry can only name quoted.
install_to("${SCRATCH}/my games" "")
check_tree("${SCRATCH}/my games" "\"${SCRATCH}/my games/games/quindle\"")
file(REMOVE_RECURSE "${SCRATCH}")
