#!/usr/bin/env bash
# Sourced by the scripts: a private Wine prefix and, when there is no display, a private X server.
# Sets WINEPREFIX, WINEDEBUG, WINE and DISPLAY; zova_wine_cleanup stops what was started.

: "${WINE:=$(command -v wine64 || echo /usr/lib/wine/wine64)}"
[ -x "$WINE" ] || WINE=/usr/lib/wine/wine64
export WINE
# The wine64 package puts no wineserver on the PATH.
: "${WINESERVER:=$(command -v wineserver || echo /usr/lib/wine/wineserver)}"
export WINESERVER
export WINEDEBUG=-all
export LC_ALL=C.UTF-8   # titles such as "Trelvia®plus" reach Windows programs intact
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko install dialogs in a fresh prefix

zova_xvfb_pid=""

# zova_start_xvfb [WIDTHxHEIGHTxDEPTH]: the screen is 1280x1024x24 unless given.
zova_start_xvfb() {
  local n screen=${1:-1280x1024x24}
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
      zova_xvfb_pid=$!
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free X display number" >&2
  return 1
}

# zova_wine_prefix DIR: use DIR as the prefix, creating it on first use.
zova_wine_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager Wine waits for one each time a framed window hides; unmanaged
    # windows skip that wait.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    "$WINESERVER" -w 2>/dev/null || true
  fi
  zova_wine_fonts
}

# Wine's own fonts (package fonts-wine) into the prefix's Fonts folder. Debian's Wine 8 looks for
# them at "<data dir>\..\fonts", which never resolves, so without this every face the prefix's
# registry names ("MS Sans Serif" = sserife.fon, "MS Shell Dlg" = Tahoma, Marlett for the caption
# buttons) falls back to what fontconfig offers: DejaVu Sans, much wider than the bitmap face the
# window's layout was made for. The Fonts folder is read by every Wine process at start.
zova_wine_fonts() {
  local fonts=/usr/share/wine/fonts
  if ! compgen -G "$fonts/*.fon" >/dev/null; then
    echo "wine-env: no Wine fonts in $fonts (package fonts-wine): texts will be drawn wider" >&2
    return 0
  fi
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -u "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
  zova_wine_central_european_sans_serif
}

# "MS Sans Serif" as its Central European edition (sserifee.fon at 96 dpi, sseriffe.fon at 120):
# the same face with the same metrics, which also has the Polish letters. The Western edition the
# prefix names for an English system lacks Ś, ś and ż, and a bitmap face has no fallback, so the
# Polish texts showed bars. Wine loads a bitmap face only when the registry names it, and with a
# Central European face alone it answers the window's default character set with that face.
zova_wine_central_european_sans_serif() {
  local western key
  western=$(sed -n 's/^"MS Sans Serif"="\(sserif[ef]\)\.fon"$/\1/p' "$WINEPREFIX/system.reg" \
    2>/dev/null | head -n 1)
  [ -n "$western" ] || return 0
  # Wine reads both keys.
  for key in 'Windows NT' Windows; do
    "$WINE" reg add "HKLM\\Software\\Microsoft\\$key\\CurrentVersion\\Fonts" /v 'MS Sans Serif' \
      /d "${western}e.fon" /f >/dev/null 2>&1 || true
  done
}

# zova_wine_dpi DPI: the prefix's display resolution in dots per inch (96 unless set), which
# Wine reports to every program, aware of resolutions or not. Wine reads it when its server
# starts, and the first program after a change registers the bitmap faces of that resolution
# ("MS Sans Serif" = sseriff.fon from 120 dpi up): so the server is let go, a program is run, and
# the Central European face is named again for the new file.
zova_wine_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$WINESERVER" -w 2>/dev/null || true
  "$WINE" reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
    /v 'MS Sans Serif' >/dev/null 2>&1 || true
  # The registry file is written when the server ends.
  "$WINESERVER" -w 2>/dev/null || true
  zova_wine_central_european_sans_serif
}

zova_wine_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && WINEPREFIX="$WINEPREFIX" "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$zova_xvfb_pid" ] && kill "$zova_xvfb_pid" 2>/dev/null || true
}
