"""Tests of the skin tools (tools/skin): the file formats they write and read, the inventory rules,
and the cut of three-piece skins from their drawings. The sizes and opacity of the shipped bitmaps
are checked on Tockly.exe itself (skin_resources_test.cpp)."""

import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import zlib

import build_skin
import inventory
import pixels

SOURCE = os.environ.get("TOCKLY_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
INVENTORY = os.path.join(SOURCE, "resources", "skin", "inventory.txt")


def png_with_filter(image, kind):
    """Encodes `image` with one PNG filter type on every row, as other encoders do."""
    stride = image.width * 4
    raw = bytearray()
    previous = bytearray(stride)
    for y in range(image.height):
        line = image.rgba[y * stride:(y + 1) * stride]
        out = bytearray()
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            predictor = {0: 0, 1: left, 2: up, 3: (left + up) >> 1, 4: pixels._paeth(left, up, corner)}[kind]
            out.append((line[i] - predictor) & 255)
        raw += bytes([kind]) + out
        previous = line

    def chunk(name, body):
        return struct.pack(">I", len(body)) + name + body + struct.pack(">I", zlib.crc32(name + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw))) + chunk(b"IEND", b""))


def sample_image():
    image = pixels.Image(5, 3)
    for y in range(3):
        for x in range(5):
            image.set_pixel(x, y, ((x * 60) % 256, (y * 100) % 256, (x * y * 37) % 256, (40 + x * 50 + y) % 256))
    return image


class BmpFiles(unittest.TestCase):
    def test_header_says_32_bpp_bottom_up_bi_rgb(self):
        data = pixels.write_bmp(sample_image())
        magic, size, _, _, offset = struct.unpack("<2sIHHI", data[:14])
        header_size, width, height, planes, bpp, compression, image_size = struct.unpack("<IiiHHII", data[14:38])
        self.assertEqual((magic, size, offset), (b"BM", len(data), 54))
        self.assertEqual((header_size, width, height, planes, bpp, compression), (40, 5, 3, 1, 32, 0))
        self.assertEqual(image_size, 5 * 3 * 4)

    def test_first_stored_row_is_the_bottom_row_in_bgra(self):
        image = pixels.Image(2, 2)
        image.set_pixel(0, 1, (10, 20, 30, 255))  # bottom left
        data = pixels.write_bmp(image)
        self.assertEqual(data[54:58], bytes((30, 20, 10, 255)))

    def test_colours_are_premultiplied_with_rounding(self):
        image = pixels.Image(1, 1)
        image.set_pixel(0, 0, (255, 128, 1, 128))
        data = pixels.write_bmp(image)
        self.assertEqual(data[54:58], bytes((1, 64, 128, 128)))  # B, G, R, A
        self.assertTrue(pixels.is_premultiplied(data))
        image.set_pixel(0, 0, (255, 255, 255, 0))
        self.assertEqual(pixels.write_bmp(image)[54:58], bytes(4), "transparent pixels carry no colour")

    def test_round_trip_keeps_opaque_pixels_exactly(self):
        image = pixels.Image(3, 2)
        image.fill((12, 200, 99, 255))
        self.assertEqual(pixels.read_bmp(pixels.write_bmp(image)).rgba, image.rgba)

    def test_reader_refuses_a_truncated_file(self):
        data = pixels.write_bmp(sample_image())
        with self.assertRaises(ValueError):
            pixels.read_bmp(data[:-4])


class PngFiles(unittest.TestCase):
    def test_every_filter_type_decodes_to_the_same_pixels(self):
        image = sample_image()
        for kind in range(5):
            with self.subTest(filter=kind):
                self.assertEqual(pixels.read_png(png_with_filter(image, kind)).rgba, image.rgba)

    def test_written_png_reads_back(self):
        image = sample_image()
        self.assertEqual(pixels.read_png(pixels.write_png(image)).rgba, image.rgba)

    def test_rejects_what_it_cannot_read(self):
        with self.assertRaises(ValueError):
            pixels.read_png(b"GIF89a")
        data = bytearray(pixels.write_png(sample_image()))
        data[24] = 16  # bit depth
        with self.assertRaises(ValueError):
            pixels.read_png(bytes(data))


class IconFiles(unittest.TestCase):
    def test_sizes_and_the_256_frame_stored_as_png(self):
        frames = [pixels.Image(s, s) for s in (16, 20, 24, 32, 48, 256)]
        data = pixels.write_ico(frames)
        self.assertEqual(pixels.read_ico_sizes(data), [(s, s) for s in (16, 20, 24, 32, 48, 256)])
        _, _, _, _, _, _, size, offset = struct.unpack("<BBBBHHII", data[6 + 5 * 16:22 + 5 * 16])
        self.assertTrue(data[offset:offset + size].startswith(b"\x89PNG"))
        _, _, _, _, _, _, size, offset = struct.unpack("<BBBBHHII", data[6:22])
        self.assertEqual(struct.unpack("<Ii", data[offset:offset + 8]), (40, 16))
        self.assertEqual(struct.unpack("<i", data[offset + 8:offset + 12])[0], 32)  # colour and mask rows

    def test_mask_marks_transparent_pixels_only(self):
        image = pixels.Image(16, 16)
        image.set_pixel(0, 15, (1, 2, 3, 255))  # bottom left opaque, stored first
        data = pixels.write_ico([image])
        mask = data[6 + 16 + 40 + 16 * 16 * 4:]
        self.assertEqual(mask[0] & 0x80, 0)
        self.assertEqual(mask[0] & 0x40, 0x40)


class InventoryRules(unittest.TestCase):
    """The rules the art build holds the inventory to; the shipped one is read by every build."""

    def parse(self, text):
        return inventory.parse(text)

    def test_names_that_differ_only_in_case_are_the_same_resource(self):
        with self.assertRaisesRegex(inventory.InventoryError, "listed again"):
            self.parse("res Tray_Exit 16x16 glyph:exit\nres TRAY_EXIT 16x16 glyph:exit\n")

    def test_a_file_name_size_must_match_the_size_column(self):
        with self.assertRaisesRegex(inventory.InventoryError, "promises 2x20"):
            self.parse("file data/bitmaps/2x20_button.bmp 3x20 modern_button:up\n")
        with self.assertRaisesRegex(inventory.InventoryError, "promises 40x40"):
            self.parse("file data/bitmaps/40_bkg.bmp 40x41 tile:widget\n")

    def test_a_cut_must_stay_inside_its_canvas(self):
        with self.assertRaisesRegex(inventory.InventoryError, "leaves"):
            self.parse("res A_Right 5x25 button:normal,up canvas=11x25 at=7,0\n")
        self.parse("res A_Right 5x25 button:normal,up canvas=11x25 at=6,0\n")

    def test_repeat_cuts_one_column(self):
        entry, = self.parse("file data/bitmaps_menu/45x70_c.bmp 45x70 menu_button:1,up canvas=91x70 at=90,0 repeat\n")
        self.assertTrue(entry.repeat)
        self.assertEqual(entry.at, (90, 0))

    def test_paths_and_kinds_are_checked(self):
        for text in ("bmp X 1x1 tile:menu\n", "file bitmaps/x.bmp 1x1 tile:menu\n", "file data/bitmaps/x.png 1x1 tile:menu\n",
                     "res X 0x4 tile:menu\n", "icon App 16,300 app_icon:\n"):
            with self.subTest(text=text), self.assertRaises(inventory.InventoryError):
                self.parse(text)


@unittest.skipUnless(shutil.which("rsvg-convert"), "needs rsvg-convert")
class RenderedSkin(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.entries = build_skin.build(INVENTORY, os.path.join(cls.work, "res"), os.path.join(cls.work, "bin"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def load(self, entry):
        if entry.kind == "res":
            path = os.path.join(self.work, "res", "bitmaps", entry.name + ".bmp")
        else:
            path = os.path.join(self.work, "bin", *entry.name.split("/"))
        with open(path, "rb") as f:
            return pixels.read_bmp(f.read())

    def test_no_bitmap_is_empty(self):
        for entry in self.entries:
            if entry.kind == "icon" or entry.name.endswith("_Grip_Border"):
                continue
            image = self.load(entry)
            self.assertTrue(any(image.rgba[i] for i in range(3, len(image.rgba), 4)), f"{entry.name} is blank")

    def test_three_pieces_fit_together(self):
        # Every left/centre/right family cut from one canvas must reassemble into that canvas.
        by_canvas = {}
        for entry in self.entries:
            if entry.canvas and not entry.repeat:
                key = (entry.drawing, tuple(entry.arguments), entry.canvas)
                by_canvas.setdefault(key, []).append(entry)
        checked = 0
        for (drawing, arguments, canvas), parts in by_canvas.items():
            if {p.at[0] for p in parts} != {0, (canvas[0] - 1) // 2, (canvas[0] + 1) // 2} or canvas[0] == 172:
                continue
            left = next(p for p in parts if p.at[0] == 0)
            centre = next(p for p in parts if p.at[0] == (canvas[0] - 1) // 2)
            right = next(p for p in parts if p.at[0] == (canvas[0] + 1) // 2)
            whole = pixels.Image(canvas[0], canvas[1])
            for part in (left, centre, right):
                image = self.load(part)
                for y in range(image.height):
                    for x in range(image.width):
                        whole.set_pixel(part.at[0] + x, y, image.pixel(x, y))
            # The right piece mirrors the left one where the skin is symmetric (not pressed), up to
            # the renderer's anti-aliasing.
            if "down" not in arguments:
                mirrored, actual = self.load(left).mirrored().rgba, self.load(right).rgba
                worst = max(abs(a - b) for a, b in zip(mirrored, actual))
                self.assertLessEqual(worst, 12, left.name)
            # The centre column continues both pieces without a step (one-pixel pieces are all edge).
            for y in range(canvas[1] if left.width > 1 else 0):
                for x in (left.width - 1, right.at[0]):
                    a, b = whole.pixel(x, y), whole.pixel(centre.at[0], y)
                    self.assertLessEqual(max(abs(p - q) for p, q in zip(a, b)), 40, f"{left.name} row {y}")
            checked += 1
        self.assertGreater(checked, 10)

    def test_lr_pieces_mirrored_meet_the_centre(self):
        # "_lr_" files are drawn mirrored for the right: the mirrored piece must continue the centre
        # column's colours at its inner edge, or a seam shows.
        for entry in self.entries:
            if "_lr_" not in entry.name or entry.width > 100:
                continue
            centre_name = entry.name.replace(f"{entry.width}x", "1x", 1).replace("_lr_", "_c_")
            centre = next((e for e in self.entries if e.name == centre_name), None)
            if centre is None:
                centre = next(e for e in self.entries if e.name == centre_name.replace("1x", f"{entry.width}x", 1))
            piece, middle = self.load(entry), self.load(centre)
            for y in range(piece.height):
                a, b = piece.pixel(piece.width - 1, y), middle.pixel(0, y)
                self.assertLessEqual(max(abs(p - q) for p, q in zip(a, b)), 12, f"{entry.name} row {y}")


if __name__ == "__main__":
    unittest.main()
