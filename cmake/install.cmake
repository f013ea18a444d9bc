# What `cmake --install` puts where: the two programs, the desktop entry, the icon, the AppStream
# metainfo, the manual pages and the package's changelog and copyright.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Names the desktop entry, the icon and the metainfo, and the window's Wayland app id. The domain
# (like the maintainer's address and the screenshots' URLs) is a placeholder until SW4 has a home.
set(SW4_APP_ID org.example.sw4.SW4)
target_compile_definitions(sw4 PRIVATE SW4_APP_ID="${SW4_APP_ID}")

install(TARGETS sw4 sw4-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# sw4-sweep: the front end in bin, its planner in libexec, the gallery's page and chart in share.
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/sw4-sweep DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS sw4-sweep-plan RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/sw4)
install(DIRECTORY ${SW4_GALLERY_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sw4/gallery
  PATTERN stamp EXCLUDE)
install(FILES packaging/${SW4_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${SW4_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sw4)

include(cmake/icon.cmake)

# Manual pages and the changelog go in gzipped at the highest level and without a time stamp.
set(SW4_GZIP_DIR ${CMAKE_CURRENT_BINARY_DIR}/gzipped)
set(SW4_GZIPPED)
foreach(source docs/man/sw4.1 docs/man/sw4-script.1 docs/man/sw4-sweep.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${SW4_GZIP_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${SW4_GZIP_DIR}/${name}
    COMMAND gzip -9nf ${SW4_GZIP_DIR}/${name}
    DEPENDS ${source} VERBATIM)
  list(APPEND SW4_GZIPPED ${SW4_GZIP_DIR}/${name}.gz)
endforeach()
add_custom_target(sw4_gzipped ALL DEPENDS ${SW4_GZIPPED})
install(FILES ${SW4_GZIP_DIR}/sw4.1.gz ${SW4_GZIP_DIR}/sw4-script.1.gz
  ${SW4_GZIP_DIR}/sw4-sweep.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SW4_GZIP_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sw4)

if(SW4_BUILD_TESTS)
  # Installs into a staging root and runs what was staged.
  add_test(NAME staged_install
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_CURRENT_BINARY_DIR}
            -DSTAGE=${CMAKE_CURRENT_BINARY_DIR}/install-stage -DVERSION=${PROJECT_VERSION}
            -DAPP_ID=${SW4_APP_ID} -DSCRIPTS=${CMAKE_CURRENT_SOURCE_DIR}/tests/scripts
            -P ${CMAKE_CURRENT_SOURCE_DIR}/tests/install_test.cmake)
endif()
