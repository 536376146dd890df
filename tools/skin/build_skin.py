#!/usr/bin/env python3
"""Renders the whole skin from resources/skin/inventory.txt: every drawing goes into one SVG sheet
(one cell per bitmap, each cell a view of its drawing's canvas), rsvg-convert renders the sheet
once, and the cells become 32 bpp premultiplied BMPs, the program icon and an .rc file that
names the resources.

    build_skin.py --inventory resources/skin/inventory.txt --resources OUT --files BIN
"""

import argparse
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import art  # noqa: E402
import inventory  # noqa: E402
import pixels  # noqa: E402
from svg import Defs  # noqa: E402

SHEET_WIDTH = 1200
GAP = 2


class Cell:
    def __init__(self, entry, width, height, canvas, at, repeat):
        self.entry = entry
        self.width = width
        self.height = height
        self.canvas = canvas
        self.at = at
        self.repeat = repeat
        self.x = self.y = 0

    @property
    def cut_width(self):
        return 1 if self.repeat else self.width


def cells_of(entries):
    cells = []
    for entry in entries:
        if entry.kind == "icon":
            for size in entry.icon_sizes:
                cells.append(Cell(entry, size, size, (size, size), (0, 0), False))
        else:
            cells.append(Cell(entry, entry.width, entry.height, entry.canvas or (entry.width, entry.height),
                              entry.at, entry.repeat))
    return cells


def lay_out(cells):
    """Shelf packing, tallest first; returns the sheet size."""
    x = y = shelf = 0
    for cell in sorted(cells, key=lambda c: (-c.height, -c.cut_width)):
        if x + cell.cut_width > SHEET_WIDTH:
            x, y, shelf = 0, y + shelf + GAP, 0
        cell.x, cell.y = x, y
        x += cell.cut_width + GAP
        shelf = max(shelf, cell.height)
    return SHEET_WIDTH, y + shelf


def sheet_svg(cells, width, height):
    defs = Defs()
    views = []
    for cell in cells:
        entry = cell.entry
        try:
            content = art.draw(defs, entry.drawing, cell.canvas[0], cell.canvas[1], entry.arguments)
        except (KeyError, TypeError, ValueError) as error:
            raise SystemExit(f"inventory line {entry.line} ({entry.name}): {error}")
        views.append(f'<svg x="{cell.x}" y="{cell.y}" width="{cell.cut_width}" height="{cell.height}" '
                     f'viewBox="{cell.at[0]} {cell.at[1]} {cell.cut_width} {cell.height}" overflow="hidden">'
                     f"{content}</svg>")
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">{defs.markup()}{"".join(views)}</svg>')


def render(svg_text, work):
    svg_path = os.path.join(work, "sheet.svg")
    png_path = os.path.join(work, "sheet.png")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run(["rsvg-convert", "--format=png", "-o", png_path, svg_path], check=True)
    with open(png_path, "rb") as f:
        return pixels.read_png(f.read())


def cut(sheet, cell):
    image = sheet.crop(cell.x, cell.y, cell.cut_width, cell.height)
    return image.repeat_column(0, cell.width) if cell.repeat else image


def write_if_changed(path, data):
    """Leaves files that did not change untouched, so that the exe is not relinked for nothing."""
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def rc_path(path):
    return os.path.abspath(path).replace("\\", "/")


def rc_statement(name, kind, target):
    """Names are quoted so that windres (reading UTF-8, see skin.cmake) keeps letters beyond ASCII,
    and written in capitals as resource compilers store them: FindResource capitalises the name it
    is asked for ("Français" -> "FRANÇAIS"). The LANGUAGE line, the language every resource has,
    stops windres from joining the quoted name to the file name on the line before."""
    return ["LANGUAGE 9, 1", f'"{name.upper()}" {kind} "{rc_path(target)}"']


def build(inventory_path, resources_dir, files_dir, keep_sheet=None):
    entries = inventory.load(inventory_path)
    cells = cells_of(entries)
    width, height = lay_out(cells)
    with tempfile.TemporaryDirectory() as work:
        sheet = render(sheet_svg(cells, width, height), work)
        if keep_sheet:
            with open(os.path.join(work, "sheet.svg"), encoding="utf-8") as f:
                write_if_changed(keep_sheet, f.read().encode("utf-8"))
    icon_frames = {}
    rc_lines = ["// Made by tools/skin/build_skin.py from resources/skin/inventory.txt; do not edit."]
    for cell in cells:
        entry = cell.entry
        image = cut(sheet, cell)
        if entry.kind == "icon":
            icon_frames.setdefault(entry.name, []).append(image)
            continue
        data = pixels.write_bmp(image)
        if entry.kind == "res":
            target = os.path.join(resources_dir, "bitmaps", entry.name + ".bmp")
            # Written in capitals as the resource compiler stores names: it raises only ASCII letters,
            # and FindResource compares with the capitalised name ("Français" -> "FRANÇAIS").
            rc_lines += rc_statement(entry.name, "BITMAP", target)
        else:
            target = os.path.join(files_dir, *entry.name.split("/"))
        write_if_changed(target, data)
    for name, frames in icon_frames.items():
        target = os.path.join(resources_dir, name + ".ico")
        write_if_changed(target, pixels.write_ico(frames))
        rc_lines += rc_statement(name, "ICON", target)
    write_if_changed(os.path.join(resources_dir, "skin.rc"), ("\n".join(rc_lines) + "\n").encode("utf-8"))
    return entries


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--inventory", required=True)
    parser.add_argument("--resources", required=True, help="folder for the resource bitmaps, icon and skin.rc")
    parser.add_argument("--files", required=True, help="the program's folder; files go to its data/ folders")
    parser.add_argument("--stamp", help="file touched when everything is written")
    parser.add_argument("--keep-sheet", help="also keep the rendered SVG sheet here")
    args = parser.parse_args()
    try:
        build(args.inventory, args.resources, args.files, args.keep_sheet)
    except inventory.InventoryError as error:
        raise SystemExit(f"{args.inventory}: {error}")
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("done\n")


if __name__ == "__main__":
    main()
