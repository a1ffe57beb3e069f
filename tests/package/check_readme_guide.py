#!/usr/bin/env python3
"""The README's Chinese section and the shipped user guide are one text; this keeps them from drifting."""
import pathlib
import sys

root = pathlib.Path(sys.argv[1])
guide = (root / "package" / "使用说明.txt").read_text("utf-8")
readme = (root / "README.md").read_text("utf-8")
if "```text\n" + guide + "```" not in readme:
    print("FAIL: README.md's Chinese section differs from package/使用说明.txt")
    sys.exit(1)
print("ok")
