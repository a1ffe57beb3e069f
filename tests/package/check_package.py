#!/usr/bin/env python3
"""Unpacks the release zip into an empty folder and checks what a user gets: the member names (GBK, as
Explorer on a Chinese Windows reads them), the checksums, and the texts' encoding and line ends."""
import hashlib
import pathlib
import sys
import tempfile
import zipfile

EXPECTED = ["Quorvane.exe", "默认频道.txt", "load.ini", "使用说明.txt", "SHA256SUMS"]


def fail(message: str) -> None:
    print(f"FAIL: {message}")
    sys.exit(1)


def main(archive: str, unpack_to: str) -> None:
    with zipfile.ZipFile(archive) as z:
        infos = z.infolist()
        names = []
        for info in infos:
            if info.flag_bits & 0x800:
                fail(f"{info.filename}: stored as UTF-8; Explorer on an older Chinese Windows shows it garbled")
            names.append(info.orig_filename.encode("cp437").decode("gbk"))
        if names != EXPECTED:
            fail(f"members {names}, expected {EXPECTED}")
        out = pathlib.Path(unpack_to)
        if out.exists() and any(out.iterdir()):
            fail(f"{out} is not empty")
        out.mkdir(parents=True, exist_ok=True)
        for info, name in zip(infos, names):
            (out / name).write_bytes(z.read(info))

    for line in (out / "SHA256SUMS").read_text("utf-8").splitlines():
        digest, name = line.split(maxsplit=1)
        if hashlib.sha256((out / name).read_bytes()).hexdigest() != digest:
            fail(f"checksum of {name}")

    for name in ["默认频道.txt", "load.ini", "使用说明.txt"]:
        data = (out / name).read_bytes()
        text = data.decode("gbk")  # raises on anything but GBK
        if data.replace(b"\r\n", b"").count(b"\n") or data.replace(b"\r\n", b"").count(b"\r"):
            fail(f"{name}: a line not ended by CR LF")
        if not data.endswith(b"\r\n"):
            fail(f"{name}: the last line has no CR LF")
        if name == "默认频道.txt" and "|锁|" not in text:
            fail("the sample list has no locked entry")
    ini = (out / "load.ini").read_bytes().decode("gbk").split("\r\n")
    if "[load]" not in ini or "频率=3000" not in ini or "密码=" not in ini:
        fail(f"load.ini: {ini}")
    print(f"ok: {len(names)} members, checksums match")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
