# Debian 12 packages that the build, the tests and the demo need.
# Sourced by tools/test and tools/run.

VANTIR_PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
    libavahi-compat-libdnssd-dev libavahi-compat-libdnssd1
    avahi-daemon avahi-utils libnss-mdns dbus dbus-daemon iproute2
    libcpp-httplib-dev nlohmann-json3-dev
    xvfb xauth xdotool imagemagick fonts-dejavu-core jq at-spi2-core python3-pyatspi
    libxcb1-dev
    dpkg-dev lintian desktop-file-utils appstream man-db
    clang-14 libclang-rt-14-dev libfuzzer-14-dev llvm-14
)

# What the benchmark command tools/bench needs beyond that: it publishes
# speakers through Avahi's D-Bus interface.
VANTIR_BENCH_PACKAGES=(python3 python3-avahi python3-dbus)

# The MinGW-w64 cross compiler and Wine, for the Windows build of the DNS-SD binding and its test.
# tools/test installs them in a step of their own: where they cannot be installed, that stage is
# skipped (but not in CI).
VANTIR_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64)

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root()
{
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "needs root for: $*" >&2
        echo "run this as root, or install sudo and allow this user to use it" >&2
        return 1
    fi
}

# ensure_packages [PACKAGE...]: installs those of the packages (VANTIR_PACKAGES by default) that
# are missing.
# Asks for the sudo password once, up front, so that the steps that need root
# later on (tools/dnssd-net uses sudo -n) do not stop to ask. Nothing to do as root.
prime_sudo()
{
    [ "$(id -u)" -eq 0 ] && return 0
    if ! command -v sudo >/dev/null; then
        echo "note: not root and no sudo: the tests on the private DNS-SD network are skipped" >&2
        return 0
    fi
    echo "Some steps need root (the private DNS-SD network); sudo may ask for your password."
    sudo -v || echo "note: sudo failed: the tests on the private DNS-SD network are skipped" >&2
}

ensure_packages()
{
    local wanted=("$@") missing=() pkg
    [ ${#wanted[@]} -eq 0 ] && wanted=("${VANTIR_PACKAGES[@]}")
    for pkg in "${wanted[@]}"; do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages (as root): ${missing[*]}"
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
