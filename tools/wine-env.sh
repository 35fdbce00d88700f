# Sourced by ./run, ./test and tools/wine-exec: the one Wine harness.
# A private prefix under build/, made once and reused; a virtual X server on a
# free display; Wine's virtual desktop so that frames are drawn; GBK code page.
ORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${ORV_WINEPREFIX:-$ORV_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# This machine's kernel runs no 32-bit code, so the tests run the x86_64 build of
# the same sources under 64-bit Wine.
export WINEARCH=win64
ORV_WINE="${ORV_WINE:-/usr/lib/wine/wine64}"
export ORV_WINE
ORV_DESKTOP_SIZE="${ORV_DESKTOP_SIZE:-1024x768}"

# A Unix path as Windows programs see it.
orv_winpath() { "$ORV_WINE" winepath -w "$1" 2>/dev/null; }

orv_prefix_ready() { [ -f "$WINEPREFIX/.orvanta-ready" ]; }

# Registry settings for the prefix: every program runs in the virtual desktop
# "Default", and the fonts the window asks for map to the installed CJK font.
orv_prefix_init() {
  orv_prefix_ready && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$ORV_WINE" wineboot -i >/dev/null 2>&1 || return 1
  local reg
  reg="$(mktemp --suffix=.reg)"
  cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$ORV_DESKTOP_SIZE"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"微软雅黑"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"mscoree"=""
"mshtml"=""
REG
  iconv -f UTF-8 -t GBK "$reg" >"$reg.gbk" || return 1
  "$ORV_WINE" regedit /S "$(orv_winpath "$reg.gbk")" >/dev/null 2>&1 || return 1
  "${ORV_WINE%/*}/wineserver" -w
  rm -f "$reg" "$reg.gbk"
  touch "$WINEPREFIX/.orvanta-ready"
}

# Starts Xvfb on a free display unless one of ours is already up.
orv_x_up() {
  if [ -n "${ORV_XVFB_PID:-}" ] && kill -0 "$ORV_XVFB_PID" 2>/dev/null; then return 0; fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${ORV_DESKTOP_SIZE}x24" -nolisten tcp >/dev/null 2>&1 &
  ORV_XVFB_PID=$!
  export ORV_XVFB_PID DISPLAY=":$n"
  local i
  for i in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.05
  done
  echo "harness: Xvfb did not start on :$n" >&2
  return 1
}

orv_harness_up() {
  orv_x_up || return 1
  "${ORV_WINE%/*}/wineserver" -k >/dev/null 2>&1
  orv_prefix_init || { echo "harness: the Wine prefix could not be made" >&2; return 1; }
  export ORV_HARNESS_UP=1
}

orv_harness_down() {
  "${ORV_WINE%/*}/wineserver" -k >/dev/null 2>&1
  if [ -n "${ORV_XVFB_PID:-}" ]; then
    kill "$ORV_XVFB_PID" 2>/dev/null
    wait "$ORV_XVFB_PID" 2>/dev/null
  fi
  unset ORV_XVFB_PID ORV_HARNESS_UP
}
