#!/usr/bin/env bash
# Installs the build into a temporary prefix as a package would, checks every installed file,
# validates the desktop entry and the AppStream metadata, then starts the installed game
# offscreen from another folder with the probe plugin, which reports what the player sees, and
# once more through the launcher the menu entry starts.
#   install_test.sh CMAKE BUILD_DIR PROBE_PLUGIN_DIR BINDIR DATADIR MANDIR VERSION
set -euo pipefail
cmake=$1
build=$2
plugins=$3
bindir=$4
datadir=$5
mandir=$6
version=$7
app_id=org.zarvane.Zarvane

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  "$bindir/Zarvane98"
  "$bindir/zarvane"
  "$datadir/doc/zarvane/changelog.gz"
  "$datadir/doc/zarvane/copyright"
  "$mandir/man6/Zarvane98.6.gz"
  "$mandir/man6/zarvane.6.gz"
  "$datadir/zarvane/zarvanefr.hlp"
  "$datadir/zarvane/zarvaneus.hlp"
  "$datadir/applications/$app_id.desktop"
  "$datadir/icons/hicolor/scalable/apps/$app_id.svg"
  "$datadir/metainfo/$app_id.metainfo.xml"
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$installed" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
  fail "installed files differ from the expected ones:"$'\n'"$installed"
fi
[ -x "$prefix/$bindir/Zarvane98" ] || fail "the program is not executable"
[ -x "$prefix/$bindir/zarvane" ] || fail "the launcher is not executable"

# The changelog is the one of this version, compressed with no time stamp (bytes 4 to 7 of
# the gzip header), so two builds of one source give the same package.
doc=$prefix/$datadir/doc/zarvane
gzip -t "$doc/changelog.gz" || fail "changelog.gz is no gzip file"
[ "$(od -An -tx1 -j4 -N4 "$doc/changelog.gz" | tr -d ' ')" = 00000000 ] ||
  fail "changelog.gz keeps a time stamp"
logged=$(gzip -dc "$doc/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
[ "$logged" = "$version" ] || fail "the changelog's latest version is $logged, not $version"
# The machine-readable copyright names the licence the AppStream metadata declares.
head -n 1 "$doc/copyright" |
  grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "copyright is not in the machine-readable format"
grep -A2 -x "Files: \*" "$doc/copyright" | grep -qx "License: GPL-3+" ||
  fail "copyright does not give the program's licence"
grep -q "<project_license>GPL-3.0-or-later</project_license>" \
  "$prefix/$datadir/metainfo/$app_id.metainfo.xml" || fail "AppStream project licence"

desktop=$prefix/$datadir/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/$datadir/metainfo/$app_id.metainfo.xml" ||
  fail "AppStream metadata"
# The menu entry starts the installed launcher with the installed icon, in the Games menu.
grep -qx "Exec=zarvane" "$desktop" || fail "Exec does not name the launcher"
grep -qx "Icon=$app_id" "$desktop" || fail "Icon does not name the installed icon"
grep -qx "Categories=Game;CardGame;" "$desktop" || fail "categories"
grep -q "<svg" "$prefix/$datadir/icons/hicolor/scalable/apps/$app_id.svg" || fail "icon is no SVG"

# A folder of its own, away from the program and the build, as a menu start would be.
elsewhere=$work/elsewhere
mkdir "$elsewhere"
status=0
(cd "$elsewhere" && QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=zarvaneprobe \
  timeout 60 "$prefix/$bindir/Zarvane98") >"$work/probe.log" 2>"$work/stderr.log" || status=$?
cat "$work/probe.log"
[ "$status" -eq 0 ] || fail "the installed game ended with $status: $(cat "$work/stderr.log")"
grep -qx "opening window: ZARVANE 98" "$work/probe.log" || fail "no opening window"
title=$(sed -n 's|.*<title>\(.*\)</title>.*|\1|p' "$prefix/$datadir/zarvane/zarvanefr.hlp")
grep -qxF "help: $title" "$work/probe.log" || fail "the French help was not shown"

# The options file lands in the folder the game was started from, and nowhere in the prefix.
[ "$(stat -c %s "$elsewhere/options98")" -eq 40 ] || fail "no 40-byte options file"
[ -z "$(cd "$prefix" && find . -name 'options98*')" ] || fail "options file in the prefix"

# The launcher's choice of folder, with a stand-in program that tells where it was started:
# the data folder of XDG_DATA_HOME when that is an absolute path, else of ~/.local/share;
# the folder is made when missing, and a link to the launcher still finds the program.
stand_in=$work/stand-in
mkdir -p "$stand_in/bin" "$work/links"
cp "$prefix/$bindir/zarvane" "$stand_in/bin/zarvane"
printf '#!/bin/sh\npwd\n' >"$stand_in/bin/Zarvane98"
chmod +x "$stand_in/bin/Zarvane98"
ln -s "$stand_in/bin/zarvane" "$work/links/zarvane"
launched_in() {
  (cd "$elsewhere" && env -u XDG_DATA_HOME HOME="$stand_in/home" "$@" "$work/links/zarvane")
}
[ "$(launched_in)" = "$stand_in/home/.local/share/zarvane" ] || fail "launcher without XDG_DATA_HOME"
[ "$(launched_in XDG_DATA_HOME=)" = "$stand_in/home/.local/share/zarvane" ] ||
  fail "launcher with an empty XDG_DATA_HOME"
[ "$(launched_in XDG_DATA_HOME=data)" = "$stand_in/home/.local/share/zarvane" ] ||
  fail "launcher with a relative XDG_DATA_HOME"
[ "$(launched_in XDG_DATA_HOME="$stand_in/data")" = "$stand_in/data/zarvane" ] ||
  fail "launcher with XDG_DATA_HOME"

# Started through the installed launcher, as the menu does, the game keeps its options file
# in the data folder, which the launcher made, and leaves the folder it was started from alone.
home=$work/home
mkdir "$home"
rm "$elsewhere/options98"
status=0
(cd "$elsewhere" && env -u XDG_DATA_HOME HOME="$home" QT_PLUGIN_PATH="$plugins" \
  QT_QPA_GENERIC_PLUGINS=zarvaneprobe timeout 60 "$prefix/$bindir/zarvane") \
  >"$work/launched.log" 2>"$work/stderr.log" || status=$?
[ "$status" -eq 0 ] || fail "the launched game ended with $status: $(cat "$work/stderr.log")"
grep -qx "opening window: ZARVANE 98" "$work/launched.log" || fail "no opening window at launch"
[ "$(stat -c %s "$home/.local/share/zarvane/options98")" -eq 40 ] ||
  fail "no 40-byte options file in the data folder"
[ -z "$(ls -A "$elsewhere")" ] || fail "the launched game wrote in the folder it was started from"
