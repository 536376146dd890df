"""Reads resources/skin/inventory.txt: one bitmap or icon per line (the file's header explains the
columns). Mistakes in it are reported with the line number, because a wrong size here would put a
wrongly sized bitmap into every build."""

import re
from dataclasses import dataclass, field

KINDS = ("res", "file", "icon")
_SIZE = re.compile(r"^(\d+)x(\d+)$")
_RESOURCE_NAME = re.compile(r"^[^\W\d_]\w*$")  # letters beyond ASCII too: "Language_ComboBox_Français"
_FILE_PATH = re.compile(r"^data/bitmaps(_menu)?/([a-z0-9_]+/)?[A-Za-z0-9_]+\.bmp$")
# A file name that begins with a size ("2x20_", "13x11_") or a square size ("40_") promises it.
_NAMED_SIZE = re.compile(r"^(\d+)(?:x(\d+))?_")


class InventoryError(ValueError):
    pass


@dataclass
class Entry:
    line: int
    kind: str
    name: str
    width: int = 0
    height: int = 0
    icon_sizes: list = field(default_factory=list)
    drawing: str = ""
    arguments: list = field(default_factory=list)
    canvas: tuple = None
    at: tuple = (0, 0)
    repeat: bool = False

    @property
    def file_name(self):
        return self.name.rsplit("/", 1)[-1]


def _parse_size(text, line):
    match = _SIZE.match(text)
    if not match or int(match.group(1)) == 0 or int(match.group(2)) == 0:
        raise InventoryError(f"line {line}: '{text}' is not a size like 16x16")
    return int(match.group(1)), int(match.group(2))


def named_size(file_name):
    """The size a file name promises with its prefix, or None."""
    match = _NAMED_SIZE.match(file_name)
    if not match:
        return None
    width = int(match.group(1))
    return width, int(match.group(2)) if match.group(2) else width


def parse(text):
    entries = []
    seen = {}
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        columns = line.split()
        if len(columns) < 4:
            raise InventoryError(f"line {number}: expected kind, name, size and drawing")
        kind, name, size, source = columns[:4]
        if kind not in KINDS:
            raise InventoryError(f"line {number}: unknown kind '{kind}'")
        key = name.lower()  # resource names are not case sensitive, nor are Windows file names
        if key in seen:
            raise InventoryError(f"line {number}: '{name}' is listed again (first on line {seen[key]})")
        seen[key] = number
        entry = Entry(number, kind, name)
        if kind == "file":
            if not _FILE_PATH.match(name):
                raise InventoryError(f"line {number}: '{name}' is not a .bmp path under data/bitmaps*/")
        elif not _RESOURCE_NAME.match(name):
            raise InventoryError(f"line {number}: '{name}' is not a resource name")
        if kind == "icon":
            try:
                entry.icon_sizes = [int(s) for s in size.split(",")]
            except ValueError:
                raise InventoryError(f"line {number}: icon sizes must be numbers separated by commas")
            if not entry.icon_sizes or any(s < 1 or s > 256 for s in entry.icon_sizes):
                raise InventoryError(f"line {number}: icon sizes must lie between 1 and 256")
            entry.width = entry.height = max(entry.icon_sizes)
        else:
            entry.width, entry.height = _parse_size(size, number)
        if kind == "file":
            promised = named_size(entry.file_name)
            if promised and promised != (entry.width, entry.height):
                raise InventoryError(f"line {number}: '{entry.file_name}' promises "
                                     f"{promised[0]}x{promised[1]} but the size column says {size}")
        drawing, _, arguments = source.partition(":")
        entry.drawing = drawing
        entry.arguments = [a for a in arguments.split(",") if a]
        for option in columns[4:]:
            if option.startswith("canvas="):
                entry.canvas = _parse_size(option[7:], number)
            elif option.startswith("at="):
                try:
                    x, y = (int(v) for v in option[3:].split(","))
                except ValueError:
                    raise InventoryError(f"line {number}: '{option}' is not at=X,Y")
                entry.at = (x, y)
            elif option == "repeat":
                entry.repeat = True
            else:
                raise InventoryError(f"line {number}: unknown option '{option}'")
        canvas = entry.canvas or (entry.width, entry.height)
        cut_width = 1 if entry.repeat else entry.width
        if entry.at[0] < 0 or entry.at[1] < 0 or entry.at[0] + cut_width > canvas[0] or \
                entry.at[1] + entry.height > canvas[1]:
            raise InventoryError(f"line {number}: the cut leaves the {canvas[0]}x{canvas[1]} canvas")
        entries.append(entry)
    return entries


def load(path):
    with open(path, encoding="utf-8") as f:
        return parse(f.read())
