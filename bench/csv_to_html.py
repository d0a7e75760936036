#!/usr/bin/env python3
"""The plain script the import is measured against: a CSV file (CP932, one row a line, every
comma a cell break) turned into an HTML table, written as CP932 with CR LF line ends.

    csv_to_html.py input.csv output.html
"""
import sys


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="cp932", newline="") as f:
        lines = f.read().splitlines()
    out = ["<table border=\"1\">"]
    for line in lines:
        out.append("<tr>")
        for cell in line.split(","):
            out.append("<td>" + cell + "</td>")
        out.append("</tr>")
    out.append("</table>")
    with open(target, "w", encoding="cp932", newline="") as f:
        f.write("\r\n".join(out))


if __name__ == "__main__":
    main()
