#!/bin/sh
# Usage: validate-desktop-files.sh DESKTOP-ENTRY METAINFO LICENSES-FOLDER
# Passes only when neither validator reports an error or a warning; hints
# and infos (a Chinese summary has no capital letter) are fine. The
# metainfo's licences must be the ones the project ships the texts of,
# which the validator does not ask for.
set -u

entry=$(desktop-file-validate "$1") || { echo "$entry"; exit 1; }
metainfo=$(appstreamcli validate --no-net --pedantic "$2") || { echo "$metainfo"; exit 1; }
printf '%s\n%s\n' "$entry" "$metainfo"
printf '%s\n%s\n' "$entry" "$metainfo" | grep -Eq '(error|warning):|^[EW]:' && exit 1
for tag in metadata_license project_license; do
    licence=$(sed -n "s|.*<$tag>\(.*\)</$tag>.*|\1|p" "$2")
    [ -n "$licence" ] && [ -f "$3/$licence.txt" ] || { echo "the metainfo's $tag '$licence' is not in $3"; exit 1; }
done
exit 0
