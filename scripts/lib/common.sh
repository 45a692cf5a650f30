# Shared by scripts/test and scripts/run: packages, builds, the X display and Wine prefixes.
# Source it from the repository root.

VARDEKO_ROOT=$(pwd)
VARDEKO_NATIVE_BUILD=$VARDEKO_ROOT/out/build/native
VARDEKO_WINDOWS_BUILD=$VARDEKO_ROOT/out/build/windows
VARDEKO_WINDOWS32_BUILD=$VARDEKO_ROOT/out/build/windows32
VARDEKO_JOBS=$(nproc 2>/dev/null || echo 2)

vardeko_say() { printf '== %s\n' "$*"; }

# Programs run through the Wine loader of their word size itself, 64-bit unless
# vardeko_start_wine readies a 32-bit prefix: once wine32 is installed, `wine` starts the 32-bit
# loader, which cannot start programs in a 64-bit prefix made before it came, and whose reg.exe
# sees the 32-bit registry view.
VARDEKO_WINE64=/usr/lib/wine/wine64
VARDEKO_WINE32=/usr/lib/wine/wine
export WINELOADER=$VARDEKO_WINE64
vardeko_wine() { "$WINELOADER" "$@"; }

# Runs a long step (the command after LABEL and PROGRESS) with its output in a log, and every few
# seconds, at least every 10, prints LABEL, what the function PROGRESS makes of the log so far and
# the time taken. On failure it names the step and shows the log, and returns the step's status.
# Safe under `set -e`: neither the step nor the progress reader can end the calling script.
vardeko_with_progress() {
    local label=$1 progress=$2
    shift 2
    local log start=$SECONDS shown=$SECONDS last= now status=0
    log=$(mktemp) || { echo "$label: cannot make a temporary file" >&2; return 1; }
    "$@" >"$log" 2>&1 &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        sleep 1
        now=$("$progress" "$log") || now=
        if { [ "$now" != "$last" ] && [ $((SECONDS - shown)) -ge 3 ]; } ||
            [ $((SECONDS - shown)) -ge 8 ]; then
            printf '   %s: %s, %d s\n' "$label" "${now:-working}" $((SECONDS - start))
            last=$now
            shown=$SECONDS
        fi
    done
    wait "$pid" || status=$?
    if [ $status -ne 0 ]; then
        cat "$log"
        echo "$label failed (exit status $status); its output is above" >&2
    fi
    rm -f "$log"
    return $status
}

# Progress readers for vardeko_with_progress, each given the log. They never fail, whatever the
# log holds so far (nothing at all, at first), and what they report never goes backwards.
vardeko_no_progress() { :; }
# The highest percentage make has printed: make numbers the steps of each target it builds, so
# with several targets, or two jobs at once, a later line may show less than an earlier one.
vardeko_build_progress() {
    sed -n 's/^\[ *\([0-9]*\)%\].*/\1/p' "$1" | sort -n | tail -n 1 | sed 's/$/%/'
}
vardeko_install_progress() {
    local total fetched unpacked done
    total=$(sed -n 's/^\([0-9]*\) upgraded, \([0-9]*\) newly installed.*/\2/p' "$1")
    fetched=$(grep -c '^Get:' "$1") || true
    unpacked=$(grep -c '^Unpacking ' "$1") || true
    done=$(grep -c '^Setting up ' "$1") || true
    if [ -n "$total" ]; then
        echo "of $total packages $fetched fetched, $unpacked unpacked, $done set up"
    fi
}
vardeko_prefix_progress() { echo "$(du -sm "$WINEPREFIX" 2>/dev/null | cut -f1) MB written"; }

# Installs the Debian packages that are missing, with one apt-get update.
vardeko_require_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    vardeko_say "installing ${missing[*]} and what they need"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    if [[ " ${missing[*]}" == *:i386* ]] &&
        ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    vardeko_with_progress "package lists" vardeko_no_progress $sudo apt-get update -q || return 1
    vardeko_with_progress "packages" vardeko_install_progress \
        env DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# What running the keypad needs: a native compiler for the build-time tools, the cross compiler,
# Wine and a display server; the tests add GoogleTest, Google Benchmark and the 32-bit build.
VARDEKO_RUN_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                      wine wine64 fonts-wine xvfb xauth)

VARDEKO_NATIVE_PACKAGES=(cmake make g++ libgtest-dev libbenchmark-dev)
VARDEKO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
                          wine wine64 fonts-wine xvfb xauth)
# The 32-bit build and 32-bit Wine, which scripts/test also runs.
VARDEKO_WINDOWS32_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine32:i386)
# What the host needs to be shown: a Japanese font for the options dialog, and xdpyinfo to tell
# whether a display can be reached.
VARDEKO_HOST_PACKAGES=(fonts-ipafont-gothic x11-utils)
# The face the options dialog asks for, and the installed font that stands in for it.
VARDEKO_DIALOG_FACE='ＭＳ Ｐゴシック'
VARDEKO_DIALOG_FONT='IPAPGothic'
VARDEKO_CLSID_KEY='HKEY_CLASSES_ROOT\CLSID\{3b9e5f12-6a47-41d0-8c2e-7d15a0b4e963}'

# reg.exe on the 64-bit component's keys: its registry view, which a 32-bit reg.exe reaches only
# with /reg:64.
vardeko_reg() { vardeko_wine reg "$@" /reg:64; }

# Configures (once) and builds the native programs and tests.
vardeko_build_native() {
    cmake -S "$VARDEKO_ROOT" -B "$VARDEKO_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVARDEKO_TESTS=ON "$@" >/dev/null
    cmake --build "$VARDEKO_NATIVE_BUILD" -j "$VARDEKO_JOBS"
}

# Configures (once) and builds the 64-bit Windows DLL, programs and tests.
vardeko_build_windows() {
    vardeko_build_cross "$VARDEKO_WINDOWS_BUILD" mingw-w64-x86_64 "$@"
}

# The same for the 32-bit Windows build.
vardeko_build_windows32() {
    vardeko_build_cross "$VARDEKO_WINDOWS32_BUILD" mingw-w64-i686 "$@"
}

# Usage: vardeko_build_cross BUILD_DIR TOOLCHAIN [CMAKE_ARG...]
vardeko_build_cross() {
    local dir=$1 toolchain=$2
    shift 2
    cmake -S "$VARDEKO_ROOT" -B "$dir" \
        -DCMAKE_TOOLCHAIN_FILE="$VARDEKO_ROOT/cmake/$toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DVARDEKO_TESTS=ON "$@" >/dev/null
    cmake --build "$dir" -j "$VARDEKO_JOBS"
}

# Build just what running the keypad needs: the native converter that the resources need, then
# the 64-bit component and host. A build directory that scripts/test configured is used as it is
# (its sanitizers make no difference to the converter); a new one gets neither tests nor
# sanitizers.
vardeko_build_native_tools() {
    local tests=()
    [ -f "$VARDEKO_NATIVE_BUILD/CMakeCache.txt" ] || tests=(-DVARDEKO_TESTS=OFF)
    cmake -S "$VARDEKO_ROOT" -B "$VARDEKO_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${tests[@]}" >/dev/null &&
        cmake --build "$VARDEKO_NATIVE_BUILD" -j "$VARDEKO_JOBS" --target vardeko-bmp4
}

vardeko_build_windows_for_running() {
    local tests=()
    [ -f "$VARDEKO_WINDOWS_BUILD/CMakeCache.txt" ] || tests=(-DVARDEKO_TESTS=OFF)
    cmake -S "$VARDEKO_ROOT" -B "$VARDEKO_WINDOWS_BUILD" \
        -DCMAKE_TOOLCHAIN_FILE="$VARDEKO_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release "${tests[@]}" >/dev/null &&
        cmake --build "$VARDEKO_WINDOWS_BUILD" -j "$VARDEKO_JOBS" --target vardeko vardeko-host
}

# Runs one of the build functions with its arguments, showing the compiler's output only when
# the build fails; exits then.
vardeko_build_quietly() {
    local log=$VARDEKO_ROOT/out/build/build.log
    mkdir -p "$VARDEKO_ROOT/out/build"
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
}

# Starts a private Xvfb server and exports DISPLAY; vardeko_stop_display ends it. The server picks
# a free display itself and names it (-displayfd): choosing a number that looked free raced with
# anyone starting a server at the same moment, and the loser, finding the winner's socket, went
# on with the winner's display, sharing its windows, focus and pointer. -noreset: an X server
# resets itself whenever its last client leaves, and a client that connects during the reset is
# refused. Wine programs come and go in quick succession, the desktop process among them when a
# Wine session starts; one refused that way cannot load its display driver, and the program that
# needed the desktop fails to create its windows.
vardeko_start_display() {
    local named n= i
    named=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$named" >/dev/null 2>&1 &
    VARDEKO_XVFB_PID=$!
    for i in $(seq 1 100); do
        if [ "$(wc -l <"$named")" -gt 0 ]; then
            n=$(head -1 "$named")
            break
        fi
        kill -0 "$VARDEKO_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$named"
    if [ -z "$n" ]; then
        echo "could not start Xvfb" >&2
        vardeko_stop_display
        return 1
    fi
    export DISPLAY=":$n"
}

# Waits up to $2 seconds until a window of the Windows program $1 is shown on the X display.
vardeko_wait_window() {
    local i id
    for i in $(seq 1 $(($2 * 5))); do
        for id in $(xwininfo -root -tree 2>/dev/null | sed -n "s/^ *\(0x[0-9a-f]*\) .*(\"$1\" .*/\1/p"); do
            xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && return 0
        done
        sleep 0.2
    done
    return 1
}

vardeko_stop_display() {
    [ -n "${VARDEKO_XVFB_PID:-}" ] && kill "$VARDEKO_XVFB_PID" 2>/dev/null
    VARDEKO_XVFB_PID=
}

# Creates the Wine prefix $1 if it is new, and keeps one wineserver running for it until
# vardeko_stop_wine, so that every program started in it skips Wine's start-up. With win32 as $2
# the prefix is a 32-bit one, run by the 32-bit loader. A prefix that does not start programs
# (made by another Wine, or before wine32 was installed) is made again: the scripts would manage
# with the 64-bit loader, but `wine`, 32-bit programs and the 32-bit reg.exe would fail in it with
# status c0000135.
vardeko_start_wine() {
    export WINEPREFIX=$(realpath -m "$1") WINEDEBUG=-all WINEARCH=${2:-win64}
    if [ "$WINEARCH" = win32 ]; then
        export WINELOADER=$VARDEKO_WINE32
    else
        export WINELOADER=$VARDEKO_WINE64
    fi
    [ -f "$WINEPREFIX/system.reg" ] || vardeko_create_prefix
    # A server already running for the prefix (another program of the user's) serves as well.
    wineserver -p 2>/dev/null || true
    if ! vardeko_prefix_starts; then
        vardeko_say "the Wine prefix $WINEPREFIX does not start programs: making it again"
        vardeko_stop_wine
        rm -rf "$WINEPREFIX"
        vardeko_create_prefix
        wineserver -p 2>/dev/null || true
        vardeko_prefix_starts || return 1
    fi
}

# Whether the running prefix starts programs of its word size and, in a 64-bit prefix with wine32
# installed, 32-bit ones too.
vardeko_prefix_starts() {
    vardeko_wine cmd /c exit 0 >/dev/null 2>&1 || return 1
    [ "$WINEARCH" = win32 ] || [ ! -x "$VARDEKO_WINE32" ] ||
        "$VARDEKO_WINE32" cmd /c exit 0 >/dev/null 2>&1
}

vardeko_create_prefix() {
    vardeko_say "creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    vardeko_with_progress "Wine prefix" vardeko_prefix_progress vardeko_boot_prefix
    # A crashing test must fail, not wait for someone to close Wine's crash dialog.
    vardeko_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Xvfb runs no window manager, which Wine would wait for at every hidden window.
    vardeko_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

vardeko_boot_prefix() {
    vardeko_wine wineboot -i
    wineserver -w
}

# Readies the running Wine prefix for the host: registers the component of this build (every
# time, so that a rebuilt DLL is the one loaded) and makes the options dialog readable. Its face
# and the face Wine links captions to both become the Japanese font; the mapping goes through a
# UTF-16 registry file, which does not depend on the locale. Debian's Wine does not find its own
# Marlett, which draws the caption buttons, so the prefix gets a copy.
vardeko_prepare_host() {
    local dll reg status
    dll=$(vardeko_wine winepath -w "$VARDEKO_ROOT/out/windows/bin/vardeko.dll")
    vardeko_wine regsvr32 /s "$dll" || { echo "regsvr32 could not register $dll" >&2; return 1; }
    reg=$(mktemp --suffix=.reg)
    {
        printf '\xff\xfe'
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
            '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            "\"$VARDEKO_DIALOG_FACE\"=\"$VARDEKO_DIALOG_FONT\"" \
            "\"MS UI Gothic\"=\"$VARDEKO_DIALOG_FONT\"" | iconv -f UTF-8 -t UTF-16LE
    } >"$reg"
    vardeko_wine regedit /S "$(vardeko_wine winepath -w "$reg")"
    status=$?
    rm -f "$reg"
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ] && cp "$marlett" "$fonts/"
    return $status
}

# Deletes the keypad's stored pad state and options, leaving the registration: the next pad
# window starts as on a first run.
vardeko_clear_settings() {
    local value
    for value in PadType ModeInv ModeHyp Radix EquelToInput InputToClear DirectInEx DirectOutEx; do
        vardeko_reg delete "$VARDEKO_CLSID_KEY" /v "$value" /f >/dev/null 2>&1 || true
    done
}

vardeko_stop_wine() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
