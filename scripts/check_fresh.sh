#!/usr/bin/env bash
# `make check-fresh`: the README's `make test` on a brand-new Debian, as a new
# user would meet it. A minimal root (debootstrap --variant=minbase) with only
# build-essential, cmake and git gets a clone of the current commit, and
# `make test` runs there; the last lines say ctest's result and how many
# compiler warnings the build gave.
#
#   RELEASE=bookworm|trixie scripts/check_fresh.sh [--base-only]
#
# KEEP_ROOT=1 keeps the root of a passing run for a look inside (a failing
# run's root is always kept).
#
# The base root is made once per release and kept under $FRESH_CACHE; each
# run works on a fresh copy of it, so a second run skips debootstrap. Needs
# root and the Debian mirror the machine's own apt uses (or MIRROR=...).
set -euo pipefail

RELEASE=${RELEASE:-bookworm}
FRESH_CACHE=${FRESH_CACHE:-/var/cache/quovale-check-fresh}
# Bounds on the slow steps, in seconds.
BASE_SECONDS=${BASE_SECONDS:-3600}
TEST_SECONDS=${TEST_SECONDS:-5400}

base_only=0
case ${1:-} in
    --base-only) base_only=1 ;;
    '') ;;
    *) echo "usage: RELEASE=bookworm|trixie $0 [--base-only]" >&2; exit 2 ;;
esac

die() { echo "check-fresh: $*" >&2; exit 1; }
say() { echo "check-fresh: $*"; }

[ "$(id -u)" -eq 0 ] || die "needs root (debootstrap, chroot and mounts)"
# The mounts below live in a mount namespace of this script's own: none can
# outlast it, even if it is killed outright. The trap still undoes them, in
# order, before the root is removed.
if [ -z "${QUOVALE_FRESH_NAMESPACE:-}" ]; then
    command -v unshare >/dev/null 2>&1 || die "unshare (util-linux) is missing"
    QUOVALE_FRESH_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
case $RELEASE in
    *[!a-z]* | '') die "RELEASE must be a Debian code name such as bookworm or trixie" ;;
esac
for tool in debootstrap chroot mount umount git timeout; do
    command -v "$tool" >/dev/null 2>&1 ||
        die "$tool is missing; install it with: apt-get install debootstrap"
done

repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    say "note: uncommitted changes are not part of the check; it tests $commit"
fi

# The mirror of the machine's own apt sources: the first Debian archive that
# is not the security one, from deb822 .sources files or sources.list.
find_mirror() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk 'tolower($1) == "uris:" { for (i = 2; i <= NF; i++) print $i }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) { print $i; break } }' "$f"
    done
}
mirrors=$(find_mirror | sed 's,/*$,,')
MIRROR=${MIRROR:-$(printf '%s\n' "$mirrors" | grep -E '/debian$' | head -n 1)}
SECURITY_MIRROR=${SECURITY_MIRROR:-$(printf '%s\n' "$mirrors" | grep -E '/debian-security$' | head -n 1)}
[ -n "$MIRROR" ] || die "no Debian mirror in /etc/apt/sources*; set MIRROR=http://.../debian"

base=$FRESH_CACHE/$RELEASE-base
work=$FRESH_CACHE/$RELEASE-run
log=$FRESH_CACHE/$RELEASE-make-test.log
mkdir -p "$FRESH_CACHE"

# --- Mounts, and their undoing on every way out ----------------------------
mounted=()
child=""
tailer=""

# Mount points at or under $1, deepest first.
mounts_under() {
    awk -v root="$1" '{ gsub(/\\040/, " ", $5); if ($5 == root || index($5, root "/") == 1) print $5 }' \
        /proc/self/mountinfo | sort -r
}

# Processes whose root directory is inside $1: what ran in the chroot.
processes_in() {
    local p r
    for p in /proc/[0-9]*; do
        r=$(readlink "$p/root" 2>/dev/null) || continue
        if [ "$r" = "$1" ] || [[ $r == "$1"/* ]]; then
            echo "${p#/proc/}"
        fi
    done
}

unmount_all() {
    local root=$1 m pids
    pids=$(processes_in "$root")
    if [ -n "$pids" ]; then
        # shellcheck disable=SC2086
        kill -TERM $pids 2>/dev/null
        sleep 2
        pids=$(processes_in "$root")
        # shellcheck disable=SC2086
        [ -z "$pids" ] || kill -KILL $pids 2>/dev/null
    fi
    for m in $(mounts_under "$root"); do
        umount "$m" 2>/dev/null || umount -l "$m" || echo "check-fresh: cannot unmount $m" >&2
    done
    mounted=()
    [ -z "$(mounts_under "$root")" ]
}

cleanup() {
    local status=$?
    # To the end whatever happens: no stop on a failed command, nor on a
    # closed output (Ctrl-C ends a `| tee` too), nor on a second signal.
    set +e
    trap - EXIT
    trap '' INT TERM HUP PIPE
    [ -z "$tailer" ] || kill "$tailer" 2>/dev/null
    if [ -n "$child" ]; then
        kill -TERM "$child" 2>/dev/null
        wait "$child" 2>/dev/null
    fi
    for r in "$base.new" "$work"; do
        [ -d "$r" ] && { unmount_all "$r" || status=1; }
    done
    exit "$status"
}
trap cleanup EXIT
trap 'trap "" PIPE; echo "check-fresh: interrupted" >&2 || true; exit 130' INT
trap 'trap "" PIPE; echo "check-fresh: terminated" >&2 || true; exit 143' TERM
trap 'trap "" PIPE; exit 129' HUP

# bind_system ROOT: what a program inside the root expects of a running system.
bind_system() {
    local root=$1
    mount -t proc proc "$root/proc" && mounted+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
    mount --bind /dev "$root/dev" && mounted+=("$root/dev")
    mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
    mkdir -p "$root/dev/shm"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm" && mounted+=("$root/dev/shm")
    mkdir -p "$root/run"
    mount -t tmpfs -o mode=755,nosuid,nodev run "$root/run" && mounted+=("$root/run")
    cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# in_root ROOT SECONDS LOG COMMAND: runs COMMAND in the root as a login would,
# with a clean environment, bounded, and still stoppable with Ctrl-C. Its
# output goes to the file LOG, or to this script's own with LOG "-". (Only
# the command's output: a message of the traps below must reach the user.)
in_root() {
    local root=$1 seconds=$2 log=$3
    shift 3
    local run=(timeout "$seconds" chroot "$root" /usr/bin/env -i
        HOME=/root TERM="${TERM:-dumb}"
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        bash -c "$*")
    if [ "$log" = - ]; then
        "${run[@]}" </dev/null &
    else
        "${run[@]}" </dev/null >>"$log" 2>&1 &
    fi
    child=$!
    local rc=0
    wait "$child" || rc=$?
    child=""
    return "$rc"
}

# --- The base root: made once, kept ------------------------------------------
if [ ! -f "$base/.quovale-base-complete" ]; then
    say "making the $RELEASE base root in $base from $MIRROR (once)"
    if [ -d "$base.new" ]; then
        unmount_all "$base.new" || die "leftover mounts under $base.new"
        rm -rf --one-file-system "$base.new"
    fi
    timeout "$BASE_SECONDS" debootstrap --variant=minbase "$RELEASE" "$base.new" "$MIRROR" &
    child=$!
    wait "$child" || die "debootstrap failed; see $base.new/debootstrap/debootstrap.log"
    child=""
    # The apt sources of a new install: the release, its updates, security.
    {
        echo "deb $MIRROR $RELEASE main"
        echo "deb $MIRROR $RELEASE-updates main"
        [ -z "$SECURITY_MIRROR" ] || echo "deb $SECURITY_MIRROR $RELEASE-security main"
    } >"$base.new/etc/apt/sources.list"
    bind_system "$base.new"
    in_root "$base.new" "$BASE_SECONDS" - \
        'export DEBIAN_FRONTEND=noninteractive; apt-get update -q && apt-get install -y -q build-essential cmake git && apt-get clean' ||
        die "installing build-essential, cmake and git failed"
    unmount_all "$base.new" || die "cannot unmount under $base.new"
    touch "$base.new/.quovale-base-complete"
    rm -rf --one-file-system "$base"
    mv "$base.new" "$base"
    say "base root ready"
fi
[ "$base_only" -eq 0 ] || exit 0

# --- A fresh copy, the current commit, `make test` ---------------------------
if [ -d "$work" ]; then
    unmount_all "$work" || die "leftover mounts under $work"
    rm -rf --one-file-system "$work"
fi
say "copying the $RELEASE base root"
cp -a "$base" "$work"
git clone -q --no-local "$repo" "$work/root/quovale"
git -C "$work/root/quovale" checkout -q --detach "$commit"
say "testing $commit in a fresh $RELEASE root ($work)"
bind_system "$work"
rc=0
: >"$log"
tail -n +1 -f "$log" &
tailer=$!
in_root "$work" "$TEST_SECONDS" "$log" 'cd /root/quovale && make test' || rc=$?
sleep 1 # tail's last look at the log
kill "$tailer" 2>/dev/null
wait "$tailer" 2>/dev/null || true
tailer=""
unmount_all "$work" || die "cannot unmount under $work"

echo
echo "== $RELEASE, commit $commit"
summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
echo "ctest: ${summary:-no summary line (the build or set-up failed)}"
# The compiler's "file:line:column: warning:" and the linker's warnings.
warnings=$(grep -cE '^[^ ]+:[0-9]+(:[0-9]+)?: warning: |^([^ ]*/)?ld(\.[a-z]+)?: warning: ' "$log" || true)
echo "compiler warnings: $warnings"
echo "log: $log"
if [ "$rc" -ne 0 ]; then
    echo "check-fresh: make test failed (status $rc); the root is kept in $work" >&2
    exit "$rc"
fi
[ "$warnings" -eq 0 ] || { echo "check-fresh: the build warns" >&2; exit 1; }
if [ "${KEEP_ROOT:-0}" = 1 ]; then
    echo "the root is kept in $work"
else
    rm -rf --one-file-system "$work"
fi
