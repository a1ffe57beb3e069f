#!/usr/bin/env python3
"""Writes a zip whose member names are GBK, as Explorer on a Chinese Windows reads them, with the
Info-ZIP Unicode path field beside each so tools that prefer UTF-8 show the same names."""
import struct
import sys
import zipfile
import zlib


class GbkZipInfo(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits & ~0x800


def unicode_path_field(name: str) -> bytes:
    gbk = name.encode("gbk")
    utf8 = name.encode("utf-8")
    body = struct.pack("<BI", 1, zlib.crc32(gbk)) + utf8
    return struct.pack("<HH", 0x7075, len(body)) + body


def main(archive: str, folder: str, *names: str) -> None:
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as out:
        for name in names:
            info = GbkZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: plain attributes, no Unix modes
            if any(ord(c) > 127 for c in name):
                info.extra = unicode_path_field(name)
            with open(f"{folder}/{name}", "rb") as f:
                out.writestr(info, f.read())


if __name__ == "__main__":
    main(*sys.argv[1:])
