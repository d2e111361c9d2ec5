#!/bin/sh
# Usage: validate-desktop-files.sh DESKTOP-ENTRY METAINFO
# Passes only when neither validator reports an error or a warning; hints
# and infos (a Chinese summary has no capital letter) are fine.
set -u

entry=$(desktop-file-validate "$1") || { echo "$entry"; exit 1; }
metainfo=$(appstreamcli validate --no-net --pedantic "$2") || { echo "$metainfo"; exit 1; }
printf '%s\n%s\n' "$entry" "$metainfo"
printf '%s\n%s\n' "$entry" "$metainfo" | grep -Eq '(error|warning):|^[EW]:' && exit 1
exit 0
