#!/usr/bin/env python3
"""Draws Mailvane's toolbar pictures, the list lamp and the program icon.

Each picture is a grid of characters, one per pixel, so it can be touched up by
hand; PALETTE says what each character stands for. Run from anywhere:

    python3 scripts/draw-pictures.py

and the files land in src/ui/res/pictures/. Output is byte-for-byte repeatable.
"""

import os
import struct
import sys

OUT_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                       'src', 'ui', 'res', 'pictures')

SIZE = 16

# The standard 16-colour VGA palette, in index order, with the grid character
# for each colour. '.' is the transparent key (magenta), which the toolbar and
# the list replace with their own background.
VGA = [
    ('K', (0x00, 0x00, 0x00)),  # black
    ('r', (0x80, 0x00, 0x00)),  # dark red
    ('g', (0x00, 0x80, 0x00)),  # dark green
    ('o', (0x80, 0x80, 0x00)),  # olive
    ('n', (0x00, 0x00, 0x80)),  # navy
    ('p', (0x80, 0x00, 0x80)),  # purple
    ('t', (0x00, 0x80, 0x80)),  # teal
    ('s', (0xC0, 0xC0, 0xC0)),  # silver
    ('d', (0x80, 0x80, 0x80)),  # grey
    ('R', (0xFF, 0x00, 0x00)),  # red
    ('G', (0x00, 0xFF, 0x00)),  # lime
    ('Y', (0xFF, 0xFF, 0x00)),  # yellow
    ('B', (0x00, 0x00, 0xFF)),  # blue
    ('.', (0xFF, 0x00, 0xFF)),  # magenta: transparent
    ('C', (0x00, 0xFF, 0xFF)),  # cyan
    ('W', (0xFF, 0xFF, 0xFF)),  # white
]
PALETTE = {ch: rgb for ch, rgb in VGA}
VGA_INDEX = {ch: i for i, (ch, _) in enumerate(VGA)}
TRANSPARENT = '.'
GREY, WHITE = 'd', 'W'
# Colours that survive into the disabled look: black and the deep colours.
# Light fills, bright red and the mid shades (teal, olive, grey) drop out.
INK = set('KrgnpB')

# ---------------------------------------------------------------------------
# Toolbar pictures, 16 x 16. Outlines are black so they hold up on a grey face.

# OK: thumb and index finger closed in a ring, the other fingers up.
OK = [
    ".......KK.......",
    "......KYoKKK....",
    "......KYoKYoK...",
    "......KYoKYoKKK.",
    "..KKK.KYoKYoKYoK",
    ".KYYYKKYoKYoKYoK",
    "KYoKKYKYoKYoKYoK",
    "KYK..KYYoKYoKYoK",
    "KYK..KYYYYYYYYoK",
    "KYK..KYYYYYYYYoK",
    "KYoKKYYYYYYYYYoK",
    ".KYYYYYYYYYYYYoK",
    "..KKKYYYYYYYYYoK",
    "....KWWWWWWWWWWK",
    "....KWWWWWWWWWsK",
    "....KKKKKKKKKKKK",
]

# Shared by edit, add and delete: a flat in-tray seen from the front. The
# pictures below are laid over it, so only their own pixels are drawn.
TRAY = [
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    ".KKKKKKKKKKKKKK.",
    "KnnnnnnnnnnnnnnK",
    "KCCCCCCCCCCCCCCK",
    "KttttttKKttttttK",
    "KttttttttttttttK",
    "KKKKKKKKKKKKKKKK",
]

# Edit: a white eraser in a blue sleeve, rubbing at the tray.
ERASER = [
    ".........KK.....",
    "........KCCK....",
    ".......KCCCCK...",
    "......KCCCCCCK..",
    ".....KWWCCCCBK..",
    "....KWWWWCCBBK..",
    "...KWWWWWWBBK...",
    "...KdWWWWsBK....",
    "...KddWWssK.....",
    "....KddssK......",
    ".....KdsK.......",
    "......KK........",
    "................",
    "................",
    "................",
    "................",
]

# Add: a star burst, something new arriving in the tray.
SPARKLE = [
    ".......K....K...",
    "......KYK..KYK..",
    "......KYK...K...",
    ".....KYWYK......",
    "...KKYWWWYKK....",
    ".KKYYWWWWWYYKK..",
    "...KKYWWWYKK....",
    ".....KYWYK......",
    "..K...KYK.......",
    ".KYK..KYK.......",
    "..K....K........",
    "................",
    "................",
    "................",
    "................",
    "................",
]

# Delete: a red cross over the tray.
CROSS = [
    "..KKK.....KKK...",
    "..KRRK...KRRK...",
    "...KRRK.KRRK....",
    "....KRRKRRK.....",
    ".....KRRRK......",
    "....KRRKRRK.....",
    "...KRRK.KRRK....",
    "..KRRK...KRRK...",
    "..KKK.....KKK...",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
]

# Cancel: two open hands, their arms crossed into an X.
CANCEL = [
    "....K......K....",
    "..KKYKK..KKYKK..",
    ".KYKYKYKKYKYKYK.",
    ".KYKYKYKKYKYKYK.",
    "KKYKYKYKKYKYKYKK",
    "KYKYYYYKKYYYYKYK",
    "KYYYYYYKKYYYYYYK",
    ".KYYYYoKKoYYYYK.",
    "..KWWWK..KWWWK..",
    "...KWWRKKRWWK...",
    "....KRRRKRRK....",
    ".....KRRRKK.....",
    ".....KKRRRK.....",
    "....KRRKRRRK....",
    "...KRRRKKRRRK...",
    "..KRRRK..KRRRK..",
]

# Select: a hand pressing a green light, the same lamp that marks the
# chosen row in the list.
SELECT = [
    "....gg..........",
    "...gWGg.........",
    "...gGGg.........",
    "....gg..........",
    "....KK..........",
    "...KYoK.........",
    "...KYoK.........",
    "...KYoKKK.......",
    "...KYoKYoKK.....",
    "...KYoKYoKYoKKK.",
    "KK.KYoKYoKYoKYoK",
    "KYKKYoKYoKYoKYoK",
    ".KYYYYYYYYYYYYoK",
    "..KWWWWWWWWWWWK.",
    "..KWWWWWWWWWWsK.",
    "..KKKKKKKKKKKKK.",
]

# Help: a yellow question mark, outlined so it reads on the button face.
HELP = [
    "....KKKKKKK.....",
    "...KYYYYYYYK....",
    "..KYYWWYYYYoK...",
    "..KYYoKKKYYYoK..",
    "..KKKK..KYYYoK..",
    ".......KYYYoK...",
    "......KYYYoK....",
    ".....KYYYoK.....",
    ".....KYYoK......",
    ".....KYYoK......",
    ".....KKKKK......",
    "................",
    ".....KKKK.......",
    ".....KYYoK......",
    ".....KYooK......",
    "......KKK.......",
]

# The mark of the chosen row in the list: a lit green lamp.
LAMP = [
    "................",
    "................",
    ".....KKKKKK.....",
    "....KggggggK....",
    "...KgGGGGGGgK...",
    "..KgGWWGGGGGgK..",
    "..KgGWGGGGGGgK..",
    "..KgGGGGGGGGgK..",
    "..KgGGGGGGGGgK..",
    "..KgGGGGGGGGgK..",
    "..KgGGGGGGGGgK..",
    "...KgGGGGGGgK...",
    "....KggggggK....",
    ".....KKKKKK.....",
    "................",
    "................",
]

# ---------------------------------------------------------------------------
# Program icon: a weather vane over an envelope, at 16 and 32 pixels.

ICON_16 = [
    ".KKK.......K....",
    "KYYYK.....KYK...",
    ".KYYYKKKKKKYYKK.",
    "..KYYYYYYYYYYYYK",
    ".KoooKKKKKKooKK.",
    "KoooK..Kd.KoK...",
    ".KKK...Kd..K....",
    ".......Kd.......",
    "KKKKKKKKKKKKKKKK",
    "KddWWWWWWWWWWddK",
    "KWWddWWWWWWddWsK",
    "KWWWWddWWddWWWsK",
    "KWWWWWWddWWWWWsK",
    "KWWWWWWWWWWWWWsK",
    "KssssssssssssssK",
    "KKKKKKKKKKKKKKKK",
]

ICON_32 = [
    "..............KYYK..............",
    ".............KYWYYK.............",
    ".............KYYYYK.............",
    "..KKKKKKKK....KYYK...KK.........",
    ".KYYYYYYYYK....KK...KYYKK.......",
    "..KYYYYYYYYK...Kd...KYYYYKK.....",
    "...KYYYYYYYK...Kd...KYYYYYYKK...",
    "....KYYYYYYKKKKKKKKKKYYYYYYYYKK.",
    "....KYYYYYYYYYYYYYYYYYYYYYYYYYYK",
    "....KYYYYYYYYYYYYYYYYooooooooooK",
    "....KooooooKKKKKKKKKKooooooooKK.",
    "...KoooooooK...Kd...KooooooKK...",
    "..KooooooooK...Kd...KooooKK.....",
    ".KooooooooK....Kd...KooKK.......",
    "..KKKKKKKKK....Kd....KK.........",
    "..........KKKKKKKKKKKK..........",
    "..........K....Kd....K..........",
    "...............Kd...............",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.",
    ".KddWWWWWWWWWWWWWWWWWWWWWWWWddK.",
    ".KWWddWWWWWWWWWWWWWWWWWWWWddWsK.",
    ".KWWWWddWWWWWWWWWWWWWWWWddWWWsK.",
    ".KWWWWWWddWWWWWWWWWWWWddWWWWWsK.",
    ".KWWWWWWWWddWWWWWWWWddWWWWWWWsK.",
    ".KWWWWWWWWWWddWWWWddWWWWWWWWWsK.",
    ".KWWWWWWWWWWWWddddWWWWWWWWWWWsK.",
    ".KWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.",
    ".KWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.",
    ".KWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.",
    ".KWWWWWWWWWWWWWWWWWWWWWWWWWWWsK.",
    ".KssssssssssssssssssssssssssssK.",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.",
]


# ---------------------------------------------------------------------------

def checked(grid, size=SIZE):
    """Catches hand-editing slips: a short row or an unknown colour."""
    if len(grid) != size or any(len(row) != size for row in grid):
        raise ValueError('grid must be %d x %d' % (size, size))
    for row in grid:
        for ch in row:
            if ch not in PALETTE:
                raise ValueError('unknown colour character %r' % ch)
    return grid


def over(bottom, top):
    """Lays `top` over `bottom`; transparent pixels of `top` show `bottom`."""
    return [''.join(t if t != TRANSPARENT else b for b, t in zip(brow, trow))
            for brow, trow in zip(bottom, top)]


def disabled(grid):
    """The embossed look of a disabled button: the picture's ink in grey, over a
    white copy shifted one pixel down and right."""
    ink = [[ch in INK for ch in row] for row in grid]
    out = []
    for y in range(SIZE):
        row = ''
        for x in range(SIZE):
            if ink[y][x]:
                row += GREY
            elif x > 0 and y > 0 and ink[y - 1][x - 1]:
                row += WHITE
            else:
                row += TRANSPARENT
        out.append(row)
    return out


def bmp_4bit(grid):
    """An uncompressed, bottom-up, 16-colour Windows BMP with the VGA palette."""
    height, width = len(grid), len(grid[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(grid):
        indices = [VGA_INDEX[ch] for ch in row]
        line = bytes(hi << 4 | lo for hi, lo in zip(indices[0::2], indices[1::2]))
        pixels += line.ljust(stride, b'\0')
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for _, (r, g, b) in VGA)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels),
                       2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def strip(grid):
    """Normal picture on the left, disabled one on the right."""
    grid = checked(grid)
    return [a + b for a, b in zip(grid, disabled(grid))]


def icon_image(grid):
    """One 32-bit BGRA image for an .ico: header, colours bottom-up, AND mask."""
    size = len(grid)
    checked(grid, size)
    colours = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(grid):
        bits = 0
        for ch in row:
            r, g, b = PALETTE[ch]
            opaque = ch != TRANSPARENT
            colours += struct.pack('<BBBB', b, g, r, 255) if opaque else b'\0\0\0\0'
            bits = bits << 1 | (0 if opaque else 1)
        mask += (bits << (mask_stride * 8 - size)).to_bytes(mask_stride, 'big')
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                       len(colours) + len(mask), 0, 0, 0, 0)
    return info + bytes(colours) + bytes(mask)


def ico(grids):
    images = [icon_image(g) for g in grids]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for grid, image in zip(grids, images):
        size = len(grid)
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32,
                           len(image), offset)
        offset += len(image)
    return out + b''.join(images)


def write(name, data):
    path = os.path.join(OUT_DIR, name)
    with open(path, 'wb') as f:
        f.write(data)
    print('%-12s %5d bytes' % (name, len(data)))


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    strips = {
        'ok.bmp': OK,
        'cancel.bmp': CANCEL,
        'select.bmp': SELECT,
        'edit.bmp': over(TRAY, ERASER),
        'add.bmp': over(TRAY, SPARKLE),
        'delete.bmp': over(TRAY, CROSS),
        'help.bmp': HELP,
    }
    for name, grid in strips.items():
        write(name, bmp_4bit(strip(grid)))
    write('lamp.bmp', bmp_4bit(checked(LAMP)))
    write('mvane.ico', ico([ICON_16, ICON_32]))
    return 0


if __name__ == '__main__':
    sys.exit(main())
