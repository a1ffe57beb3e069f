# Sourced by scripts/test and scripts/demo: installs what a fresh Debian machine lacks and sets up
# a private X display and Wine prefix inside build/, so a user's own are never touched.

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVANE_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb x11-utils xdotool imagemagick fonts-wqy-microhei zip unzip locales)
WINE=/usr/lib/wine/wine64

ensure_packages() {
  local missing=()
  for p in "${QUORVANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine names Linux files in the locale's character set: without the glibc locales that the tests
# run under, a file name with Chinese characters cannot be made or opened.
ensure_locales() {
  local locale
  for locale in zh_CN en_US; do
    locale -a 2>/dev/null | grep -qi "^$locale.utf-\?8$" && continue
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  done
}

build_presets() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
  done
}

# A display of our own (Xvfb) unless one is given with QUORVANE_DISPLAY.
start_display() {
  if [ -n "${QUORVANE_DISPLAY:-}" ]; then export DISPLAY=$QUORVANE_DISPLAY; return; fi
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    QUORVANE_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  done
  echo "no X display could be started" >&2
  return 1
}

# The Wine settings every Windows test runs with: code page 936 as on the users' systems.
use_wine() {
  ensure_locales
  export WINEPREFIX="${QUORVANE_WINEPREFIX:-$QUORVANE_ROOT/build/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=zh_CN.UTF-8 2>/dev/null
  if [ ! -f "$WINEPREFIX/.quorvane-ready" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits 2 s for one whenever a window is destroyed.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quorvane-ready"
  fi
  # 宋体 and 黑体 are not on Linux: stand-ins of the same build (half-width Latin in the Song
  # face) keep the forms' captions where they belong, as on a Chinese Windows.
  if [ ! -f "$WINEPREFIX/.quorvane-fonts" ]; then
    local face
    for face in 宋体 SimSun; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
    done
    for face in 黑体 SimHei; do
      "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    touch "$WINEPREFIX/.quorvane-fonts"
  fi
  # Without Marlett in the prefix's own font folder the caption buttons show as the letters "0 1 r".
  local marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # One server for the whole run instead of one per process, and Wine's own background processes
  # started now: started by a test, they would inherit its output pipe and hold ctest up until they end.
  wineserver -p >/dev/null 2>&1 || true
  "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_environment() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${QUORVANE_XVFB_PID:-}" ] && kill "$QUORVANE_XVFB_PID" 2>/dev/null || true
}
