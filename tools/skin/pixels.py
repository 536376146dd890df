"""Images as plain pixel lists and the file formats the skin needs: PNG in (what rsvg-convert
writes) and out (the contact sheet, icon frames), 32 bpp BMP out and back in, and the .ico container.

An Image holds straight (not premultiplied) RGBA bytes, row 0 at the top. Premultiplication
happens once, when a BMP is written, because that is what AlphaBlend with AC_SRC_ALPHA reads.
"""

import struct
import zlib


class Image:
    def __init__(self, width, height, rgba=None):
        if width <= 0 or height <= 0:
            raise ValueError(f"empty image {width}x{height}")
        self.width = width
        self.height = height
        self.rgba = bytearray(rgba) if rgba is not None else bytearray(width * height * 4)
        if len(self.rgba) != width * height * 4:
            raise ValueError("pixel data does not match the size")

    def pixel(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.rgba[i:i + 4])

    def set_pixel(self, x, y, rgba):
        i = (y * self.width + x) * 4
        self.rgba[i:i + 4] = bytes(rgba)

    def crop(self, x, y, width, height):
        if x < 0 or y < 0 or x + width > self.width or y + height > self.height:
            raise ValueError(f"crop {width}x{height}+{x}+{y} leaves the {self.width}x{self.height} image")
        out = Image(width, height)
        for row in range(height):
            start = ((y + row) * self.width + x) * 4
            out.rgba[row * width * 4:(row + 1) * width * 4] = self.rgba[start:start + width * 4]
        return out

    def repeat_column(self, x, width):
        """A new image `width` wide whose every column is column `x` of this one."""
        out = Image(width, self.height)
        for row in range(self.height):
            out.rgba[row * width * 4:(row + 1) * width * 4] = bytes(self.pixel(x, row)) * width
        return out

    def mirrored(self):
        out = Image(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                out.set_pixel(self.width - 1 - x, y, self.pixel(x, y))
        return out

    def scaled(self, factor):
        """Nearest-neighbour enlargement, so that every pixel stays visible as a square."""
        out = Image(self.width * factor, self.height * factor)
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                row += bytes(self.pixel(x, y)) * factor
            for k in range(factor):
                start = (y * factor + k) * out.width * 4
                out.rgba[start:start + len(row)] = row
        return out

    def blend_over(self, src, dx, dy):
        """Composites `src` onto this image at (dx, dy) the way AlphaBlend does with per-pixel
        alpha: dst = src * a + dst * (1 - a), clipped to this image."""
        for y in range(src.height):
            ty = dy + y
            if ty < 0 or ty >= self.height:
                continue
            for x in range(src.width):
                tx = dx + x
                if tx < 0 or tx >= self.width:
                    continue
                r, g, b, a = src.pixel(x, y)
                if a == 0:
                    continue
                dr, dg, db, da = self.pixel(tx, ty)
                inv = 255 - a
                self.set_pixel(tx, ty, (
                    (r * a + dr * inv + 127) // 255,
                    (g * a + dg * inv + 127) // 255,
                    (b * a + db * inv + 127) // 255,
                    a + (da * inv + 127) // 255,
                ))

    def fill(self, rgba):
        self.rgba[:] = bytes(rgba) * (self.width * self.height)


# ---- PNG ----

_PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(data):
    """Decodes an 8-bit RGBA or RGB, non-interlaced PNG (what rsvg-convert writes)."""
    if not data.startswith(_PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    pos = len(_PNG_SIGNATURE)
    header = None
    idat = bytearray()
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length:
            raise ValueError("truncated PNG chunk")
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError("PNG without header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError(f"unsupported PNG (depth {depth}, colour type {colour}, interlace {interlace})")
    channels = 4 if colour == 6 else 3
    stride = width * channels
    raw = zlib.decompress(bytes(idat))
    if len(raw) != height * (stride + 1):
        raise ValueError("PNG pixel data has the wrong length")
    pixels = bytearray(height * stride)
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 255
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, corner)) & 255
            elif kind != 0:
                raise ValueError(f"unknown PNG filter {kind}")
        pixels[y * stride:(y + 1) * stride] = line
        previous = line
    if channels == 4:
        return Image(width, height, pixels)
    rgba = bytearray()
    for i in range(0, len(pixels), 3):
        rgba += pixels[i:i + 3] + b"\xff"
    return Image(width, height, rgba)


def write_png(image):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    stride = image.width * 4
    raw = bytearray()
    for y in range(image.height):
        raw += b"\x00" + image.rgba[y * stride:(y + 1) * stride]
    return (_PNG_SIGNATURE
            + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


# ---- BMP ----

BITMAPFILEHEADER_SIZE = 14
BITMAPINFOHEADER_SIZE = 40


def premultiply(r, g, b, a):
    return ((r * a + 127) // 255, (g * a + 127) // 255, (b * a + 127) // 255, a)


def write_bmp(image):
    """A 32 bpp BI_RGB bottom-up BMP with premultiplied BGRA pixels, as LoadImageW with
    LR_CREATEDIBSECTION keeps them for AlphaBlend."""
    pixels = bytearray()
    for y in range(image.height - 1, -1, -1):
        for x in range(image.width):
            r, g, b, a = premultiply(*image.pixel(x, y))
            pixels += bytes((b, g, r, a))
    offset = BITMAPFILEHEADER_SIZE + BITMAPINFOHEADER_SIZE
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, image.width, image.height, 1, 32,
                              0, len(pixels), 2835, 2835, 0, 0)
    return file_header + info_header + pixels


def read_bmp(data):
    """Reads back what write_bmp writes; returns the straight-alpha image and the header fields
    that matter (for checks)."""
    magic, size, _, _, offset = struct.unpack("<2sIHHI", data[:BITMAPFILEHEADER_SIZE])
    if magic != b"BM" or size != len(data):
        raise ValueError("not a complete BMP file")
    header_size, width, height, planes, bpp, compression = struct.unpack(
        "<IiiHHI", data[BITMAPFILEHEADER_SIZE:BITMAPFILEHEADER_SIZE + 20])
    if header_size < BITMAPINFOHEADER_SIZE or planes != 1 or bpp != 32 or compression != 0:
        raise ValueError(f"not a 32 bpp BI_RGB BMP (bpp {bpp}, compression {compression})")
    bottom_up = height > 0
    height = abs(height)
    image = Image(width, height)
    for row in range(height):
        y = height - 1 - row if bottom_up else row
        for x in range(width):
            i = offset + (row * width + x) * 4
            b, g, r, a = data[i:i + 4]
            if a == 0:
                image.set_pixel(x, y, (0, 0, 0, 0))
            else:
                image.set_pixel(x, y, (min(255, (r * 255 + a // 2) // a), min(255, (g * 255 + a // 2) // a),
                                       min(255, (b * 255 + a // 2) // a), a))
    return image


def is_premultiplied(data):
    """True when no colour channel of the BMP's pixels exceeds its alpha."""
    _, _, _, _, offset = struct.unpack("<2sIHHI", data[:BITMAPFILEHEADER_SIZE])
    for i in range(offset, len(data), 4):
        b, g, r, a = data[i:i + 4]
        if max(b, g, r) > a:
            return False
    return True


# ---- ICO ----

def _ico_dib(image):
    """An icon frame as a DIB: BITMAPINFOHEADER with doubled height, straight-alpha BGRA rows
    bottom-up, then the 1 bpp AND mask (opaque where alpha is not 0, for old renderers)."""
    w, h = image.width, image.height
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = image.pixel(x, y)
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            if image.pixel(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, w, h * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + xor + mask


def write_ico(images):
    """A multi-size icon; frames of 256 pixels are stored as PNG, the others as DIBs."""
    frames = [write_png(image) if image.width >= 256 else _ico_dib(image) for image in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, frame in zip(images, frames):
        out += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, 0, 0, 1, 32, len(frame), offset)
        offset += len(frame)
    for frame in frames:
        out += frame
    return bytes(out)


def read_ico_sizes(data):
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    sizes = []
    for i in range(count):
        w, h = struct.unpack("<BB", data[6 + 16 * i:8 + 16 * i])
        sizes.append((w or 256, h or 256))
    return sizes
