# The icon is drawn once as SVG; the PNG sizes a desktop looks for are rendered from it at build
# time, embedded as the window's icon and installed into the hicolor theme with the SVG.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(SW4_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${SW4_APP_ID}.svg)
set(SW4_ICON_PNGS)
foreach(size 48 128 256)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  add_custom_command(OUTPUT ${dir}/${SW4_APP_ID}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/${SW4_APP_ID}.png ${SW4_ICON_SVG}
    DEPENDS ${SW4_ICON_SVG} VERBATIM)
  list(APPEND SW4_ICON_PNGS ${dir}/${SW4_APP_ID}.png)
  install(FILES ${dir}/${SW4_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(sw4_icons DEPENDS ${SW4_ICON_PNGS})
add_dependencies(sw4 sw4_icons)
qt_add_resources(sw4 sw4_icon PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons
  FILES ${SW4_ICON_PNGS})
install(FILES ${SW4_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
