# Installs the build into a fresh prefix inside the build tree and checks what a Linux desktop
# looks for there: the program, its help, the desktop entry, the AppStream data, the icons and
# the manual page. Run by CTest: cmake -DBUILD_DIR=... -P check_install.cmake
string(RANDOM LENGTH 10 tag)
set(prefix "${BUILD_DIR}/install-test-${tag}")
set(problems "")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  string(APPEND problems "cmake --install failed\n")
endif()
foreach(f bin/tomaruk share/tomaruk/help/help.htm share/tomaruk/help/help-en.htm
          share/applications/tomaruk.desktop share/metainfo/io.github.tomaruk.Tomaruk.metainfo.xml
          share/man/man6/tomaruk.6 share/icons/hicolor/scalable/apps/tomaruk.svg
          share/icons/hicolor/16x16/apps/tomaruk.png share/icons/hicolor/48x48/apps/tomaruk.png
          share/icons/hicolor/256x256/apps/tomaruk.png)
  if(NOT EXISTS ${prefix}/${f})
    string(APPEND problems "missing ${f}\n")
  endif()
endforeach()
# The desktop entry names the installed icon, and both metadata files pass their validators.
file(STRINGS ${prefix}/share/applications/tomaruk.desktop icon REGEX "^Icon=tomaruk$")
if(NOT icon)
  string(APPEND problems "the desktop entry has no Icon=tomaruk\n")
endif()
foreach(check "desktop-file-validate;${prefix}/share/applications/tomaruk.desktop"
              "appstreamcli;validate;--no-net;${prefix}/share/metainfo/io.github.tomaruk.Tomaruk.metainfo.xml")
  execute_process(COMMAND ${check} OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    string(APPEND problems "${check}: ${rc}\n${out}\n")
  endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
