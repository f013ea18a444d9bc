#!/usr/bin/env bash
# Builds the Debian package (Release, into build-package/) and checks it: desktop-file-validate on
# the desktop entry, appstreamcli on the metainfo, lintian on the .deb. A check fails on an error
# or a warning. Ends with one summary line; exits non-zero when the build or a check fails.
#
#   bash scripts/package.sh        ->  build-package/sw4_VERSION_amd64.deb
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
# Debian's hardening flags (fortified functions, full RELRO with immediate binding); the build
# type's -O3 still follows their -O2.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSW4_BUILD_TESTS=OFF -DSW4_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null || exit 1
cmake --build build-package --target sw4 sw4-script sw4-sweep-plan sw4_gallery sw4_gzipped || exit 1
rm -f build-package/sw4_*.deb
(cd build-package && cpack >/dev/null) || exit 1
deb=$(ls build-package/sw4_*.deb)
echo "package: $deb"

passed=0
failed=0
check() {
  echo "== package: $*"
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}
check desktop-file-validate packaging/*.desktop
check appstreamcli validate --no-net packaging/*.metainfo.xml
check lintian --allow-root --fail-on error,warning "$deb"
echo "package: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
