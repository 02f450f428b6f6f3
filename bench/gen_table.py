#!/usr/bin/env python3
"""Writes the benchmark's synthetic agent data as a .snmprec file.

usage: gen_table.py ROWS OUTPUT

Columns 2..5 of 1.3.6.1.4.1.99999.1.1 (the index column 1 is not-accessible)
plus the scalar 1.3.6.1.4.1.99999.2.0. Records are written in OID order,
which snmpsim expects for get-next.
"""
import sys

ENTRY = "1.3.6.1.4.1.99999.1.1"
SCALAR = "1.3.6.1.4.1.99999.2.0"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    rows = int(sys.argv[1])
    lines = []
    for row in range(1, rows + 1):
        lines.append(f"{ENTRY}.2.{row}|4|port-{row:05d}")
    for row in range(1, rows + 1):
        lines.append(f"{ENTRY}.3.{row}|65|{row * 7919 % 4294967296}")
    for row in range(1, rows + 1):
        lines.append(f"{ENTRY}.4.{row}|2|{1 + row % 2}")
    for row in range(1, rows + 1):
        lines.append(f"{ENTRY}.5.{row}|64|10.{row >> 16 & 255}.{row >> 8 & 255}.{row & 255}")
    lines.append(f"{SCALAR}|4|vanta bench scalar")
    with open(sys.argv[2], "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
