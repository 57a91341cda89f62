# Debian packages only the Windows cross build needs, on top of the Linux list in
# scripts/lib/packages.sh. Pass them to ensure_packages.
DALTO_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  binutils-mingw-w64-x86-64
  qt6-base-dev-tools googletest
  xz-utils patch
)
