# Shared by the scripts and the tests under Wine: packages, builds, the X display and Wine
# prefixes. Source it from the repository root.

VARDEKO_ROOT=$(pwd)
VARDEKO_NATIVE_BUILD=$VARDEKO_ROOT/out/build/native
VARDEKO_WINDOWS_BUILD=$VARDEKO_ROOT/out/build/windows
VARDEKO_WINDOWS32_BUILD=$VARDEKO_ROOT/out/build/windows32
VARDEKO_JOBS=$(nproc 2>/dev/null || echo 2)

vardeko_say() { printf '== %s\n' "$*"; }

# Ends the script with status 1, saying what failed; what it printed before says why.
vardeko_fail() {
    printf 'scripts/%s: %s\n' "$(basename "$0")" "$*" >&2
    exit 1
}

# The demonstration that scripts/run gives without a display, and the last line it prints.
VARDEKO_DEMO_KEYS='1 2 . 5 * 4 = Input direct Enter 1 2 3 Left Backspace Right + 4'
VARDEKO_DEMO_TEXT='text: "50\r\n13+4"'

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
        cat "$log" >&2
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

# Installs the Debian packages that are missing, with one apt-get update. That takes root: as
# root it runs apt-get itself, otherwise through sudo (asking for the password first, before the
# progress lines start); without sudo it names the packages for an administrator to install.
vardeko_require_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            {
                echo "These Debian packages are missing: ${missing[*]}"
                echo "Installing them takes root, and sudo is not installed. Run this script as"
                echo "root once, or have an administrator run:"
                echo "    apt-get install --no-install-recommends ${missing[*]}"
                [[ " ${missing[*]}" == *:i386* ]] &&
                    echo "after dpkg --add-architecture i386 and apt-get update."
            } >&2
            return 1
        fi
        vardeko_say "installing packages takes root: sudo may ask for your password"
        sudo -v || { echo "sudo refused: the packages cannot be installed" >&2; return 1; }
        sudo=(sudo)
    fi
    vardeko_say "installing ${missing[*]} and what they need"
    if [[ " ${missing[*]}" == *:i386* ]] &&
        ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo[@]}" dpkg --add-architecture i386 ||
            { echo "dpkg could not add the i386 architecture" >&2; return 1; }
    fi
    vardeko_with_progress "package lists" vardeko_no_progress "${sudo[@]}" apt-get update -q ||
        return 1
    vardeko_with_progress "packages" vardeko_install_progress \
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends "${missing[@]}"
}

# Wine and a display server, the same for every script. 32-bit Wine is among them for scripts/run
# too: a 64-bit prefix made before wine32 was installed cannot start 32-bit programs, and would
# have to be made again once scripts/test installed it.
VARDEKO_WINE_PACKAGES=(wine wine64 wine32:i386 fonts-wine xvfb xauth)
# What running the keypad needs: a native compiler for the build-time tools, the cross compiler
# and Wine; the tests add GoogleTest, Google Benchmark and the 32-bit build.
VARDEKO_RUN_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                      "${VARDEKO_WINE_PACKAGES[@]}")

VARDEKO_NATIVE_PACKAGES=(cmake make g++ libgtest-dev libbenchmark-dev)
VARDEKO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
                          "${VARDEKO_WINE_PACKAGES[@]}" openbox x11-utils wixl msitools)
# The 32-bit build, which scripts/test also runs.
VARDEKO_WINDOWS32_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
# What scripts/package needs: the native build-time tools, both cross compilers, wixl and msibuild.
VARDEKO_PACKAGING_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                            g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wixl msitools)
# What the host needs to be shown: a Japanese font for the options dialog, and xdpyinfo to tell
# whether a display can be reached.
VARDEKO_HOST_PACKAGES=(fonts-ipafont-gothic x11-utils)
# The face the options dialog asks for, and the installed font that stands in for it.
VARDEKO_DIALOG_FACE='ＭＳ Ｐゴシック'
VARDEKO_DIALOG_FONT='IPAPGothic'
# The component's registry key, read from the one header that names the CLSID for every program.
VARDEKO_CLSID=$(sed -n 's/^#define VARDEKO_CLSID_TEXT L"\({[-0-9a-f]*}\)"$/\1/p' \
    "$VARDEKO_ROOT/base/identity.h") || VARDEKO_CLSID=
if [ -z "$VARDEKO_CLSID" ]; then
    echo "scripts/lib/common.sh: no line '#define VARDEKO_CLSID_TEXT L\"{...}\"' in base/identity.h," \
        "which names the component's registry key" >&2
    exit 1
fi
VARDEKO_CLSID_KEY="HKEY_CLASSES_ROOT\\CLSID\\$VARDEKO_CLSID"
# Where the floating panel keeps its place.
VARDEKO_HOST_KEY='HKEY_CURRENT_USER\Software\Vardeko\Host'

# reg.exe on the 64-bit component's keys: its registry view, which a 32-bit reg.exe reaches only
# with /reg:64.
vardeko_reg() { vardeko_wine reg "$@" /reg:64; }

# For a script under set -eE: what set -e stops on gets named, inside functions too, with the
# script's line that called the function, so that no step ends the script without a word. What
# fails in a command substitution or a pipeline is named by the command around it, when that stops
# the script.
vardeko_name_stops() {
    trap 'vardeko_stopped=$?
[ "$BASH_SUBSHELL" -ne 0 ] || echo "$0: stopped at ${BASH_SOURCE[0]}:$LINENO${FUNCNAME:+, called at \
${BASH_SOURCE[-1]}:${BASH_LINENO[-2]}} (exit status $vardeko_stopped)" >&2' ERR
}

# Configures (once) and builds the native programs and tests.
vardeko_build_native() {
    cmake -S "$VARDEKO_ROOT" -B "$VARDEKO_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVARDEKO_TESTS=ON "$@" >/dev/null &&
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
        -DCMAKE_BUILD_TYPE=Release -DVARDEKO_TESTS=ON "$@" >/dev/null &&
        cmake --build "$dir" -j "$VARDEKO_JOBS"
}

# Build just what running the keypad needs: the native tools that the Windows build runs (the
# resources' converter and the installer's registry values), then the 64-bit component and host.
# A build directory that scripts/test configured is used as it is (its sanitizers make no
# difference to the tools); a new one gets neither tests nor sanitizers.
vardeko_build_native_tools() {
    local tests=()
    [ -f "$VARDEKO_NATIVE_BUILD/CMakeCache.txt" ] || tests=(-DVARDEKO_TESTS=OFF)
    cmake -S "$VARDEKO_ROOT" -B "$VARDEKO_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${tests[@]}" >/dev/null &&
        cmake --build "$VARDEKO_NATIVE_BUILD" -j "$VARDEKO_JOBS" --target vardeko-bmp4 \
            vardeko-registration-wxi
}

vardeko_build_windows_for_running() {
    vardeko_build_cross_for_running "$VARDEKO_WINDOWS_BUILD" mingw-w64-x86_64
}

# The same for the 32-bit component and host.
vardeko_build_windows32_for_running() {
    vardeko_build_cross_for_running "$VARDEKO_WINDOWS32_BUILD" mingw-w64-i686
}

# Usage: vardeko_build_cross_for_running BUILD_DIR TOOLCHAIN
vardeko_build_cross_for_running() {
    local tests=()
    [ -f "$1/CMakeCache.txt" ] || tests=(-DVARDEKO_TESTS=OFF)
    cmake -S "$VARDEKO_ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$VARDEKO_ROOT/cmake/$2.cmake" \
        -DCMAKE_BUILD_TYPE=Release "${tests[@]}" >/dev/null &&
        cmake --build "$1" -j "$VARDEKO_JOBS" --target vardeko vardeko-host
}

# Runs a command whose output comes line by line (ctest), passing the lines on; when none has
# come for 8 seconds, says that LABEL is still at work. Returns the command's status.
vardeko_with_heartbeat() {
    local label=$1 status_file status
    shift
    status_file=$(mktemp) || { echo "$label: cannot make a temporary file" >&2; return 1; }
    { "$@" 2>&1; echo $? >"$status_file"; } | vardeko_heartbeat "$label"
    status=$(cat "$status_file")
    rm -f "$status_file"
    return "${status:-1}"
}

vardeko_heartbeat() {
    local label=$1 start=$SECONDS line= part
    while :; do
        if IFS= read -r -t 8 part; then
            printf '%s\n' "$line$part"
            line=
        elif [ $? -gt 128 ]; then
            # A line still coming is kept whole.
            line+=$part
            printf '   %s: still at work, %d s\n' "$label" $((SECONDS - start))
        else
            [ -z "$line$part" ] || printf '%s\n' "$line$part"
            return 0
        fi
    done
}

# The installer package and portable zip of one Windows build (after vardeko_build_native_tools).
# A build directory that scripts/test configured is used as it is; a new one gets no tests.
# Usage: vardeko_build_package BUILD_DIR TOOLCHAIN
vardeko_build_package() {
    local dir=$1 toolchain=$2 tests=()
    [ -f "$dir/CMakeCache.txt" ] || tests=(-DVARDEKO_TESTS=OFF)
    cmake -S "$VARDEKO_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$VARDEKO_ROOT/cmake/$toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release "${tests[@]}" >/dev/null &&
        cmake --build "$dir" -j "$VARDEKO_JOBS" --target vardeko-package
}

# Runs one of the build functions with its arguments, showing the compiler's output only when
# the build fails; exits then.
vardeko_build_quietly() {
    local log=$VARDEKO_ROOT/out/build/build.log
    mkdir -p "$VARDEKO_ROOT/out/build"
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "the build ($*) failed; its output is above" >&2
        exit 1
    fi
}

# Starts a private Xvfb server with a screen of $1 (WIDTHxHEIGHT; 1024x768 when not given) and
# exports DISPLAY; vardeko_stop_display ends it. The server picks a free display itself and names
# it (-displayfd): choosing a number that looked free raced with anyone starting a server at the
# same moment, and the loser, finding the winner's socket, went on with the winner's display,
# sharing its windows, focus and pointer. -noreset: an X server resets itself whenever its last
# client leaves, and a client that connects during the reset is refused. Wine programs come and go
# in quick succession, the desktop process among them when a Wine session starts; one refused that
# way cannot load its display driver, and the program that needed the desktop fails to create its
# windows.
vardeko_start_display() {
    local named n= i
    named=$(mktemp) || { echo "cannot make a temporary file for Xvfb" >&2; return 1; }
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$named" >/dev/null 2>&1 &
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
        echo "could not start Xvfb (the X server that stands in for a display)" >&2
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

# An Xvfb that has already ended is no failure: this runs as the scripts end, successful or not.
vardeko_stop_display() {
    if [ -n "${VARDEKO_XVFB_PID:-}" ]; then
        kill "$VARDEKO_XVFB_PID" 2>/dev/null || true
    fi
    VARDEKO_XVFB_PID=
}

# Wine's own messages, which say why a Wine program failed (a display that cannot be opened, a
# DLL that cannot be loaded), come on its error channel. The scripts' Wine steps keep them in a
# log of their own beside the prefix, STEP.log in wine-logs/, and show its end when the step
# fails. VARDEKO_WINEDEBUG adds channels to it.
VARDEKO_WINEDEBUG=${VARDEKO_WINEDEBUG:-err+all,fixme-all}
# Lines that are Wine's, not the program's: "0024:err:module:..." and "wine: ...".
VARDEKO_WINE_LINE='^([0-9a-f]{4}:(err|fixme|warn|trace):|wine: )'

# Runs a Wine program as the step NAME (a word, which names its log): standard output as it
# comes, the program's own messages after it, Wine's in the log. On failure the step is named
# with its exit status, followed by the last lines of the log.
vardeko_wine_step() {
    local name=$1 log status=0
    shift
    log=$VARDEKO_WINE_LOGS/$name.log
    mkdir -p "$VARDEKO_WINE_LOGS" || return 1
    WINEDEBUG=$VARDEKO_WINEDEBUG "$WINELOADER" "$@" 2>"$log" || status=$?
    grep -Ev "$VARDEKO_WINE_LINE" "$log" >&2 || true
    if [ $status -ne 0 ]; then
        vardeko_wine_failed "$name" "$status" "$log"
    fi
    return $status
}

# Names a failed Wine step and shows Wine's last messages in its log.
vardeko_wine_failed() {
    local wine
    wine=$(grep -E "$VARDEKO_WINE_LINE" "$3" | tail -n 20) || true
    {
        echo "$1 failed (exit status $2) in the Wine prefix $WINEPREFIX."
        if [ -n "$wine" ]; then
            echo "Wine's last messages, from $3:"
            printf '%s\n' "$wine" | sed 's/^/    /'
        else
            echo "Wine gave no message of its own (its log: $3)."
        fi
    } >&2
}

# Imports registry lines (after the header) into the running prefix with regedit, through a
# UTF-16 registry file, which does not depend on the locale: the step NAME.
vardeko_import_reg() {
    local name=$1 reg status=0
    shift
    reg=$(mktemp --suffix=.reg) || { echo "$name: cannot make a temporary file" >&2; return 1; }
    {
        printf '\xff\xfe'
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' "$@" | iconv -f UTF-8 -t UTF-16LE
    } >"$reg" || status=1
    [ $status -eq 0 ] && vardeko_wine_step "$name" regedit /S "Z:${reg//\//\\}" || status=$?
    rm -f "$reg"
    return $status
}

# Readies the Wine prefix $1 (made if it is new) and keeps one wineserver running for it until
# vardeko_stop_wine, so that every program started in it skips Wine's start-up. With win32 as $2
# the prefix is a 32-bit one, run by the 32-bit loader. On failure it says what failed.
vardeko_start_wine() {
    export WINEPREFIX=$(realpath -m "$1") WINEDEBUG=-all WINEARCH=${2:-win64}
    VARDEKO_WINE_LOGS=$(dirname "$WINEPREFIX")/wine-logs
    if [ "$WINEARCH" = win32 ]; then
        export WINELOADER=$VARDEKO_WINE32
    else
        export WINELOADER=$VARDEKO_WINE64
    fi
    [ -f "$WINEPREFIX/$VARDEKO_PREFIX_MADE" ] || [ -f "$WINEPREFIX/system.reg" ] ||
        vardeko_create_prefix || return 1
    vardeko_serve_prefix || return 1
    vardeko_prefix_starts && return 0
    # Made by another Wine, or a 64-bit prefix made before wine32 was installed: `wine`, 32-bit
    # programs and the 32-bit reg.exe fail in it with status c0000135. The scripts would manage
    # with the 64-bit loader, but people following the README would not. It is made again, with
    # the keypad's stored state and the floating panel's place carried over.
    {
        echo "the Wine prefix $WINEPREFIX does not start programs; the end of the check's log:"
        tail -n 5 "$VARDEKO_WINE_LOGS/prefix-check.log" | sed 's/^/    /'
    } >&2
    if [ -z "$VARDEKO_WINESERVER_OURS" ]; then
        echo "it is in use by another Wine program: end that program and run this again" >&2
        return 1
    fi
    vardeko_say "making the Wine prefix again, with the keypad's stored state carried over"
    local kept
    kept=$(mktemp -d) || { echo "cannot make a temporary folder" >&2; return 1; }
    vardeko_keep_state "$kept"
    vardeko_stop_wine
    rm -rf "$WINEPREFIX"
    local status=0
    vardeko_create_prefix && vardeko_serve_prefix || status=1
    [ $status -eq 0 ] && vardeko_restore_state "$kept"
    rm -rf "$kept"
    [ $status -eq 0 ] || return 1
    vardeko_prefix_starts || {
        echo "the Wine prefix $WINEPREFIX, made again, still does not start programs" >&2
        return 1
    }
}

# A file in a prefix that was made to the end; a prefix without it and without system.reg was
# interrupted while being made. Prefixes made before the file was written have system.reg.
VARDEKO_PREFIX_MADE=.vardeko-made

# Starts the persistent wineserver of the prefix. One already running (another program of the
# user's in this prefix) serves as well; it is then theirs, and vardeko_stop_wine leaves it.
vardeko_serve_prefix() {
    local status=0
    VARDEKO_WINESERVER_OURS=
    wineserver -p 2>/dev/null || status=$?
    case $status in
    0) VARDEKO_WINESERVER_OURS=1 ;;
    2) vardeko_say "a wineserver already runs for $WINEPREFIX (another Wine program?): using it" ;;
    *)
        echo "wineserver could not be started for $WINEPREFIX (exit status $status)" >&2
        return 1
        ;;
    esac
}

# Whether the running prefix starts programs of its word size and, in a 64-bit prefix with wine32
# installed, 32-bit ones too; a failure's log is kept.
vardeko_prefix_starts() {
    mkdir -p "$VARDEKO_WINE_LOGS" || return 1
    local log=$VARDEKO_WINE_LOGS/prefix-check.log
    WINEDEBUG=$VARDEKO_WINEDEBUG "$WINELOADER" cmd /c exit 0 >"$log" 2>&1 || return 1
    [ "$WINEARCH" = win32 ] || [ ! -x "$VARDEKO_WINE32" ] ||
        WINEDEBUG=$VARDEKO_WINEDEBUG "$VARDEKO_WINE32" cmd /c exit 0 >>"$log" 2>&1
}

# Exports into the folder $1 what the prefix keeps of the keypad's: its class key (pad state
# and options) and the floating panel's place; vardeko_restore_state imports them.
vardeko_keep_state() {
    vardeko_reg export "$VARDEKO_CLSID_KEY" "Z:${1//\//\\}\\keypad.reg" /y >/dev/null 2>&1
    vardeko_reg export "$VARDEKO_HOST_KEY" "Z:${1//\//\\}\\panel.reg" /y >/dev/null 2>&1
    return 0
}

vardeko_restore_state() {
    local part
    for part in "$1"/*.reg; do
        [ -f "$part" ] || continue
        vardeko_wine_step restore-state regedit /S "Z:${part//\//\\}" ||
            echo "what $part held could not be carried over (see above)" >&2
    done
    return 0
}

# Makes the prefix in a folder beside it and moves it into place once everything in it has
# finished: Wine's first start-up (wineboot), then the settings the scripts rely on. An
# interrupted attempt leaves only the folder beside, which the next attempt clears.
vardeko_create_prefix() {
    local prefix=$WINEPREFIX made=$WINEPREFIX.making
    vardeko_say "creating the Wine prefix $prefix"
    rm -rf "$made"
    mkdir -p "$made" || { echo "cannot create $made" >&2; return 1; }
    WINEPREFIX=$made
    local status=0
    vardeko_with_progress "Wine prefix" vardeko_prefix_progress vardeko_boot_prefix || status=1
    # A crashing test must fail, not wait for someone to close Wine's crash dialog. Xvfb runs no
    # window manager, which Wine would wait for at every hidden window.
    [ $status -eq 0 ] && vardeko_import_reg settings \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' || status=1
    [ $status -eq 0 ] && vardeko_install_marlett "$made" || status=1
    # Everything started in the prefix has ended, and the registry is on disk, when the
    # wineserver that served it has exited.
    wineserver -w
    # Whatever is in the way was never made to the end.
    [ $status -eq 0 ] && : >"$made/$VARDEKO_PREFIX_MADE" && rm -rf "$prefix" &&
        mv -T "$made" "$prefix" || status=1
    WINEPREFIX=$prefix
    [ $status -eq 0 ] || echo "the Wine prefix $prefix could not be made (see above)" >&2
    return $status
}

# Wine's first start-up in the new prefix, then the end of every program it started.
vardeko_boot_prefix() {
    local log=$VARDEKO_WINE_LOGS/wineboot.log status=0
    mkdir -p "$VARDEKO_WINE_LOGS" || return 1
    WINEDEBUG=$VARDEKO_WINEDEBUG "$WINELOADER" wineboot -i >"$log" 2>&1 || status=$?
    wineserver -w
    [ $status -eq 0 ] || vardeko_wine_failed wineboot "$status" "$log"
    return $status
}

# Debian's Wine does not find its own Marlett, with which it draws the captions' buttons: the
# prefix in $1 gets a copy.
vardeko_install_marlett() {
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$1/drive_c/windows/Fonts
    [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ] || return 0
    cp "$marlett" "$fonts/" || { echo "cannot copy Marlett into $fonts" >&2; return 1; }
}

# Readies the running Wine prefix for the host: registers the component of this build (every
# time, so that a rebuilt DLL is the one loaded), the 64-bit one unless $1 names the folder of
# another, and makes the options dialog readable. Its face and the face Wine links captions to
# both become the Japanese font. A prefix made before Marlett came with every new one gets it
# here.
vardeko_prepare_host() {
    local dll=${1:-$VARDEKO_ROOT/out/windows/bin}/vardeko.dll
    vardeko_wine_step regsvr32 regsvr32 /s "Z:${dll//\//\\}" ||
        { echo "regsvr32 could not register $dll" >&2; return 1; }
    vardeko_import_reg fonts '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        "\"$VARDEKO_DIALOG_FACE\"=\"$VARDEKO_DIALOG_FONT\"" \
        "\"MS UI Gothic\"=\"$VARDEKO_DIALOG_FONT\"" || return 1
    vardeko_install_marlett "$WINEPREFIX"
}

# Deletes the keypad's stored pad state and options, leaving the registration: the next pad
# window starts as on a first run.
vardeko_clear_settings() {
    local value
    for value in PadType ModeInv ModeHyp Radix EquelToInput InputToClear DirectInEx DirectOutEx; do
        vardeko_reg delete "$VARDEKO_CLSID_KEY" /v "$value" /f >/dev/null 2>&1 || true
    done
}

# Ends the prefix's wineserver and every program in it, and waits until they are gone; a server
# that was running before vardeko_start_wine (another program of the user's) is left alone.
vardeko_stop_wine() {
    [ -n "${VARDEKO_WINESERVER_OURS:-}" ] || return 0
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    VARDEKO_WINESERVER_OURS=
}
