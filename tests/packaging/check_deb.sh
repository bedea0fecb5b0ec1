#!/usr/bin/env bash
# Opens the Debian package as dpkg would install it and checks that a desktop
# finds Test Quovale in it: the program its menu entry starts, the icon that
# entry names, the AppStream metadata, and what apt must install beside it.
#
#   check_deb.sh <folder holding quovale_*.deb> <application id>
set -uo pipefail

dir=$1
id=$2
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

shopt -s nullglob
debs=("$dir"/quovale_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one quovale_*.deb in $dir, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "== $deb"

root=$dir/root
rm -rf "$root"
mkdir -p "$root"
if ! dpkg -x "$deb" "$root"; then
    echo "FAIL: dpkg -x cannot unpack $deb" >&2
    exit 1
fi

# Everything lives under /usr: nothing in /usr/local, /opt or the build tree.
for top in "$root"/*; do
    [ "$(basename "$top")" = usr ] || fail "the package installs outside /usr: /${top#"$root"/}"
done
[ ! -e "$root/usr/local" ] || fail "the package installs into /usr/local"


# --- Control fields ---------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quovale ] || fail "Package is '$(field Package)', not quovale"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)', not education"
[ "$(field Maintainer)" = "l'équipe Quovale <contact@quovale.example.org>" ] ||
    fail "Maintainer is '$(field Maintainer)'"

depends=$(field Depends)
echo "Depends: $depends"
# Package names only: versions and alternatives dropped.
names=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed -e 's/(.*)//' -e 's/:any//' -e 's/[[:space:]]//g' | grep -v '^$')
needs() {
    # $1: what it is for, $2: the package name as an extended regex
    printf '%s\n' "$names" | grep -Eqx "$2" || fail "Depends does not name $1 ($2)"
}
needs "Qt Core" 'libqt6core6(t64)?'
needs "Qt GUI" 'libqt6gui6(t64)?'
needs "Qt Widgets" 'libqt6widgets6(t64)?'
needs "Qt's platform plugins" 'qt6-qpa-plugins'
needs "the Arial and MS Sans Serif stand-in" 'fonts-liberation2'
needs "the Comic Sans MS stand-in" 'fonts-comic-neue'

# --- Desktop entry ----------------------------------------------------------
entry=$root/usr/share/applications/$id.desktop
if [ ! -f "$entry" ]; then
    fail "no desktop entry at /usr/share/applications/$id.desktop"
    exit 1
fi
# The unlocalised value of a key of the [Desktop Entry] group.
key() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'[[:space:]]*=[[:space:]]*//p}' "$entry" | head -n 1
}

exec_line=$(key Exec)
program=${exec_line%% *}
program=${program//\"/}
[ -n "$program" ] || fail "the desktop entry has no Exec"
# A bare name is looked up on PATH, which for this package means /usr/bin.
case $program in
    /*) installed=$root$program ;;
    *) installed=$root/usr/bin/$program ;;
esac
if [ -n "$program" ]; then
    if [ ! -f "$installed" ]; then
        fail "Exec names $program, which the package does not install"
    elif [ ! -x "$installed" ]; then
        fail "Exec names $program, which is not executable"
    fi
fi

icon=$(key Icon)
[ -n "$icon" ] || fail "the desktop entry has no Icon"
case $icon in
    */*) fail "Icon is a path ($icon): a theme name lets the desktop pick the size" ;;
esac
hicolor=$root/usr/share/icons/hicolor
[ -f "$hicolor/scalable/apps/$icon.svg" ] ||
    fail "no scalable icon hicolor/scalable/apps/$icon.svg"

# Each PNG must really have the size of the folder it sits in.
largest=0
for png in "$hicolor"/*/apps/"$icon".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    read -r p n g <<<"$(od -An -c -j1 -N3 "$png")"
    if [ "$p$n$g" != PNG ]; then
        fail "$folder/apps/$icon.png is not a PNG"
        continue
    fi
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$(od -An -tu1 -j16 -N8 "$png")"
    width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
    height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
    if [ "$folder" != "${width}x${height}" ]; then
        fail "$folder/apps/$icon.png is ${width}x${height}"
        continue
    fi
    echo "icon $folder"
    [ "$width" -gt "$largest" ] && largest=$width
done
[ "$largest" -ge 48 ] || fail "no PNG icon of at least 48x48 for $icon"

# --- AppStream metadata -----------------------------------------------------
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    # Checks the metadata against the installed tree too: its launchable must
    # name a desktop entry that the package ships.
    echo "== appstreamcli validate-tree --no-net"
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the installed tree"
else
    fail "no metadata at /usr/share/metainfo/$id.metainfo.xml"
fi

# --- Manual pages and changelog --------------------------------------------
# lintian wants one manual page; the program speaks French, so there are two.
for page in man/man1/quovale.1.gz man/fr/man1/quovale.1.gz; do
    [ -f "$root/usr/share/$page" ] || fail "no manual page /usr/share/$page"
done
# The changelog's latest entry names the version being installed.
latest=$(gzip -dc "$root/usr/share/doc/quovale/changelog.Debian.gz" 2>/dev/null |
    sed -n '1s/^quovale (\([^)]*\)).*/\1/p')
[ "$latest" = "$(field Version)" ] ||
    fail "the changelog's latest entry is '$latest', the package is $(field Version)"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the package is complete"
