#!/usr/bin/env bash
# deb_contents.sh BUILD_DIR WORK_DIR
# Makes the Debian package from the build tree, as `cpack -G DEB` does, and checks that it holds
# exactly the expected files, names the libraries it needs, and carries a valid desktop entry
# and metainfo.
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
debs=("$work"/carloan_*.deb)
deb=${debs[0]}

expected=(
    ./usr/bin/carloan
    ./usr/bin/carloan-quote
    ./usr/share/applications/carloan.desktop
    ./usr/share/metainfo/internal.klyx.carloan.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/carloan.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/carloan.png")
done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ "$files" != "$wanted" ]]; then
    echo "package files differ from the expected ones (< package, > expected):"
    diff <(echo "$files") <(echo "$wanted") || true
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libicu qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic; do
    [[ "$depends" == *"$package"* ]] || { echo "Depends lacks $package: $depends"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/carloan.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/internal.klyx.carloan.metainfo.xml"
echo "ok: $(basename "$deb")"
