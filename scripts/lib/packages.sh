# Debian packages the build, the tests and the program need. Sourced by the
# project's scripts; installs only what dpkg says is missing.

DALTO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev libgl-dev
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libsimpleini-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  socat
  desktop-file-utils appstream man-db dpkg-dev file
  srecord binutils
  libcli11-dev libedit-dev
  clang-14 libclang-rt-14-dev
)

ensure_packages() {
  local missing=()
  local p
  for p in "${DALTO_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "== installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
