# Process helpers of the demo, sourced by tools/run and the scripts beside this
# one. Every wait is bounded; every stop goes to one process id of our own.

# shellcheck shell=bash

demo_say()
{
    echo "run: $*"
}

demo_warn()
{
    echo "run: $*" >&2
}

demo_die()
{
    demo_warn "$*"
    exit 1
}

# True while the process lives and is not a zombie waiting to be reaped.
demo_is_running()
{
    local state
    state=$(awk '/^State:/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# Stops one of our own processes: TERM, up to LIMIT seconds, then KILL.
demo_stop()
{
    local pid=$1 name=$2 limit=${3:-5} tick
    [ -n "$pid" ] || return 0
    if demo_is_running "$pid"; then
        kill -TERM "$pid" 2>/dev/null || true
        for ((tick = 0; tick < limit * 10; tick++)); do
            demo_is_running "$pid" || break
            sleep 0.1
        done
        if demo_is_running "$pid"; then
            demo_warn "$name (pid $pid) did not stop, killing it"
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    wait "$pid" 2>/dev/null || true
}

# Runs COMMAND every tenth of a second until it succeeds or SECONDS pass.
demo_wait_for()
{
    local seconds=$1 tick
    shift
    for ((tick = 0; tick < seconds * 10; tick++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
