# Installs the packages that tools/sweep/gallery/package-lock.json pins into WORK with `npm ci`
# (without the browser test's when OMIT_DEV is set), and copies the chart's browser build and its
# licence into TO. When npm fails (offline) it warns and the gallery has no chart.
file(MAKE_DIRECTORY ${WORK} ${TO})
file(COPY ${SRC}/package.json ${SRC}/package-lock.json DESTINATION ${WORK})
set(omit)
if(OMIT_DEV)
  set(omit --omit=dev)
endif()
execute_process(COMMAND ${NPM} ci --ignore-scripts --no-audit --no-fund --loglevel=error ${omit}
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
set(chart ${WORK}/node_modules/chart.js)
if(rc EQUAL 0 AND EXISTS ${chart}/dist/chart.umd.min.js)
  file(COPY ${chart}/dist/chart.umd.min.js DESTINATION ${TO})
  file(COPY_FILE ${chart}/LICENSE.md ${TO}/chart.js-LICENSE.md)
else()
  message(WARNING "sw4-sweep: npm ci failed (${rc}): the gallery gets no chart")
endif()
