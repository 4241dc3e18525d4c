# Shared by scripts/run and scripts/test: install what is missing, then build.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
          libbenchmark-dev xvfb xauth fonts-dejavu-core fonts-liberation
          qt6-translations-l10n)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

program_folder() {
  if [ -n "${STOOTPLANNER_HOME:-}" ]; then
    echo "$STOOTPLANNER_HOME"
  else
    echo "${XDG_DATA_HOME:-$HOME/.local/share}/Stootplanner"
  fi
}
