#!/usr/bin/env bash
# Builds the Debian package as `make package` does, into a scratch folder, and
# checks its control fields and contents with dpkg-deb.
# Call: paket_test.sh BUILD_DIR SCRATCH_DIR VERSION
set -uo pipefail
bau=$1 ziel=$2 version=$3
fehler=0
falsch() { echo "FEHLER: $*" >&2; fehler=1; }

rm -rf "$ziel" && mkdir -p "$ziel"
(cd "$bau" && cpack -G DEB -B "$ziel" >"$ziel/cpack.log" 2>&1) || {
  cat "$ziel/cpack.log" >&2
  exit 1
}
deb=$ziel/kartovex_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$ziel" >&2; echo "FEHLER: $deb fehlt" >&2; exit 1; }

# Control fields.
feld() { dpkg-deb --field "$deb" "$1"; }
dpkg-deb --info "$deb" >/dev/null || falsch "dpkg-deb --info"
[ "$(feld Package)" = kartovex ] || falsch "Package: $(feld Package)"
[ "$(feld Version)" = "$version" ] || falsch "Version: $(feld Version)"
[ "$(feld Architecture)" = "$(dpkg --print-architecture)" ] || falsch "Architecture"
[[ "$(feld Section)" =~ ^(science|utils)$ ]] || falsch "Section: $(feld Section)"
[[ "$(feld Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || falsch "Maintainer: $(feld Maintainer)"
[[ "$(feld Homepage)" =~ ^https://[^\ ]+$ ]] || falsch "Homepage: $(feld Homepage)"
beschreibung=$(feld Description)
[ "$(printf '%s\n' "$beschreibung" | wc -l)" -ge 3 ] || falsch "Description ohne lange Beschreibung"
# The control archive: a prerm that sh can read, executable.
kontrolle=$ziel/kontrolle
dpkg-deb --control "$deb" "$kontrolle"
[ "$(cd "$kontrolle" && ls | tr '\n' ' ')" = "control md5sums prerm " ] || falsch "Kontrolldateien: $(ls "$kontrolle")"
[ -x "$kontrolle/prerm" ] && sh -n "$kontrolle/prerm" || falsch "prerm"
# The libraries the programs link (from dpkg-shlibdeps), with versions, and
# the German Qt translations.
depends=$(feld Depends)
for paket in qt6-translations-l10n libqt6svg6 libqt6sql6-sqlite 'libc6 (>=' 'libstdc++6 (>=' 'libqt6core6 (>=' 'libqt6widgets6 (>='; do
  [[ ", $depends" == *", $paket"* ]] || falsch "Depends ohne $paket: $depends"
done

# Contents: exactly these files, owned by root, programs executable.
erwartet=$(sort <<'LISTE'
-rwxr-xr-x ./usr/bin/kartovex
-rwxr-xr-x ./usr/bin/kartovex-konvert
-rwxr-xr-x ./usr/libexec/kartovex/kartovex-konvert-gis
-rw-r--r-- ./usr/share/applications/de.kartovex.KartovexLE.desktop
-rw-r--r-- ./usr/share/doc/kartovex/changelog.gz
-rw-r--r-- ./usr/share/doc/kartovex/copyright
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/de.kartovex.KartovexLE.svg
-rw-r--r-- ./usr/share/man/man1/kartovex-konvert.1.gz
-rw-r--r-- ./usr/share/man/man1/kartovex.1.gz
-rw-r--r-- ./usr/share/metainfo/de.kartovex.KartovexLE.metainfo.xml
LISTE
)
inhalt=$(dpkg-deb --contents "$deb")
dateien=$(awk '$1 !~ /^d/ {print $1, $6}' <<<"$inhalt" | sort)
[ "$dateien" = "$erwartet" ] || falsch "Inhalt:"$'\n'"$(diff <(echo "$erwartet") <(echo "$dateien"))"
awk '$2 != "root/root" {exit 1}' <<<"$inhalt" || falsch "Dateien gehören nicht root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {exit 1}' <<<"$inhalt" || falsch "Verzeichnisrechte"

# The unpacked files: stripped programs that print the package's version,
# gzipped manual pages that man shows without warnings, a Debian changelog
# and a metainfo release of the same version.
x=$ziel/x
dpkg-deb -x "$deb" "$x"
for p in kartovex kartovex-konvert; do
  file -b "$x/usr/bin/$p" | grep -q ', stripped' || falsch "$p nicht gestrippt"
done
[ "$("$x/usr/bin/kartovex-konvert" --version | head -1)" = "kartovex-konvert $version" ] ||
  falsch "kartovex-konvert --version: $("$x/usr/bin/kartovex-konvert" --version)"
# The GIS part is found from the installed kartovex-konvert.
printf '%s' '{"type":"FeatureCollection","features":[{"type":"Feature","properties":{},"geometry":{"type":"Point","coordinates":[9.5,48.5]}}]}' >"$ziel/p.geojson"
"$x/usr/bin/kartovex-konvert" --in "$ziel/p.geojson" --columns ref | grep -q '^1;32U  NU  ' ||
  falsch "kartovex-konvert --in: $("$x/usr/bin/kartovex-konvert" --in "$ziel/p.geojson" 2>&1)"
for seite in kartovex kartovex-konvert; do
  datei=$x/usr/share/man/man1/$seite.1.gz
  gzip -t "$datei" || falsch "$seite.1.gz kein gzip"
  warnungen=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$datei" 2>&1 >/dev/null)
  [ -z "$warnungen" ] || falsch "man $seite: $warnungen"
done
zcat "$x/usr/share/doc/kartovex/changelog.gz" >"$ziel/changelog"
[ "$(dpkg-parsechangelog -l "$ziel/changelog" -S Version)" = "$version" ] || falsch "changelog-Version"
grep -q "<release version=\"$version\"" "$x/usr/share/metainfo/de.kartovex.KartovexLE.metainfo.xml" ||
  falsch "metainfo ohne release $version"

# The licence as Debian reads it: a machine-readable copyright file whose
# paragraph for all files names the licence the metainfo names, with its text.
kopie=$x/usr/share/doc/kartovex/copyright
lizenz=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' \
  "$x/usr/share/metainfo/de.kartovex.KartovexLE.metainfo.xml")
[ -n "$lizenz" ] || falsch "metainfo ohne project_license"
head -1 "$kopie" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  falsch "copyright nicht maschinenlesbar"
awk -v l="$lizenz" '/^Files: \*$/ {alle = 1} alle && /^License:/ {print $2; exit}' "$kopie" |
  grep -qx "$lizenz" || falsch "copyright: Files: * nicht unter $lizenz"
grep -q "^License: $lizenz\$" "$kopie" && grep -q '^ Permission is hereby granted' "$kopie" ||
  falsch "copyright ohne Lizenztext $lizenz"

# lintian, as Debian's archive checks a package: no error and no warning.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$ziel/lintian.log" 2>&1 ||
    falsch "lintian:"$'\n'"$(cat "$ziel/lintian.log")"
else
  falsch "lintian fehlt (scripts/install-deps)"
fi

[ $fehler -eq 0 ] && echo "$deb: in Ordnung"
exit $fehler
