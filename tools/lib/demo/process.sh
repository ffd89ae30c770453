# The demo's messages, sourced by tools/run and the scripts beside this one;
# the shared procedures come from tools/lib/common.sh.

# shellcheck shell=bash
# shellcheck source-path=SCRIPTDIR/../../..
: "${PROG:=run}"
# shellcheck source=tools/lib/common.sh
. "$(dirname "${BASH_SOURCE[0]}")/../common.sh"

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
