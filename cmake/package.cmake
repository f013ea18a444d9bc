# The Debian package, built by `cpack` in a Release build directory (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sw4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "SW4 developer <dev@sw4.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time two-dimensional gravity simulator")
set(CPACK_PACKAGE_DESCRIPTION
  "A sun and a couple of hundred giant planets, waterworlds, lunar bodies and
asteroids orbit, collide, bond or merge, leave the screen and come back,
each leaving a coloured trail. The one window also holds presets, pattern
layouts, star making, a galactic-rotation experiment with dark matter, moon
formation, orbit records and a pause mode in which any body can be
inspected and edited.

sw4-script runs the same simulation from a script, with no display;
sw4-sweep runs a setup over a grid of values of its fields, several runs
at once, and gathers the outcomes into a table and an HTML gallery.")
# sw4-sweep hands its runs to GNU parallel; sw4-script --video hands its frames to ffmpeg.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "parallel, ffmpeg")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
