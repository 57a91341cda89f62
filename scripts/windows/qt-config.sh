# What Qt for Windows is built from and with, and where it is cached. Sourced by
# build-qt, which builds it, and by build, which builds against it. Any change
# here, to the patches, the checksums or the toolchain file names a new cache
# folder, so a machine never builds against a Qt made with other options.

DALTO_QT_VERSION=6.4.2
DALTO_WINDOWS_TOOLCHAIN="$DALTO_ROOT/cmake/mingw-w64-x86_64.cmake"
DALTO_QT_SUMS="$DALTO_ROOT/scripts/windows/qt-sources.sha256"
DALTO_QT_PATCHES="$DALTO_ROOT/scripts/windows/qt-patches"

# Debian's host tools (moc, rcc, uic, ...) drive the cross build.
DALTO_QT_HOST_OPTIONS=(
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)

# Module name and source tarball, in build order.
DALTO_QT_MODULES=(
  "qtbase qt6-base_${DALTO_QT_VERSION}+dfsg.orig.tar.xz"
  "qtserialport qtserialport-everywhere-src-${DALTO_QT_VERSION}.tar.xz"
  "qtsvg qtsvg-everywhere-src-${DALTO_QT_VERSION}.tar.xz"
  "qtcharts qtcharts-everywhere-src-${DALTO_QT_VERSION}.tar.xz"
)

# Core, Gui, Widgets, Network and Test as shared Release libraries, without
# what the programs do not use. Debian's +dfsg tarball lacks the Wintab header
# that tablet events need.
DALTO_QTBASE_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_opengl=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF
)

DALTO_QT_MODULE_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
)

dalto_qt_options_hash() {
  {
    printf '%s\n' "$DALTO_QT_VERSION" "${DALTO_QT_HOST_OPTIONS[@]}" "${DALTO_QT_MODULES[@]}" \
      "${DALTO_QTBASE_OPTIONS[@]}" "${DALTO_QT_MODULE_OPTIONS[@]}"
    cat "$DALTO_WINDOWS_TOOLCHAIN" "$DALTO_QT_SUMS"
    find "$DALTO_QT_PATCHES" -type f -name '*.patch' | LC_ALL=C sort | xargs -r cat
  } | sha256sum | cut -c1-12
}

DALTO_QT_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/dalto-panel"
DALTO_WINDOWS_QT="$DALTO_QT_CACHE/qt-${DALTO_QT_VERSION}-mingw-$(dalto_qt_options_hash)"
# Written last: a folder without it is an interrupted build, not a Qt.
DALTO_WINDOWS_QT_DONE="$DALTO_WINDOWS_QT/dalto-qt-complete"
