# Installs the build under /usr in a staging root (DESTDIR), as the package does, and runs what
# was staged: sw4's command line with no display at all, and sw4-script on a driver script.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
  OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
unset(ENV{DESTDIR})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${err}")
endif()

set(usr ${STAGE}/usr)
foreach(file share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/man/man1/sw4.1.gz share/man/man1/sw4-script.1.gz share/doc/sw4/changelog.gz
    bin/sw4-sweep libexec/sw4/sw4-sweep-plan share/man/man1/sw4-sweep.1.gz
    share/sw4/gallery/index.html share/sw4/gallery/gallery.js)
  if(NOT EXISTS ${usr}/${file})
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()

set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
execute_process(COMMAND ${no_display} ${usr}/bin/sw4 --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "sw4 ${VERSION}\n")
  message(SEND_ERROR "sw4 --version: exit status ${rc}, output '${out}'")
endif()
execute_process(COMMAND ${no_display} ${usr}/bin/sw4 --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "--version")
  message(SEND_ERROR "sw4 --help: exit status ${rc}, output '${out}'")
endif()
# A Qt option is left for Qt (here: there is no display), not read as -r -e -v -e ...
execute_process(COMMAND ${no_display} ${usr}/bin/sw4 -reverse OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "")
  message(SEND_ERROR "sw4 -reverse with no display: exit status ${rc}, output '${out}'")
endif()
# A bad setup is refused before any window, so with no display too.
file(WRITE ${STAGE}/bad.sw4 "text TXn 12\nfire Ti 5\n")
execute_process(COMMAND ${no_display} ${usr}/bin/sw4 --setup ${STAGE}/bad.sw4
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "^${STAGE}/bad.sw4, line 2: ")
  message(SEND_ERROR "sw4 --setup with a fire line: exit status ${rc}, message '${err}'")
endif()

execute_process(COMMAND ${usr}/bin/sw4-script ${SCRIPTS}/driver_text.sw4
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
file(READ ${SCRIPTS}/driver_text.out expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(SEND_ERROR "sw4-script driver_text.sw4: exit status ${rc}, output differs:\n${out}")
endif()

# sw4-sweep as installed finds its planner and plans a sweep (running it needs GNU parallel).
file(WRITE ${STAGE}/base.sw4 "text TXn 12\n")
execute_process(COMMAND ${usr}/bin/sw4-sweep --vary "TXg(3)=1,2" --ticks 3 --plan-only
    --out ${STAGE}/sweep ${STAGE}/base.sw4 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${STAGE}/sweep/runs/0002/run.sw4)
  message(SEND_ERROR "sw4-sweep --plan-only: exit status ${rc}: ${err}")
endif()
