#!/usr/bin/env bash
# One decode test: runs a Windows program that writes barcode images and a manifest of the
# messages they carry, reads every image with ZBar and compares (check_decoded.py).
# Usage: decode_check.sh PYTHON IMAGE_FOLDER FONT_FOLDER EMULATOR... PROGRAM.exe
# EMULATOR is the build's Wine wrapper and architecture, as ctest runs the other tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
python=$1 images=$2 fonts=$3
shift 3

command -v zbarimg >/dev/null || { echo "zbarimg is missing (Debian package zbar-tools)"; exit 1; }

# Wine sees the Linux file system as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

rm -rf "$images"
mkdir -p "$images"
if ! "$@" "$(windows_path "$images")" "$(windows_path "$fonts")"; then
  echo "FAIL: the image program ($(basename "${@: -1}")) reported the errors above"
  exit 1
fi
[ -s "$images/manifest.txt" ] || { echo "FAIL: no manifest was written"; exit 1; }

# One reader run for all images: each start costs a third of a second. Exit code 4 only
# says that some image held no barcode; the comparison reports which.
mapfile -t files < <(cut -f1 "$images/manifest.txt")
status=0
(cd "$images" && zbarimg --nodbus --xml -q "${files[@]}") >"$images/decoded.xml" || status=$?
if [ "$status" != 0 ] && [ "$status" != 4 ]; then
  echo "FAIL: zbarimg could not read the images (exit code $status)"
  exit 1
fi
"$python" "$here/check_decoded.py" "$images/manifest.txt" "$images/decoded.xml"
