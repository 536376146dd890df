#!/usr/bin/env python3
"""The contact sheet: one PNG with every bitmap of the inventory on a checkerboard at 1x and 4x with
its name, the pieces assembled the way the toolkit draws them (buttons 120 pixels wide in each
state, scroll bars 150 high, a widget background with its frame, the main window's menu buttons),
and the flags and the tray icon at their real sizes on light and dark backgrounds.

It reads the BMPs the build wrote, so it shows what ships, premultiplication included.

    contact_sheet.py --inventory resources/skin/inventory.txt --resources OUT --files BIN -o sheet.png
"""

import argparse
import base64
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import inventory  # noqa: E402
import pixels  # noqa: E402

PAGE_WIDTH = 2000
LABEL = 14
PAD = 12


class Loader:
    def __init__(self, entries, resources_dir, files_dir):
        self.paths = {}
        for entry in entries:
            if entry.kind == "res":
                self.paths[entry.name] = os.path.join(resources_dir, "bitmaps", entry.name + ".bmp")
            elif entry.kind == "file":
                self.paths[entry.name] = os.path.join(files_dir, *entry.name.split("/"))
        self.cache = {}

    def __call__(self, name):
        if name not in self.cache:
            with open(self.paths[name], "rb") as f:
                self.cache[name] = pixels.read_bmp(f.read())
        return self.cache[name]


def checker(width, height, cell=4):
    # Mid greys: the light glyphs of the dark skin and the dark ones of the light notes both show.
    image = pixels.Image(width, height)
    for y in range(height):
        for x in range(width):
            light = ((x // cell) + (y // cell)) % 2 == 0
            image.set_pixel(x, y, (118, 118, 118, 255) if light else (92, 92, 92, 255))
    return image


def on_checker(image, factor):
    big = image.scaled(factor) if factor > 1 else image
    base = checker(big.width, big.height, 4 * factor if factor > 1 else 4)
    base.blend_over(big, 0, 0)
    return base


def solid(width, height, rgb):
    image = pixels.Image(width, height)
    image.fill((*rgb, 255))
    return image


def tiled(tile, width, height):
    out = pixels.Image(width, height)
    for y in range(0, height, tile.height):
        for x in range(0, width, tile.width):
            out.blend_over(tile, x, y)
    return out


def three_piece(base, left, centre, right, x, y, width, right_from_left=False):
    """Draws like the toolkit: left at x, the centre's column 0 repeated, the right piece at the end
    (the left piece mirrored for "_lr_" skins); the right piece's columns are taken from its right
    edge when the bitmap is wider than the piece."""
    piece = left.width
    base.blend_over(left, x, y)
    column = centre.crop(0, 0, 1, centre.height)
    for cx in range(x + piece, x + width - piece):
        base.blend_over(column, cx, y)
    r = left.mirrored() if right_from_left else right
    r = r.crop(r.width - piece, 0, piece, r.height) if r.width > piece else r
    base.blend_over(r, x + width - piece, y)


class Page:
    """Collects images and labels, then lays them out as one SVG rendered to PNG."""

    def __init__(self):
        self.items = []  # (x, y, image or None, text)
        self.x = PAD
        self.y = PAD
        self.row = 0

    def heading(self, title):
        self.newline()
        self.y += 10
        self.items.append((PAD, self.y + 20, None, title, 20))
        self.y += 32

    def newline(self):
        if self.row:
            self.y += self.row + PAD
        self.x = PAD
        self.row = 0

    def place(self, images, caption=""):
        width = sum(i.width for i in images) + 6 * (len(images) - 1)
        height = max(i.height for i in images) + (LABEL + 4 if caption else 0)
        if self.x + width > PAGE_WIDTH - PAD and self.x > PAD:
            self.newline()
        x = self.x
        for image in images:
            self.items.append((x, self.y, image, None, 0))
            x += image.width + 6
        if caption:
            self.items.append((self.x, self.y + height - 3, None, caption, 11))
        self.x += max(width, min(len(caption) * 6.2, 360)) + PAD
        self.row = max(self.row, height)

    def render(self, output):
        self.newline()
        height = self.y + PAD
        parts = [f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                 f'width="{PAGE_WIDTH}" height="{height}">',
                 f'<rect width="{PAGE_WIDTH}" height="{height}" fill="#f4f4f4"/>']
        for x, y, image, caption, size in self.items:
            if image is not None:
                data = base64.b64encode(pixels.write_png(image)).decode("ascii")
                parts.append(f'<image x="{x}" y="{y}" width="{image.width}" height="{image.height}" '
                             f'xlink:href="data:image/png;base64,{data}"/>')
            else:
                safe = caption.replace("&", "&amp;").replace("<", "&lt;")
                parts.append(f'<text x="{x}" y="{y}" font-family="DejaVu Sans" font-size="{size}" '
                             f'fill="#202020">{safe}</text>')
        parts.append("</svg>")
        with tempfile.TemporaryDirectory() as work:
            svg_path = os.path.join(work, "sheet.svg")
            with open(svg_path, "w", encoding="utf-8") as f:
                f.write("".join(parts))
            subprocess.run(["rsvg-convert", "--format=png", "-o", output, svg_path], check=True)


def assembled(page, load):
    page.heading("Assembled as the toolkit draws them")
    background = (0x37, 0x37, 0x37)
    for style in ("Normal", "Round", "Green", "Red"):
        states = []
        for pressed in (False, True):
            c = "_Clicked" if pressed else ""
            base = solid(130, 31, background)
            three_piece(base, load(f"Button_{style}{c}_Left"), load(f"Button_{style}{c}_Center"),
                        load(f"Button_{style}{c}_Right"), 5, 3, 120)
            states.append(base.scaled(2))
        page.place(states, f"Button {style}: normal (= hovered), pressed; 120 px, 2x")
    modern = "data/bitmaps/{}x20_button_modern_{}{}.bmp"
    states = []
    for state in ("", "hovered_", "clicked_"):
        base = tiled(load("data/bitmaps/40_bkg.bmp"), 130, 26)
        three_piece(base, load(modern.format(2, state, "left")), load(modern.format(1, state, "center")),
                    load(modern.format(2, state, "right")), 5, 3, 120)
        states.append(base.scaled(2))
    page.place(states, "widget modern button: normal, hovered, pressed; 2x")
    page.newline()
    for theme in ("dark", "light", "yellow"):
        states = []
        body = load(f"data/bitmaps/18_{theme}_bkg.bmp")
        for state in ("", "hovered_", "clicked_"):
            base = tiled(body, 24, 16)
            name = f"data/bitmaps/1x10_{theme}_button_tiny_{state}{{}}.bmp"
            three_piece(base, load(name.format("left")), load(name.format("center")), load(name.format("right")), 7, 3, 10)
            cross = "dark" if theme == "dark" else "light"
            base.blend_over(load(f"data/bitmaps/8_{cross}_cross_icon.bmp"), 8, 4)
            states.append(base.scaled(4))
        page.place(states, f"tiny {theme} button with cross: normal, hovered, pressed; 4x")
    page.newline()
    # Check boxes, radio buttons, fields.
    base = solid(300, 90, background)
    for i, name in enumerate(("CheckBox_Unchecked", "CheckBox_Hovered_Unchecked", "CheckBox_Checked", "CheckBox_Hovered_Checked")):
        base.blend_over(load(name), 10 + i * 25, 8)
    for i, name in enumerate(("RadioButton_Unchecked", "RadioButton_Hovered_Unchecked", "RadioButton_Checked",
                              "RadioButton_Hovered_Checked")):
        base.blend_over(load(name), 120 + i * 25, 8)
    three_piece(base, load("TextEdit_Left"), load("TextEdit_Center"), load("TextEdit_Right"), 10, 32, 120)
    three_piece(base, load("SpinBox_Left"), load("SpinBox_Center"), load("SpinBox_Right"), 140, 32, 60)
    base.blend_over(load("SpinBox_Center_Line"), 140 + 60 - 17, 33)
    base.blend_over(load("SpinBox_Up"), 140 + 60 - 16, 33)
    base.blend_over(load("SpinBox_Horizontal_Line"), 140 + 60 - 16, 43)
    base.blend_over(load("SpinBox_Clicked_Down"), 140 + 60 - 16, 44)
    for i, opened in enumerate(("", "_Clicked")):
        x = 10 + i * 140
        three_piece(base, load(f"ComboBox{opened}_Left"), load(f"ComboBox{opened}_Center"),
                    load(f"ComboBox{opened}_Right"), x, 62, 120)
        base.blend_over(load("ComboBox_Vertical_Line"), x + 120 - 17, 63)
        base.blend_over(load(f"ComboBox{opened}_Button"), x + 120 - 16, 63)
        base.blend_over(load("Language_ComboBox_English"), x + 5, 66)
    page.place([base.scaled(2)], "check boxes, radio buttons, text edit, spin box (down pressed), combo boxes; 2x")
    base = solid(150, 31, background)
    three_piece(base, load("DoubleButton_Left"), load("DoubleButton_Center"), load("DoubleButton_Right"), 5, 3, 60)
    base.blend_over(load("DoubleButton_Center_Line"), 65, 3)
    three_piece(base, load("DoubleButton_Clicked_Left"), load("DoubleButton_Clicked_Center"),
                load("DoubleButton_Clicked_Right"), 66, 3, 60)
    page.place([base.scaled(2)], "double button, right half pressed; 2x")
    labels = solid(130, 90, background)
    for i, colour in enumerate(("Gray", "Green", "Red")):
        three_piece(labels, load(f"Label_{colour}_Left"), load(f"Label_{colour}_Center"), load(f"Label_{colour}_Right"),
                    5, 3 + i * 29, 120)
    page.place([labels.scaled(2)], "colour labels; 2x")
    page.newline()
    # Scroll bars 150 high: built-in, then the widget files per theme.
    bars = []
    for prefix, width, arrow, back in (("VScrollBar", 21, 18, background),):
        bars.append(scroll_bar(load, width, arrow, back, f"{prefix}_Up_Button", f"{prefix}_Down_Button",
                               f"{prefix}_Center", f"{prefix}_Grip", f"{prefix}_Grip_Border", 0))
        bars.append(scroll_bar(load, width, arrow, back, f"{prefix}_Clicked_Up_Button", f"{prefix}_Down_Button",
                               f"{prefix}_Center", f"{prefix}_Clicked_Grip", f"{prefix}_Grip_Border", 60))
    for theme, back in (("", (41, 41, 41)), ("light_", (235, 235, 235)), ("yellow_", (253, 253, 196))):
        n = "data/bitmaps/13x{}_" + theme + "vscroll_{}.bmp"
        bars.append(scroll_bar(load, 13, 11, back, n.format(11, "up_button"), n.format(11, "clicked_down_button"),
                               n.format(1, "center"), n.format(1, "grip"), n.format(1, "grip_border"), 30))
        bars.append(scroll_bar(load, 13, 11, back, n.format(11, "up_button"), n.format(11, "down_button"),
                               n.format(1, "center"), n.format(1, "clicked_grip"), n.format(1, "grip_border"), 80))
    page.place([b.scaled(2) for b in bars], "scroll bars 150 high (built-in; dark, light, yellow widget files), normal and pressed; 2x")
    widget_views(page, load)
    main_window(page, load)


def scroll_bar(load, width, arrow, back, up, down, track, grip, border, thumb_top_in_track):
    height = 150
    base = solid(width + 8, height + 8, back)
    x, y = 4, 4
    for row in range(arrow, height - arrow):
        base.blend_over(load(track), x, y + row)
    thumb = 40
    top = y + arrow + thumb_top_in_track
    for row in range(thumb):
        base.blend_over(load(grip), x, top + row)
    base.blend_over(load(border), x, top)
    base.blend_over(load(border), x, top + thumb - 1)
    base.blend_over(load(up), x, y)
    base.blend_over(load(down), x, y + height - arrow)
    return base


def frame(image, rgb, top=0, bottom=None):
    bottom = image.height - 1 if bottom is None else bottom
    for x in range(image.width):
        image.set_pixel(x, top, (*rgb, 255))
        image.set_pixel(x, bottom, (*rgb, 255))
    for y in range(top, bottom + 1):
        image.set_pixel(0, y, (*rgb, 255))
        image.set_pixel(image.width - 1, y, (*rgb, 255))


def widget_views(page, load):
    page.newline()
    bkg = load("data/bitmaps/40_bkg.bmp")
    # A timer-like widget 198 x 86: buttons, icons, progress strip, frame.
    timer = tiled(bkg, 198, 86)
    modern = "data/bitmaps/{}x20_button_modern_{}{}.bmp"
    for i, (icon, state) in enumerate((("18_play_icon", ""), ("18_reset_icon", "hovered_"), ("16_exit_icon", "clicked_"))):
        x = 120 + i * 25
        three_piece(timer, load(modern.format(2, state, "left")), load(modern.format(1, state, "center")),
                    load(modern.format(2, state, "right")), x, 5, 22)
        image = load(f"data/bitmaps/{icon}.bmp")
        timer.blend_over(image, x + (22 - image.width) // 2, 5 + (20 - image.height) // 2)
    for x in range(1, 1 + 130):
        timer.blend_over(load("data/bitmaps/1x9_green_progress_bar.bmp"), x, 76)
    frame(timer, (109, 109, 109))
    for x in range(timer.width):
        timer.set_pixel(x, 75, (109, 109, 109, 255))
    timer.blend_over(load("data/bitmaps/24_tool_icon.bmp"), 5, 30)
    page.place([timer.scaled(2)], "widget body 198 x 86 with frame, modern buttons (normal, hovered, pressed), progress strip; 2x")
    # The message view's title band and body.
    view = tiled(bkg, 160, 80)
    band = tiled(load("data/bitmaps/40_bkg_2.bmp"), 160, 23)
    view.blend_over(band, 0, 0)
    frame(view, (109, 109, 109))
    page.place([view.scaled(2)], "message view: title band on body; 2x")
    for theme, rgb in (("dark", (109, 109, 109)), ("light", (170, 170, 170)), ("yellow", (196, 187, 83))):
        note = tiled(load(f"data/bitmaps/18_{theme}_bkg.bmp"), 120, 100)
        note.blend_over(tiled(load(f"data/bitmaps/18_{theme}_title_bkg.bmp"), 120, 23), 0, 0)
        frame(note, rgb)
        frame_line = [(x, 22) for x in range(120)]
        for x, y in frame_line:
            note.set_pixel(x, y, (*rgb, 255))
        glyph = "dark" if theme == "dark" else "light"
        for i, icon in enumerate(("plus", "cross")):
            x = 120 - 28 + i * 13
            name = f"data/bitmaps/1x10_{theme}_button_tiny_{{}}.bmp"
            three_piece(note, load(name.format("left")), load(name.format("center")), load(name.format("right")), x, 6, 10)
            note.blend_over(load(f"data/bitmaps/8_{glyph}_{icon}_icon.bmp"), x + 1, 7)
        t = "" if theme == "dark" else theme + "_"
        for row in range(30, 95):
            note.blend_over(load(f"data/bitmaps/13x1_{t}vscroll_center.bmp"), 120 - 15, row)
        page.place([note.scaled(2)], f"sticky note, {theme} theme; 2x")


def main_window(page, load):
    page.newline()
    window = tiled(load("data/bitmaps_menu/70_bkg_3.bmp"), 520, 258)
    menu = "data/bitmaps_menu/"
    window.blend_over(load(menu + "22x238_logo.bmp"), 2, 10)
    for x in range(31, 224):
        for y in range(88, 92):
            window.set_pixel(x, y, load(menu + "40_bkg_4.bmp").pixel(x % 40, y % 40))
    for x in range(231, 235):
        for y in range(10, 249):
            window.set_pixel(x, y, load(menu + "40_bkg_4.bmp").pixel(x % 40, y % 40))
    sets = [(31, 10, "2", "", "settings"), (132, 10, "2", "hovered_", "informations"), (31, 99, "1", "", "tasks"),
            (132, 99, "1", "clicked_", "sticky_notes"), (31, 178, "1", "", "counting"), (132, 178, "1", "", "stopwatch")]
    for x, y, which, state, icon in sets:
        lr = f"{menu}45x70_button_{state}lr_{which}.bmp" if state != "clicked_" else None
        if state == "clicked_":
            three_piece(window, load(f"{menu}45x70_button_clicked_left_{which}.bmp"),
                        load(f"{menu}1x70_button_clicked_c_{which}.bmp"),
                        load(f"{menu}45x70_button_clicked_right_{which}.bmp"), x, y, 91)
        else:
            centre = f"{menu}45x70_button_c_{which}.bmp" if not state else f"{menu}1x70_button_hovered_c_{which}.bmp"
            three_piece(window, load(lr), load(centre), None, x, y, 91, right_from_left=True)
        image = load(f"{menu}icons/51_{icon}_icon.bmp")
        window.blend_over(image, x + 20, y + 4)
    # The gray home button and the category buttons beside it.
    three_piece(window, load(menu + "172x85_button_gray_lr_5.bmp").crop(0, 0, 85, 85), load(menu + "1x85_button_gray_c_5.bmp"),
                None, 300, 10, 172, right_from_left=True)
    three_piece(window, load(menu + "172x85_button_gray_clicked_left_5.bmp").crop(0, 0, 85, 85),
                load(menu + "1x85_button_gray_clicked_c_5.bmp"), load(menu + "172x85_button_gray_clicked_right_5.bmp"),
                300, 100, 172)
    three_piece(window, load(menu + "20x36_button_lr_4.bmp"), load(menu + "1x36_button_c_4.bmp"), None, 250, 200, 41,
                right_from_left=True)
    window.blend_over(load(menu + "icons/32_back_icon.bmp"), 254, 202)
    three_piece(window, load(menu + "72x36_button_hovered_lr_3.bmp"), load(menu + "1x36_button_hovered_c_3.bmp"), None,
                300, 200, 160, right_from_left=True)
    window.blend_over(load(menu + "icons/25_timer_icon.bmp"), 306, 205)
    three_piece(window, load("data/bitmaps/2x20_button_modern_left.bmp"), load("data/bitmaps/1x20_button_modern_center.bmp"),
                load("data/bitmaps/2x20_button_modern_right.bmp"), 5, 230, 20)
    window.blend_over(load(menu + "icons/15_pin_icon.bmp"), 7, 232)
    page.place([window.scaled(2)], "main window: logo, rules, menu buttons (set 2 normal/hovered, set 1 normal/pressed), gray home buttons, back and category buttons; 2x")


def small_sizes(page, load, resources_dir):
    page.heading("Real sizes on light and dark backgrounds")
    for bg in ((240, 240, 240), (32, 32, 32), (0, 84, 166)):
        row = solid(150, 24, bg)
        row.blend_over(load("Language_ComboBox_English"), 4, 4)
        icon = os.path.join(resources_dir, "App_Icon.ico")
        frames = ico_frames(icon)
        x = 32
        for frame_image in frames:
            if frame_image.height <= 24:
                row.blend_over(frame_image, x, (24 - frame_image.height) // 2)
                x += frame_image.width + 6
        page.place([row, row.scaled(3)], f"flag and App_Icon 16/20/24 on RGB{bg}, 1x and 3x")
    page.newline()
    frames = ico_frames(os.path.join(resources_dir, "App_Icon.ico"))
    page.place([on_checker(f, 1) for f in frames], "App_Icon frames: " + ", ".join(str(f.width) for f in frames))


def ico_frames(path):
    import struct
    with open(path, "rb") as f:
        data = f.read()
    _, _, count = struct.unpack("<HHH", data[:6])
    frames = []
    for i in range(count):
        w, h, _, _, _, _, size, offset = struct.unpack("<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        w, h = w or 256, h or 256
        blob = data[offset:offset + size]
        if blob.startswith(b"\x89PNG"):
            frames.append(pixels.read_png(blob))
            continue
        image = pixels.Image(w, h)
        for y in range(h):
            for x in range(w):
                j = 40 + ((h - 1 - y) * w + x) * 4
                b, g, r, a = blob[j:j + 4]
                image.set_pixel(x, y, (r, g, b, a))
        frames.append(image)
    return frames


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--inventory", required=True)
    parser.add_argument("--resources", required=True)
    parser.add_argument("--files", required=True)
    parser.add_argument("-o", "--output", required=True)
    args = parser.parse_args()
    entries = inventory.load(args.inventory)
    load = Loader(entries, args.resources, args.files)
    page = Page()
    assembled(page, load)
    small_sizes(page, load, args.resources)
    page.heading("Every bitmap at 1x and 4x")
    for entry in entries:
        if entry.kind == "icon":
            continue
        image = load(entry.name)
        page.place([on_checker(image, 1), on_checker(image, 4)],
                   f"{entry.name} {entry.width}x{entry.height}")
    page.render(args.output)
    print(args.output)


if __name__ == "__main__":
    main()
