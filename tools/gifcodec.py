"""A small GIF89a encoder and decoder (one image, global palette, LZW).

Images are given as a width, a height and a row-major list of (r, g, b)
tuples. The encoder builds the palette from the colours in use, so an image
may hold at most 256 distinct colours.
"""

import struct

MAX_CODE = 4096


def _palette_bits(count):
    bits = 1
    while (1 << bits) < count:
        bits += 1
    return bits


def build_palette(pixels):
    """Colours in order of first use, and each pixel's index into them."""
    index_of = {}
    palette = []
    indices = []
    for colour in pixels:
        i = index_of.get(colour)
        if i is None:
            i = len(palette)
            index_of[colour] = i
            palette.append(colour)
        indices.append(i)
    if len(palette) > 256:
        raise ValueError("a GIF holds at most 256 colours, got %d" % len(palette))
    return palette, indices


class _BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.nbits = 0

    def write(self, code, size):
        self.acc |= code << self.nbits
        self.nbits += size
        while self.nbits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.nbits -= 8

    def flush(self):
        if self.nbits:
            self.out.append(self.acc & 0xFF)
        self.acc = 0
        self.nbits = 0
        return bytes(self.out)


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    writer = _BitWriter()

    def reset():
        return {}, end + 1, min_code_size + 1

    table, next_code, code_size = reset()
    writer.write(clear, code_size)
    if not indices:
        writer.write(end, code_size)
        return writer.flush()
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        writer.write(prefix, code_size)
        if next_code < MAX_CODE:
            table[key] = next_code
            next_code += 1
            # The decoder learns each code one step later, so widen once
            # the code just added no longer fits the current width.
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            writer.write(clear, code_size)
            table, next_code, code_size = reset()
        prefix = k
    writer.write(prefix, code_size)
    writer.write(end, code_size)
    return writer.flush()


def lzw_decode(data, min_code_size, expected):
    clear = 1 << min_code_size
    end = clear + 1
    pos = 0
    acc = 0
    nbits = 0
    out = []

    def reset():
        return [[i] for i in range(clear)] + [None, None], min_code_size + 1

    table, code_size = reset()
    prev = None
    while True:
        while nbits < code_size:
            if pos >= len(data):
                raise ValueError("LZW data ends without an end code")
            acc |= data[pos] << nbits
            pos += 1
            nbits += 8
        code = acc & ((1 << code_size) - 1)
        acc >>= code_size
        nbits -= code_size
        if code == clear:
            table, code_size = reset()
            prev = None
            continue
        if code == end:
            break
        if prev is None:
            if code >= clear:
                raise ValueError("first LZW code %d is not a literal" % code)
            entry = table[code]
        elif code < len(table):
            entry = table[code]
            if len(table) < MAX_CODE:
                table.append(prev + entry[:1])
        elif code == len(table):
            entry = prev + prev[:1]
            table.append(entry)
        else:
            raise ValueError("LZW code %d out of range" % code)
        out.extend(entry)
        prev = entry
        if len(table) == (1 << code_size) and code_size < 12:
            code_size += 1
    if len(out) != expected:
        raise ValueError("LZW gave %d pixels, expected %d" % (len(out), expected))
    return out


def encode_gif(width, height, pixels):
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the size")
    palette, indices = build_palette(pixels)
    bits = _palette_bits(len(palette))
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    for r, g, b in table:
        out += bytes((r, g, b))
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = max(2, bits)
    out.append(min_code_size)
    data = lzw_encode(indices, min_code_size)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    out.append(0x3B)
    return bytes(out)


def decode_gif(blob):
    """Return (width, height, pixels) of the first image of a GIF file."""
    if blob[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("not a GIF file")
    width, height, packed, _bg, _aspect = struct.unpack_from("<HHBBB", blob, 6)
    pos = 13
    global_table = None
    if packed & 0x80:
        size = 1 << ((packed & 7) + 1)
        global_table = [tuple(blob[pos + 3 * i:pos + 3 * i + 3]) for i in range(size)]
        pos += 3 * size
    while True:
        if pos >= len(blob):
            raise ValueError("no image in GIF file")
        tag = blob[pos]
        if tag == 0x21:  # extension: skip its sub-blocks
            pos += 2
            while blob[pos]:
                pos += blob[pos] + 1
            pos += 1
        elif tag == 0x2C:
            break
        else:
            raise ValueError("unexpected block 0x%02x" % tag)
    left, top, w, h, ipacked = struct.unpack_from("<HHHHB", blob, pos + 1)
    pos += 10
    if (left, top, w, h) != (0, 0, width, height):
        raise ValueError("image does not cover the whole screen")
    if ipacked & 0x40:
        raise ValueError("interlaced images are not supported")
    table = global_table
    if ipacked & 0x80:
        size = 1 << ((ipacked & 7) + 1)
        table = [tuple(blob[pos + 3 * i:pos + 3 * i + 3]) for i in range(size)]
        pos += 3 * size
    if table is None:
        raise ValueError("no colour table")
    min_code_size = blob[pos]
    pos += 1
    data = bytearray()
    while True:
        n = blob[pos]
        pos += 1
        if n == 0:
            break
        data += blob[pos:pos + n]
        pos += n
    if blob[pos:pos + 1] != b"\x3b":
        raise ValueError("missing GIF trailer")
    indices = lzw_decode(bytes(data), min_code_size, w * h)
    if max(indices) >= len(table):
        raise ValueError("pixel index beyond the colour table")
    return width, height, [table[i] for i in indices]
