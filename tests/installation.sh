#!/bin/sh
# SPDX-FileCopyrightText: 2026 Équipe Ambrelot
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, checks the layout, then checks
# that a reinstall keeps a settings file the user changed.
set -eu
build=$1
attendus=$2
tarifs=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
echoue() { echo "ÉCHEC : $*" >&2; exit 1; }

# Installed under a strict umask, what every account must read stays readable.
(umask 027 && cmake --install "$build" --prefix "$prefix" >/dev/null)
programme="$prefix/lib/ambrelot"
[ "$(stat -c %a "$programme")" = 755 ] || echoue "dossier du programme en $(stat -c %a "$programme")"
[ -x "$prefix/bin/ambrelot" ] || echoue "lanceur absent"
[ -x "$programme/ambrelot" ] || echoue "exécutable absent"
# The default weights byte for byte, with no update stamp, as nobody saved
# them; the tariff files hold the year's price file, which an export of them
# gives back, products aside.
cmp -s "$programme/PoidsElements.ini" "$attendus/PoidsElements.ini" || echoue "PoidsElements.ini différent"
for f in PoidsElements TarifNormal TarifEcopli TarifCEE; do
    [ "$(stat -c %a "$programme/$f.ini")" = 644 ] || echoue "$f.ini en $(stat -c %a "$programme/$f.ini")"
done
cmp -s "$prefix/share/ambrelot/tarifs/2026.csv" "$tarifs/2026.csv" || echoue "tarifs/2026.csv non installé"
XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/ambrelot" --exporter-tarifs "$prefix/export.csv" >/dev/null \
    || echoue "export des tarifs livrés impossible"
sed '2,$ s/^\([^;]*;[^;]*;[^;]*;\)[^;]*;/\1;/' "$tarifs/2026.csv" | cmp -s - "$prefix/export.csv" \
    || echoue "les tarifs livrés ne sont pas ceux de tarifs/2026.csv"
bureau="$prefix/share/applications/ambrelot.desktop"
[ -f "$bureau" ] || echoue "entrée de bureau absente"
grep -qx "Exec=$prefix/bin/ambrelot" "$bureau" || echoue "Exec faux dans $bureau"
grep -qx "Icon=ambrelot" "$bureau" || echoue "Icon faux dans $bureau"
# Width and height stand in the PNG header, big-endian, from byte 16 on.
dimensions() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for taille in 16 32 48 64 128 256; do
    icone="$prefix/share/icons/hicolor/${taille}x${taille}/apps/ambrelot.png"
    [ -s "$icone" ] || echoue "icône ${taille}x${taille} absente"
    [ "$(dimensions "$icone")" = "${taille}x${taille}" ] \
        || echoue "icône ${taille}x${taille} de taille $(dimensions "$icone")"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/ambrelot.svg" ] || echoue "icône vectorielle absente"

printf '; modifié\r\n' >> "$programme/TarifNormal.ini"
avant=$(md5sum < "$programme/TarifNormal.ini")
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(md5sum < "$programme/TarifNormal.ini")" = "$avant" ] || echoue "réinstallation a écrasé TarifNormal.ini"
echo "installation conforme"
