# Shared by scripts/run and scripts/test: install what the build needs, then build.
# Debian packages only; run as root (or with sudo) on a fresh machine.

CESUAN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CESUAN_BUILD="${CESUAN_BUILD:-$CESUAN_ROOT/build}"

CESUAN_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev          # QtCore for the core, Widgets and PrintSupport for the window
  libgtest-dev          # GoogleTest
  libbenchmark-dev      # Google Benchmark
  libmpfr-dev           # MPFR: wide numbers, the check behind every result's reliable digits
  libboost-dev          # Boost.Multiprecision, the exact oracle of the tests and a benchmark peer
  fonts-noto-cjk        # Noto Sans Mono CJK SC: a Chinese character two columns wide keeps results aligned
  libqt6svg6            # the SVG image and icon plugins: the application icon app/cesuan.svg
  qt6-svg-dev           # Qt SVG: the pictures beside the results saved as SVG
  qt6-translations-l10n # Qt's own texts (context menus, dialog buttons) in Chinese
  libproj-dev           # PROJ: an independent check of the projections in the tests and a peer in the benchmark
  proj-bin              # cs2cs: PROJ's command line, the peer of cesuan-cli coord in scripts/bench-coord
  libeigen3-dev         # Eigen: least squares and linear algebra
  libgeographiclib-dev  # GeographicLib: geodesics, and a check of the Cartesian conversions in the tests
  geographiclib-tools   # GeodSolve: published geodesic values for the tests
)

ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; return 1; }
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_release() {
  cmake -S "$CESUAN_ROOT" -B "$CESUAN_BUILD" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$CESUAN_BUILD" -j"$(nproc)"
}
