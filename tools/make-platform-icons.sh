#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Windows and macOS icons from our own PNG icons in ui/icons/, so
# that every platform shows the same picture: torsiva.ico (16 to 256 pixels,
# for the Windows resource file) and torsiva.icns (PNG entries, for the macOS
# bundle). Run it after changing the PNGs; the results are committed.
# Needs: imagemagick, python3.
set -euo pipefail
cd "$(dirname "$0")/../ui/icons"
convert torsiva-16.png torsiva-32.png torsiva-48.png torsiva-64.png torsiva-128.png \
  torsiva-256.png torsiva.ico
python3 - <<'PYTHON'
import struct
# An icns file: 'icns' and the file's length, then entries of a four-letter
# type, a big-endian length that counts its own 8-byte header, and PNG data.
entries = [("icp4", 16), ("icp5", 32), ("icp6", 64), ("ic07", 128), ("ic08", 256)]
body = b""
for kind, size in entries:
    with open(f"torsiva-{size}.png", "rb") as png:
        data = png.read()
    body += kind.encode() + struct.pack(">I", len(data) + 8) + data
with open("torsiva.icns", "wb") as icns:
    icns.write(b"icns" + struct.pack(">I", len(body) + 8) + body)
PYTHON
