# sw4-sweep: the planner (it knows the form and the driver), the bash front end that runs the plan
# with GNU parallel, and the gallery's page with its chart, which npm brings in at build time
# (tools/sweep/gallery/package-lock.json pins it).
file(GLOB SW4_SWEEP_SOURCES CONFIGURE_DEPENDS tools/sweep/*.cpp)
list(FILTER SW4_SWEEP_SOURCES EXCLUDE REGEX "sw4_sweep_plan\\.cpp$")
add_library(sw4sweep STATIC ${SW4_SWEEP_SOURCES})
target_include_directories(sw4sweep PUBLIC tools)
target_link_libraries(sw4sweep PUBLIC sw4core)
add_executable(sw4-sweep-plan tools/sweep/sw4_sweep_plan.cpp)
target_link_libraries(sw4-sweep-plan PRIVATE sw4sweep)

set(SW4_VERSION ${PROJECT_VERSION})
configure_file(tools/sweep/sw4-sweep ${CMAKE_CURRENT_BINARY_DIR}/sw4-sweep @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                   WORLD_EXECUTE)

set(SW4_GALLERY_DIR ${CMAKE_CURRENT_BINARY_DIR}/gallery)
set(SW4_GALLERY_FILES)
foreach(name index.html gallery.js gallery.css)
  add_custom_command(OUTPUT ${SW4_GALLERY_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/tools/sweep/gallery/${name}
            ${SW4_GALLERY_DIR}/${name}
    DEPENDS tools/sweep/gallery/${name} VERBATIM)
  list(APPEND SW4_GALLERY_FILES ${SW4_GALLERY_DIR}/${name})
endforeach()

# The packages of package-lock.json in build/npm (the browser test's too when the tests are
# built), and the chart copied next to the page. Without npm, or offline, the gallery has no
# plot and says so; the build goes on.
find_program(NPM npm)
set(SW4_NPM_DIR ${CMAKE_CURRENT_BINARY_DIR}/npm)
if(NPM)
  set(omit_dev ON)
  if(SW4_BUILD_TESTS)
    set(omit_dev OFF)
  endif()
  add_custom_command(OUTPUT ${SW4_GALLERY_DIR}/vendor/stamp
    COMMAND ${CMAKE_COMMAND} -DNPM=${NPM} -DSRC=${CMAKE_CURRENT_SOURCE_DIR}/tools/sweep/gallery
            -DWORK=${SW4_NPM_DIR} -DTO=${SW4_GALLERY_DIR}/vendor -DOMIT_DEV=${omit_dev}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/tools/sweep/vendor_chart.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${SW4_GALLERY_DIR}/vendor/stamp
    DEPENDS tools/sweep/gallery/package.json tools/sweep/gallery/package-lock.json
            tools/sweep/vendor_chart.cmake VERBATIM)
  list(APPEND SW4_GALLERY_FILES ${SW4_GALLERY_DIR}/vendor/stamp)
endif()
add_custom_target(sw4_gallery ALL DEPENDS ${SW4_GALLERY_FILES})
