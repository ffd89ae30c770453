# Debian 12 packages that the build, the tests and the demo need.
# Sourced by tools/test and tools/run.

VANTIR_PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools
    libavahi-compat-libdnssd-dev libavahi-compat-libdnssd1
    avahi-daemon avahi-utils libnss-mdns dbus dbus-daemon iproute2
    libcpp-httplib-dev nlohmann-json3-dev
    xvfb xauth xdotool imagemagick fonts-dejavu-core jq
    clang-14 libclang-rt-14-dev libfuzzer-14-dev
)

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root()
{
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

ensure_packages()
{
    local missing=() pkg
    for pkg in "${VANTIR_PACKAGES[@]}"; do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    # avahi-daemon must never start on the machine's own interfaces: keep the
    # package scripts from starting any service while we install.
    local policy=/usr/sbin/policy-rc.d added_policy=
    if [ ! -e "$policy" ]; then
        as_root sh -c "printf '#!/bin/sh\nexit 101\n' > $policy && chmod 755 $policy"
        added_policy=1
    fi
    local rc=0
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq || rc=$?
    if [ $rc -eq 0 ]; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" || rc=$?
    fi
    [ -n "$added_policy" ] && as_root rm -f "$policy"
    return $rc
}
