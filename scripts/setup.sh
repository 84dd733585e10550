#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program's run need.
# Idempotent: when everything is there it returns at once without touching apt.
arch_asked="${KOCFG_WINE_ARCH:-}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
SUDO=""; [ "$(id -u)" = 0 ] || SUDO="sudo"

# A Debian mirror caught mid-sync answers one index with the wrong size and fails the whole
# update; a few tries a little apart ride it out. Should an index stay stale, the install
# is still tried with the lists that did arrive, and only its own failure stops the set-up.
apt_update() {
  local try
  for try in 1 2 3; do
    $SUDO apt-get update -q && return 0
    log "apt-get update failed (try $try)"
    [ "$try" = 3 ] || sleep 5
  done
  log "apt-get update kept failing; installing from the package lists there are"
}
# Another apt run (a second checkout's set-up) holds the lock for minutes: wait for it.
apt_install() { # packages...
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "$@"
}

PACKAGES=(
  cmake make g++ clang libclang-rt-14-dev googletest ccache
  g++-mingw-w64-i686-posix mingw-w64-i686-dev
  wine wine32:i386 fonts-wine
  xvfb xauth x11-utils xdotool imagemagick
  libcairo2-dev fonts-dejavu-core libjpeg62-turbo-dev
  nsis fp-utils fonts-wqy-microhei locales
)
# Where the kernel cannot run 32-bit code, 32-bit Wine is of no use: the Wine tiers run a
# 64-bit build (common.sh), and the i386 packages are not even asked for.
# After a mirror refused the i386 packages, later set-ups leave them out for a day instead of
# asking the mirror again each run.
NO_I386_MARK="$HOME/.cache/kocfg/i386-packages-unavailable"
if ! kernel_runs_32bit_code || [ -n "$(find "$NO_I386_MARK" -mmin -1440 2>/dev/null)" ]; then
  PACKAGES=("${PACKAGES[@]/wine32:i386/}")
  PACKAGES+=(wine64 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  [ -n "$p" ] || continue  # a package left out above
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  log "installing: ${missing[*]}"
  if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  apt_update
  if ! apt_install "${missing[@]}"; then
    # 32-bit Wine's packages need a matching i386 index; with that one broken on the mirror the
    # rest still installs, and the scripts fall back to the 64-bit Wine tiers.
    rest=("${missing[@]/*:i386/}")
    log "installing without the i386 packages; the Wine tiers will run the 64-bit build"
    mkdir -p "$(dirname "$NO_I386_MARK")" && touch "$NO_I386_MARK"
    apt_install "${rest[@]}" wine64 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev || exit 1
  fi
fi

# A machine that cannot run 32-bit Wine needs the 64-bit Windows build and 64-bit Wine for every
# Wine run (see common.sh); the choice is made again now that Wine is installed.
if ! machine_runs_32bit_wine; then
  missing=()
  for p in wine64 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "32-bit Wine cannot run here: installing ${missing[*]} for the 64-bit test build"
    apt_install "${missing[@]}"
  fi
fi
KOCFG_WINE_ARCH="$arch_asked"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The Wine prefix: made once, then reused.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  log "creating Wine prefix at $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi

# A 64-bit prefix does not register Wine's own Tahoma, the skin's face, and would draw every
# word in a wider fallback face: the prefix gets the font files themselves.
if [ "$KOCFG_WINE_ARCH" = win64 ]; then
  for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    target="$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")"
    [ ! -f "$font" ] || [ -f "$target" ] || { mkdir -p "$(dirname "$target")"; cp "$font" "$target"; }
  done
fi

# The Chinese system's code page (936) under Wine comes from the locale: the tests of text in
# ANSI files start Wine with LC_ALL=zh_CN.UTF-8.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  log "generating the zh_CN.UTF-8 locale"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || true
fi

# The Chinese language file names the Chinese interface font of Windows; under Wine that
# face and the fallback faces Wine links for CJK text in system dialogs are replaced by the
# installed CJK font. Written once: the marker value says the prefix has it.
CJK_FONT="WenQuanYi Micro Hei"
if ! grep -q '"Microsoft YaHei"="WenQuanYi Micro Hei"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  log "Wine font replacements for the Chinese interface"
  for face in "Microsoft YaHei" "微软雅黑" "SimSun" "宋体" "NSimSun"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "$CJK_FONT" /f >/dev/null 2>&1 || true
  done
  wineserver -w || true
fi
