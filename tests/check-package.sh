#!/bin/sh
# Usage: check-package.sh BUILD-DIR APP-ID VERSION INSTALLED-DESKTOP-ENTRY
# Builds the Debian package from a finished build, unpacks it into a
# temporary folder and checks what a Debian 12 system will take from it;
# lintian, Debian's own check, must find no error and no warning.
set -u

build=$1 id=$2 version=$3 entry=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$work/kobu_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kobu ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends=$(field Depends)
# What the program links (found by dpkg-shlibdeps) and what it opens at run time.
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libsdl2-2.0-0 \
           "fonts-wqy-zenhei | fonts-noto-cjk"; do
    case ", $depends," in
        *", $dep "* | *", $dep,"*) ;;
        *) fail "Depends lacks $dep: $depends" ;;
    esac
done

recommends=$(field Recommends)
case ", $recommends," in *", qt6-wayland,"*) ;; *) fail "Recommends lacks qt6-wayland: $recommends" ;; esac

lintian --allow-root --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

root="$work/root"
dpkg-deb -x "$deb" "$root"
icons=usr/share/icons/hicolor
for file in usr/games/kobu "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "$icons/32x32/apps/$id.png" "$icons/256x256/apps/$id.png" "$icons/scalable/apps/$id.svg" \
            usr/share/man/man6/kobu.6.gz usr/share/doc/kobu/copyright usr/share/doc/kobu/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "the menu entry names another icon"
# This is how the game knows it is installed and keeps scores in each
# player's own data folder.
[ -f "$root/usr/games/$entry" ] || fail "the program would not find its desktop entry at $entry"

# The unpacked game starts and keeps running until it is stopped.
HOME="$work/home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy timeout 3 "$root/usr/games/kobu"
status=$?
[ $status -eq 124 ] || fail "the packaged game ended with status $status instead of running"
exit 0
