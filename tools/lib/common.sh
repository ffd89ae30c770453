# The procedures that the project's scripts share: messages, stopping a process
# of our own, bounded waits, root, a virtual display, configuring and building
# a tree. Sourced; PROG names the script in its messages.

# shellcheck shell=bash

: "${PROG:=$(basename "$0")}"
# The project's folder.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

say()
{
    echo "$PROG: $*"
}

warn()
{
    echo "$PROG: $*" >&2
}

die()
{
    warn "$*"
    exit 1
}

# The state letter of a process (R, S, D, Z...), nothing when it is gone.
process_state()
{
    local stat=
    # The file has no final newline, so read reports end of file: look at what it read.
    { read -r stat <"/proc/$1/stat" || [ -n "$stat" ]; } 2>/dev/null || return 0
    stat=${stat##*) }
    echo "${stat%% *}"
}

# True while the process lives and is not a zombie waiting to be reaped.
is_running()
{
    local state
    state=$(process_state "$1")
    [ -n "$state" ] && [ "$state" != Z ]
}

# stop_process PID NAME [LIMIT]: stops one process of our own: TERM, up to
# LIMIT seconds (5), then KILL and a short wait.
stop_process()
{
    local pid=$1 name=$2 limit=${3:-5} tick
    [ -n "$pid" ] || return 0
    if is_running "$pid"; then
        kill -TERM "$pid" 2>/dev/null || true
        for ((tick = 0; tick < limit * 10; tick++)); do
            is_running "$pid" || break
            sleep 0.1
        done
        if is_running "$pid"; then
            warn "$name (pid $pid) did not stop, killing it"
            kill -KILL "$pid" 2>/dev/null || true
            for ((tick = 0; tick < 20; tick++)); do
                is_running "$pid" || break
                sleep 0.1
            done
        fi
    fi
    # Reap a zombie, and only then: a child that bash has reaped already (a
    # trap may interrupt the wait that would have noted it) makes "wait PID"
    # wait for all other children instead.
    if [ "$(process_state "$pid")" = Z ]; then
        { wait "$pid"; } 2>/dev/null || true
    fi
}

# wait_for SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds or SECONDS pass.
wait_for()
{
    local seconds=$1 tick
    shift
    for ((tick = 0; tick < seconds * 10; tick++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# ---------------------------------------------------------------------------
# Root, for the few steps that need it (package installs, network namespaces).

# root_prefix [-n] [-E]: sets ROOT_PREFIX to what runs a command as root:
# nothing as root, sudo otherwise; -n never asks for a password, -E keeps the
# environment. Fails when there is no way.
ROOT_PREFIX=()
# shellcheck disable=SC2120 # as_root wants neither option
root_prefix()
{
    local option no_prompt=
    ROOT_PREFIX=()
    [ "$(id -u)" -eq 0 ] && return 0
    command -v sudo >/dev/null || return 1
    ROOT_PREFIX=(sudo)
    for option in "$@"; do
        case $option in
        -n) no_prompt=1 ROOT_PREFIX+=(-n) ;;
        -E) ROOT_PREFIX+=(--preserve-env) ;;
        esac
    done
    [ -z "$no_prompt" ] || sudo -n true 2>/dev/null
}

# as_root COMMAND...: runs COMMAND as root, through sudo when we are not.
as_root()
{
    if ! root_prefix; then
        warn "needs root for: $*"
        warn "run this as root, or install sudo and allow this user to use it"
        return 1
    fi
    "${ROOT_PREFIX[@]}" "$@"
}

# give_back PATH...: what root wrote there for us (on a private network) goes
# to the calling user, also the one who called sudo.
give_back()
{
    if [ "$(id -u)" -ne 0 ]; then
        as_root chown -R "$(id -u):$(id -g)" "$@"
    elif [ -n "${SUDO_UID:-}" ]; then
        chown -R "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$@"
    fi
}

# Asks for the sudo password once, up front, so that the steps that need root
# later on (tools/dnssd-net uses sudo -n) do not stop to ask. Fails when root
# cannot be had; nothing to do as root.
prime_root()
{
    [ "$(id -u)" -eq 0 ] && return 0
    command -v sudo >/dev/null || return 1
    say "$1 needs root; sudo may ask for your password"
    sudo -v
}

# ---------------------------------------------------------------------------
# A virtual display (Xvfb) with a cookie of its own, which keeps other local
# users off it.

xvfb_pid=

xvfb_ready()
{
    is_running "$xvfb_pid" && xdotool getdisplaygeometry >/dev/null 2>&1
}

# start_xvfb WORK_DIR [WIDTHxHEIGHT]: starts Xvfb (800x600 unless told) on a display number whose
# lock file and socket are free and exports DISPLAY and XAUTHORITY for it.
start_xvfb()
{
    local work=$1 size=${2:-800x600} number attempt=0
    for ((number = 90; number < 190 && attempt < 3; number++)); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        attempt=$((attempt + 1))
        : >"$work/Xauthority"
        xauth -q -f "$work/Xauthority" add ":$number" . "$(mcookie)"
        # 96 dots per inch, as Xorg reports by default: Qt 5 scales by any other.
        Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -auth "$work/Xauthority" -noreset \
            -dpi 96 </dev/null >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$number" XAUTHORITY="$work/Xauthority"
        if wait_for 10 xvfb_ready; then
            say "virtual display $DISPLAY (Xvfb pid $xvfb_pid)"
            return 0
        fi
        stop_xvfb
    done
    cat "$work/xvfb.log" >&2 || true
    return 1
}

stop_xvfb()
{
    stop_process "$xvfb_pid" Xvfb
    xvfb_pid=
}

# ---------------------------------------------------------------------------
# Build trees, always as the calling user.

# configure_tree DIR [-S SOURCE_DIR] [CMAKE_ARGS...]: the settings every
# script builds with; warnings are errors in CI. ARGS come last and win. A tree
# keeps the build type it was made with (RelWithDebInfo unless ARGS said
# otherwise), so that the scripts that share a tree never rebuild it for that.
configure_tree()
{
    local dir=$1 source=$root werror=OFF settings=()
    shift
    if [ "${1:-}" = -S ]; then
        source=$2
        shift 2
    fi
    [ -n "${CI:-}" ] && werror=ON
    [ -f "$dir/CMakeCache.txt" ] || settings+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    # Every script builds the tools and tests of the project too, a batch of
    # files a compiler run (the test programs are many and small).
    [ "$source" = "$root" ] && settings+=(-DBUILD_TESTING=ON -DCMAKE_UNITY_BUILD=ON)
    command -v ccache >/dev/null && settings+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
        -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake -S "$source" -B "$dir" -DVANTIR_WERROR=$werror "${settings[@]}" "$@"
}

# build_tree DIR [TARGET...]: all targets when none is named.
build_tree()
{
    local dir=$1
    shift
    if [ $# -gt 0 ]; then
        cmake --build "$dir" --parallel "$(nproc)" --target "$@"
    else
        cmake --build "$dir" --parallel "$(nproc)"
    fi
}

# A tree that root wrote into (an old tools/bench did) cannot be built by a
# user: say so instead of failing halfway.
check_tree_owner()
{
    local foreign
    [ "$(id -u)" -ne 0 ] && [ -d "$1" ] || return 0
    foreign=$(find "$1" ! -user "$(id -u)" -print -quit 2>/dev/null)
    [ -z "$foreign" ] || die "$foreign belongs to another user: remove $1 (as that user) first"
}
