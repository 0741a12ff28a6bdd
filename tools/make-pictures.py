#!/usr/bin/python3
"""Draws every picture the utility shows and writes them into resources/.

The build does not run this: its output is committed. Run it again only to
change a picture:

    apt-get install python3-pil python3-numpy fonts-urw-base35
    /usr/bin/python3 tools/make-pictures.py

It is deterministic: with the same Pillow, it writes the same files.
"""

import pathlib
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "resources"
FONTS = pathlib.Path("/usr/share/fonts/opentype/urw-base35")

# The transparent purple of the small tree pictures, as the leaf's own pixels
# have it, and the purple behind the close button's glyph.
TREE_PURPLE = (123, 0, 123)
GLYPH_PURPLE = (128, 0, 128)


def from_rows(rows, colours):
    """A picture given pixel by pixel: one string per row, one letter per pixel."""
    picture = Image.new("RGB", (len(rows[0]), len(rows)))
    for y, row in enumerate(rows):
        assert len(row) == picture.width, row
        for x, letter in enumerate(row):
            picture.putpixel((x, y), colours[letter])
    return picture


# --- The folder tree's pictures ---------------------------------------------

TREE_COLOURS = {
    ".": TREE_PURPLE,
    "K": (0, 0, 0),
    "W": (255, 255, 255),
    "Y": (255, 255, 0),
    "G": (123, 123, 123),
}

LEAF = [
    "..............",
    ".GKKKKG.......",
    ".KWYWYK.......",
    "KKKKKKKKKK....",
    "KWYWYWYWYWK...",
    "KYWYWYWYWYK...",
    "KWYWYWYWYWK...",
    "KYWYWYWYWYK...",
    "KWYWYWYWYWK...",
    "KYWYWYWYWYK...",
    ".KKKKKKKKKK...",
    "..............",
    "..............",
    "..............",
]

# A folder with subfolders, closed: the leaf's shape, filled solid yellow
# with a white light along its upper left edges.
FOLDER_CLOSED = [
    "..............",
    ".GKKKKG.......",
    ".KWWWWK.......",
    "KKKKKKKKKK....",
    "KWWWWWWWWWK...",
    "KWYYYYYYYYK...",
    "KWYYYYYYYYK...",
    "KWYYYYYYYYK...",
    "KWYYYYYYYYK...",
    "KWYYYYYYYYK...",
    ".KKKKKKKKKK...",
    "..............",
    "..............",
    "..............",
]

# A folder with subfolders, opened: the back of the folder with its front
# flap folded down towards the viewer.
FOLDER_OPEN = [
    "..............",
    ".GKKKKG.......",
    ".KWWWWK.......",
    "KKKKKKKKKK....",
    "KWGGGGGGGK....",
    "KWGKKKKKKKKKK.",
    "KWKWWWWWWWWWK.",
    "KWKYYYYYYYYK..",
    "KKWYYYYYYYYK..",
    "KKYYYYYYYYK...",
    ".KKKKKKKKKK...",
    "..............",
    "..............",
    "..............",
]


def tree_pictures():
    from_rows(LEAF, TREE_COLOURS).save(OUT / "leaf.png")
    from_rows(FOLDER_CLOSED, TREE_COLOURS).save(OUT / "folder-closed.png")
    from_rows(FOLDER_OPEN, TREE_COLOURS).save(OUT / "folder-open.png")


# --- The About box's close button --------------------------------------------


def tick_mask():
    """The tick's body: a short stroke down to the right and a long one up."""
    mask = np.zeros((16, 16), bool)
    for x in range(3, 13):
        top = 7 + (x - 3) if x <= 6 else 10 - (x - 6)
        mask[top : top + 3, x] = True
    return mask


def grow(mask):
    """The mask and its eight neighbours of every pixel."""
    grown = mask.copy()
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            grown |= np.roll(np.roll(mask, dy, 0), dx, 1)
    return grown


def paint(picture, mask, colour, dx=0, dy=0):
    for y, x in zip(*np.nonzero(mask)):
        picture.putpixel((int(x) + dx, int(y) + dy), colour)


def close_glyph():
    body = tick_mask()
    glyph = Image.new("RGB", (32, 16), GLYPH_PURPLE)
    # Normal: red with a black outline.
    paint(glyph, grow(body) & ~body, (0, 0, 0))
    paint(glyph, body, (255, 0, 0))
    # Disabled: grey, with a white edge below and to the right, as the system
    # draws a disabled picture.
    paint(glyph, body, (255, 255, 255), 16 + 1, 1)
    paint(glyph, body, (128, 128, 128), 16)
    glyph.save(OUT / "close-glyph.png")


# --- The drive selector's pictures -------------------------------------------

DRIVE_COLOURS = {
    ".": (0, 0, 0, 0),
    "K": (0, 0, 0, 255),
    "W": (255, 255, 255, 255),
    "L": (192, 192, 192, 255),
    "D": (128, 128, 128, 255),
    "N": (0, 0, 128, 255),
    "G": (0, 255, 0, 255),
    "g": (0, 128, 0, 255),
}

# A 3.5" diskette: metal shutter above, paper label below.
FLOPPY = [
    "................",
    ".KKKKKKKKKKKKK..",
    ".KNNLLLLLLLNNNK.",
    ".KNNLLLLDDLNNNK.",
    ".KNNLLLLDDLNNNK.",
    ".KNNLLLLDDLNNNK.",
    ".KNNLLLLLLLNNNK.",
    ".KNNNNNNNNNNNNK.",
    ".KNWWWWWWWWWWNK.",
    ".KNWDDDDDDDDWNK.",
    ".KNWWWWWWWWWWNK.",
    ".KNWDDDDDDDDWNK.",
    ".KNWWWWWWWWWWNK.",
    ".KNWWWWWWWWWWNK.",
    ".KKKKKKKKKKKKKK.",
    "................",
]

# A hard disk: a flat grey box seen from above, its busy light green.
HARD_DISK = [
    "................",
    "................",
    "................",
    "................",
    "....KKKKKKKKKKK.",
    "...KWWWWWWWWWKK.",
    "..KLLLLLLLLLKDK.",
    ".KKKKKKKKKKKKDK.",
    ".KLLLLLLLLLLKDK.",
    ".KLGgLLLLLLLKDK.",
    ".KLLLLLLLLLLKK..",
    ".KKKKKKKKKKKK...",
    "................",
    "................",
    "................",
    "................",
]

# The same box on a cable that joins the network.
NETWORK = [
    "................",
    "....KKKKKKKKKKK.",
    "...KWWWWWWWWWKK.",
    "..KLLLLLLLLLKDK.",
    ".KKKKKKKKKKKKDK.",
    ".KLLLLLLLLLLKDK.",
    ".KLGgLLLLLLLKDK.",
    ".KLLLLLLLLLLKK..",
    ".KKKKKKKKKKKK...",
    "......KK........",
    "......KK........",
    "......KK........",
    "KKKKKKKKKKKKKKKK",
    "DDDDDDDDDDDDDDDD",
    "................",
    "................",
]

# A memory chip: the RAM disk.
RAM_CHIP = [
    "................",
    "................",
    "................",
    "..L.L.L.L.L.L...",
    "..L.L.L.L.L.L...",
    ".KKKKKKKKKKKKK..",
    ".KDDDDDDDDDDDK..",
    ".KDWKKKKKKKKDK..",
    ".KDKKKKKKKKKDK..",
    ".KDKKKKKKKKKDK..",
    ".KKKKKKKKKKKKK..",
    "..L.L.L.L.L.L...",
    "..L.L.L.L.L.L...",
    "................",
    "................",
    "................",
]


def from_rows_rgba(rows):
    picture = Image.new("RGBA", (16, 16))
    for y, row in enumerate(rows):
        assert len(row) == 16, row
        for x, letter in enumerate(row):
            picture.putpixel((x, y), DRIVE_COLOURS[letter])
    return picture


def compact_disc():
    """A silver disc with a rainbow sheen, a black rim and a hole."""
    picture = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    sheen = [(0, 255, 255), (255, 0, 255), (255, 255, 0)]
    for y in range(16):
        for x in range(16):
            dx, dy = x - 7.5, y - 7.5
            distance = (dx * dx + dy * dy) ** 0.5
            if distance > 7.3 or distance < 1.6:
                continue
            if distance > 6.3 or distance < 2.6:
                colour = (0, 0, 0)
            elif distance < 3.6:
                colour = (128, 128, 128)
            elif dx > 0 and dy < 0 and abs(dx + dy) < 2.0:
                colour = sheen[min(2, int(distance - 3.6))]
            elif dx < 0 and dy > 0 and abs(dx + dy) < 1.5:
                colour = (255, 255, 255)
            else:
                colour = (192, 192, 192)
            picture.putpixel((x, y), colour + (255,))
    return picture


def drive_pictures():
    from_rows_rgba(FLOPPY).save(OUT / "drive-removable.png")
    from_rows_rgba(HARD_DISK).save(OUT / "drive-fixed.png")
    from_rows_rgba(NETWORK).save(OUT / "drive-network.png")
    compact_disc().save(OUT / "drive-cd.png")
    from_rows_rgba(RAM_CHIP).save(OUT / "drive-ram.png")


# --- The program icon -----------------------------------------------------------

ICON_DRAW = 512  # drawn this large, then scaled down
GOLD = (222, 176, 36)
GOLD_DARK = (140, 96, 10)
DARK_RED = (128, 0, 0)
BLOOD = (40, 0, 0)
BONE = (246, 240, 222)


def circle(draw, cx, cy, r, fill):
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill)


def ornament_ring(draw, c):
    """The gold ring with its dark red jewels, set along it."""
    circle(draw, c, c, 0.99 * c, GOLD_DARK)
    circle(draw, c, c, 0.94 * c, GOLD)
    circle(draw, c, c, 0.74 * c, GOLD_DARK)
    circle(draw, c, c, 0.70 * c, BLOOD)
    ring = 0.84 * c
    for k in range(8):
        angle = np.pi * k / 4
        x, y = c + ring * np.sin(angle), c - ring * np.cos(angle)
        # A jewel: a dark red diamond, its long axis along the ring.
        s, t = 0.09 * c, 0.12 * c
        points = []
        for along, across in ((s, 0), (0, t), (-s, 0), (0, -t)):
            points.append(
                (
                    x + along * np.sin(angle) + across * np.cos(angle),
                    y - along * np.cos(angle) + across * np.sin(angle),
                )
            )
        draw.polygon(points, fill=DARK_RED)


def grinning_skull(draw, c):
    """A skull facing the viewer, grinning, its eyes glowing red.

    Laid out on the grid of the 32-pixel icon, so that it stays sharp there.
    """
    p = c / 16  # one pixel of the 32-pixel icon

    def box(left, top, right, bottom):
        return (left * p, top * p, right * p, bottom * p)

    black = (0, 0, 0)
    draw.ellipse(box(8, 6, 24, 21), fill=BONE)
    draw.rounded_rectangle(box(10, 16, 22, 26), radius=2 * p, fill=BONE)
    # Eye sockets, each with a red eye.
    draw.ellipse(box(9.5, 12.5, 15, 18.5), fill=black)
    draw.ellipse(box(17, 12.5, 22.5, 18.5), fill=black)
    draw.rectangle(box(11, 14, 13, 16), fill=(255, 0, 0))
    draw.rectangle(box(19, 14, 21, 16), fill=(255, 0, 0))
    # The nose.
    draw.polygon([(16 * p, 17.5 * p), (14.5 * p, 20.5 * p), (17.5 * p, 20.5 * p)], fill=black)
    # The grin: a dark mouth, turned up at its corners, full of teeth.
    draw.rectangle(box(11, 22, 21, 25), fill=black)
    draw.rectangle(box(10, 21, 11, 23), fill=black)
    draw.rectangle(box(21, 21, 22, 23), fill=black)
    for left in range(12, 21, 2):
        draw.rectangle(box(left, 22, left + 1, 25), fill=BONE)
    draw.rectangle(box(11, 23.4, 21, 23.6), fill=black)


def icon_master():
    picture = Image.new("RGBA", (ICON_DRAW, ICON_DRAW), DARK_RED + (0,))
    draw = ImageDraw.Draw(picture)
    c = ICON_DRAW / 2
    ornament_ring(draw, c)
    grinning_skull(draw, c)
    return picture


# The 16 colours of the system palette, which the 16-colour icons use.
SYSTEM_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # fmt: skip

ICON_COLOURS = {
    "K": (0, 0, 0, 255),
    "R": (128, 0, 0, 255),
    "r": (255, 0, 0, 255),
    "O": (128, 128, 0, 255),
    "Y": (255, 255, 0, 255),
    "W": (255, 255, 255, 255),
    "L": (192, 192, 192, 255),
}

# The 16-pixel icon, pixel by pixel: scaled down, the big one blurs. "."
# is transparent.
SMALL_ICON = [
    ".....OOOOOO.....",
    "...OOYYRRYYOO...",
    "..OYYYYRRYYYYO..",
    ".OYYYKKKKKKYYYO.",
    ".OYYKKWWWWKKYYO.",
    "OYYKWWWWWWWWKYYO",
    "OYKWKKKWWKKKWKYO",
    "ORKWKrKWWKrKWKRO",
    "ORKWWWWKKWWWWKRO",
    "OYKKWWWWWWWWKKYO",
    "OYYKWKWKKWKWKYYO",
    ".OYYKWWWWWWKYYO.",
    ".OYYYKKKKKKYYYO.",
    "..OYYYYRRYYYYO..",
    "...OOYYRRYYOO...",
    ".....OOOOOO.....",
]


def small_icon():
    picture = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    for y, row in enumerate(SMALL_ICON):
        for x, letter in enumerate(row):
            if letter != ".":
                picture.putpixel((x, y), ICON_COLOURS[letter])
    return picture


def icon_pictures():
    """The icon at 16, 32 and 48 pixels, in full colour with alpha."""
    master = icon_master()
    pictures = {size: master.resize((size, size), Image.LANCZOS) for size in (32, 48)}
    pictures[16] = small_icon()
    return pictures


def opaque(picture):
    """Which pixels the icon's mask keeps."""
    return np.asarray(picture)[:, :, 3] >= 128


def nearest_indices(picture, palette):
    rgb = np.asarray(picture)[:, :, :3].astype(int)
    colours = np.array(palette)
    distances = ((rgb[:, :, None, :] - colours[None, None, :, :]) ** 2).sum(axis=3)
    return distances.argmin(axis=2)


def adaptive_palette(picture):
    """Up to 256 colours chosen for the picture's opaque pixels."""
    rgb = Image.new("RGB", picture.size, DARK_RED)
    rgb.paste(picture, mask=Image.fromarray((opaque(picture) * 255).astype(np.uint8)))
    reduced = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat = reduced.getpalette()[: 3 * len(reduced.getcolors())]
    palette = [tuple(flat[k : k + 3]) for k in range(0, len(flat), 3)]
    return [(0, 0, 0)] + palette + [(0, 0, 0)] * (255 - len(palette))


def dib_rows(indices, bits):
    """Rows of pixel indices, bottom row first, each padded to four bytes."""
    data = bytearray()
    per_byte = 8 // bits
    for row in indices[::-1]:
        packed = bytearray()
        for start in range(0, len(row), per_byte):
            value = 0
            for index in row[start : start + per_byte]:
                value = (value << bits) | int(index)
            packed.append(value)
        packed += bytes(-len(packed) % 4)
        data += packed
    return bytes(data)


def icon_image(picture, bits, palette):
    """One image of an .ico file: header, palette, colour bits and mask."""
    mask = opaque(picture)
    indices = np.where(mask, nearest_indices(picture, palette), 0)
    colour = dib_rows(indices, bits)
    transparency = dib_rows((~mask).astype(int), 1)
    size = picture.width
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(colour) + len(transparency), 0, 0, 0, 0
    )
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + table + colour + transparency


def write_ico(path, entries):
    """An .ico file holding (picture, bits per pixel, palette) images."""
    images = [icon_image(*entry) for entry in entries]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for (picture, bits, _), image in zip(entries, images):
        count = 1 << bits if bits < 8 else 0
        size = picture.width
        directory += struct.pack("<BBBBHHII", size, size, count, 0, 1, bits, len(image), offset)
        offset += len(image)
    path.write_bytes(directory + b"".join(images))


def program_icon():
    pictures = icon_pictures()
    for size, picture in pictures.items():
        picture.save(OUT / "icons" / f"kestrune-{size}.png")
    write_ico(
        OUT / "kestrune.ico",
        [
            (pictures[16], 4, SYSTEM_16),
            (pictures[32], 4, SYSTEM_16),
            (pictures[32], 8, adaptive_palette(pictures[32])),
        ],
    )


# --- The main window's backdrop ---------------------------------------------------

BACKDROP_SIZE = (480, 321)
BACKDROP_GREY = (128, 128, 128)
PARCHMENT = np.array((246, 234, 178), float)
PARCHMENT_EDGE = np.array((206, 172, 104), float)
SCALE = 2  # drawn at twice the size, then scaled down to smooth the edges


def smooth_noise(rng, size, cells):
    """Noise in -1..1 that changes gently over about size / cells pixels."""
    width, height = size
    grid = rng.uniform(0, 255, (cells[1], cells[0])).astype(np.uint8)
    return np.asarray(Image.fromarray(grid).resize(size, Image.BICUBIC), float) / 127.5 - 1


def fractal_noise(rng, size, octaves):
    total = np.zeros((size[1], size[0]))
    for k, weight in enumerate(octaves):
        cells = (4 * 2**k + 1, 3 * 2**k + 1)
        total += weight * smooth_noise(rng, size, cells)
    return total


def blurred(mask, radius):
    picture = Image.fromarray((mask * 255).astype(np.uint8))
    return np.asarray(picture.filter(ImageFilter.GaussianBlur(radius)), float) / 255


def sheet_mask(rng, width, height, left, right, top, bottom):
    """The sheet between the rolls, its upper and lower edges a little ragged."""
    xs = np.arange(width)
    wobble = smooth_noise(rng, (width, 1), (40, 1))[0] * 1.5 * SCALE
    top_edge = top + wobble + 1.5 * SCALE * np.sin(xs / (23.0 * SCALE))
    bottom_edge = bottom - wobble[::-1] + 1.5 * SCALE * np.sin(xs / (31.0 * SCALE) + 1)
    ys = np.arange(height)[:, None]
    inside = (ys >= top_edge) & (ys <= bottom_edge) & (xs >= left) & (xs <= right)
    distance = np.minimum(ys - top_edge, bottom_edge - ys)
    return inside, distance


def roll(canvas, alpha, centre, half_width, top, bottom):
    """One curled end: a cylinder of parchment seen from the front, its
    rolled-up edge showing as a spiral at the top."""
    height, width = alpha.shape
    xs = np.arange(width)
    ys = np.arange(height)[:, None]
    t = (xs - centre) / half_width
    across = np.clip(1 - t * t, 0, 1)
    # Light from the upper left.
    shade = 0.62 + 0.38 * np.sqrt(across) - 0.10 * t + 0.18 * np.exp(-(((t + 0.4) / 0.2) ** 2))
    end = 6.0 * SCALE
    body_top = top + end * np.sqrt(across)
    body_bottom = bottom + end * 0.8 * np.sqrt(across)
    body = (np.abs(t) <= 1) & (ys >= body_top) & (ys <= body_bottom)
    roll_colour = PARCHMENT * np.array((0.97, 0.93, 0.84))
    colour = roll_colour[None, None, :] * np.clip(shade, 0, 1.1)[None, :, None]
    canvas[body] = np.broadcast_to(colour, canvas.shape)[body]
    alpha[body] = 1
    # The top of the roll: its rolled edge, a spiral of darker lines.
    ellipse = ((xs - centre) / half_width) ** 2 + ((ys - top) / end) ** 2
    cap = ellipse <= 1
    canvas[cap] = PARCHMENT_EDGE * 0.95
    alpha[cap] = 1
    for k, radius in enumerate((0.82, 0.60, 0.38, 0.17)):
        shift = (-1) ** k * 0.12 * half_width
        ring = ((xs - centre - shift) / (radius * half_width)) ** 2 + (
            (ys - top) / (radius * end)
        ) ** 2
        line = cap & (np.abs(ring - 1) < 0.28 / radius)
        canvas[line] = PARCHMENT_EDGE * 0.62
    # Its outline against the grey.
    shape = body | cap
    edge = (blurred(shape, 1.0 * SCALE) > 0.12) & ~shape
    canvas[edge] = PARCHMENT_EDGE * 0.55
    alpha[edge] = 1


def backdrop():
    rng = np.random.default_rng(1999)
    width, height = BACKDROP_SIZE[0] * SCALE, BACKDROP_SIZE[1] * SCALE
    canvas = np.zeros((height, width, 3))
    alpha = np.zeros((height, width))

    inside, distance = sheet_mask(rng, width, height, 58 * SCALE, 446 * SCALE, 11 * SCALE, 310 * SCALE)
    # Gentle mottling, calm where the labels lie, and darker, aged edges.
    mottle = fractal_noise(rng, (width, height), (0.5, 0.3, 0.2))
    grain = rng.normal(0, 1, (height, width))
    tone = PARCHMENT[None, None, :] * (1 + 0.035 * mottle[:, :, None] + 0.008 * grain[:, :, None])
    age = np.clip(1 - distance / (18.0 * SCALE), 0, 1) ** 1.5
    stains = np.clip(fractal_noise(rng, (width, height), (0.6, 0.4)) - 0.35, 0, 1) * 1.2
    age = np.clip(age + stains * 0.22, 0, 1)
    sheet = tone * (1 - age[:, :, None]) + PARCHMENT_EDGE[None, None, :] * age[:, :, None]
    canvas[inside] = sheet[inside]
    alpha[inside] = 1
    # Where the sheet goes into a roll it lies in the roll's shadow.
    xs = np.arange(width)
    for centre in (52 * SCALE, 452 * SCALE):
        gap = np.abs(xs - centre) - 14 * SCALE
        shadow = np.clip(1 - gap / (10.0 * SCALE), 0, 1) * 0.22
        canvas[inside] *= (1 - shadow[None, :].repeat(height, 0)[inside])[:, None]

    for centre in (52 * SCALE, 452 * SCALE):
        roll(canvas, alpha, centre, 14 * SCALE, 8 * SCALE, 308 * SCALE)

    # A soft shadow on the grey below and to the right.
    shade = np.roll(np.roll(blurred(alpha, 4 * SCALE), 3 * SCALE, 0), 3 * SCALE, 1)
    ground = np.array(BACKDROP_GREY, float)[None, None, :] * (1 - 0.28 * shade[:, :, None])
    picture = canvas * alpha[:, :, None] + ground * (1 - alpha[:, :, None])
    picture = Image.fromarray(np.clip(picture, 0, 255).astype(np.uint8))
    return picture.resize(BACKDROP_SIZE, Image.LANCZOS)


# --- The main window's small portrait ---------------------------------------------

PORTRAIT_SIZE = (40, 50)
PORTRAIT_DRAW = 8  # drawn eight times larger, then scaled down


def portrait_background(width, height):
    """Purple above, dark red below, a dull red glow behind the head."""
    ys = np.linspace(0, 1, height)[:, None, None]
    xs = np.linspace(-1, 1, width)[None, :, None]
    purple, red = np.array((84, 24, 110), float), np.array((128, 12, 24), float)
    colour = purple * (1 - ys) + red * ys
    glow = np.exp(-((xs * 1.2) ** 2 + ((ys - 0.42) * 2.2) ** 2))
    colour = colour * (0.55 + 0.45 * glow) + np.array((60, 0, 10)) * glow * 0.5
    return Image.fromarray(np.clip(colour, 0, 255).astype(np.uint8))


def portrait():
    k = PORTRAIT_DRAW
    width, height = PORTRAIT_SIZE[0] * k, PORTRAIT_SIZE[1] * k
    picture = portrait_background(width, height)
    draw = ImageDraw.Draw(picture)

    def at(points):
        return [(x * k, y * k) for x, y in points]

    def box(left, top, right, bottom):
        return (left * k, top * k, right * k, bottom * k)

    # The cloak on the shoulders, and the hood: a lit rim around a dark cowl.
    cloak = [(-2, 50), (2, 40), (9, 35), (31, 35), (38, 40), (42, 50)]
    draw.polygon(at(cloak), fill=(58, 30, 64))
    draw.line(at([(20, 40), (17, 50)]), fill=(30, 14, 36), width=k)
    draw.line(at([(24, 41), (27, 50)]), fill=(30, 14, 36), width=k)
    hood = [(20, 2), (27, 7), (32, 16), (34, 30), (35, 42), (28, 44), (12, 44), (5, 42), (6, 30),
            (8, 16), (13, 7)]  # fmt: skip
    draw.polygon(at(hood), fill=(104, 70, 120))
    inner = [(20, 4), (26, 8), (30, 16), (32, 30), (33, 41), (7, 41), (8, 30), (10, 16), (14, 8)]
    draw.polygon(at(inner), fill=(44, 22, 52))
    draw.ellipse(box(11.5, 9, 28.5, 42), fill=(8, 2, 10))
    # A gold clasp holds the cloak.
    draw.ellipse(box(18, 42, 22, 46), fill=(220, 180, 60))

    # The skull, pale yellow, its top in the shadow of the hood.
    bone, shade = (238, 228, 150), (170, 150, 84)
    draw.ellipse(box(13, 12, 27, 32), fill=shade)
    draw.ellipse(box(13.5, 14, 26.5, 32), fill=bone)
    draw.rounded_rectangle(box(15, 27, 25, 38), radius=2 * k, fill=bone)
    for centre in (16.8, 23.2):
        draw.ellipse(box(centre - 2.6, 19.5, centre + 2.6, 24.5), fill=(10, 0, 0))
        draw.ellipse(box(centre - 1.3, 20.8, centre + 1.3, 23.4), fill=(255, 36, 20))
        draw.ellipse(box(centre - 0.5, 21.3, centre + 0.3, 22.2), fill=(255, 200, 150))
    draw.polygon(at([(20, 25.5), (18.7, 29), (21.3, 29)]), fill=(40, 20, 10))
    draw.rectangle(box(16, 31.5, 24, 34.5), fill=(30, 14, 8))
    for left in np.arange(16.3, 24, 1.6):
        draw.rectangle(box(left, 31.7, left + 1.0, 34.3), fill=bone)
    draw.line(at([(16, 33), (24, 33)]), fill=(30, 14, 8), width=k // 2)

    picture = picture.filter(ImageFilter.GaussianBlur(k / 3))
    return picture.resize(PORTRAIT_SIZE, Image.LANCZOS)


# --- The maker's logo ----------------------------------------------------------------

LOGO_SIZE = (263, 115)
LOGO_DRAW = 4
LOGO_FONT = FONTS / "P052-Bold.otf"


def gold_fill(mask, top, bottom):
    """Gold that shines at the top of the mask's extent and darkens below."""
    height = mask.height
    ramp = np.linspace(0, 1, height)[:, None, None]
    light, dark = np.array((255, 236, 140), float), np.array((176, 112, 18), float)
    shine = np.clip((ramp * height - top) / max(1, bottom - top), 0, 1)
    colour = light * (1 - shine) + dark * shine
    colour = np.broadcast_to(colour, (height, mask.width, 3))
    return Image.fromarray(colour.astype(np.uint8))


def logo_background(width, height):
    ys = np.linspace(-1, 1, height)[:, None, None]
    xs = np.linspace(-1, 1, width)[None, :, None]
    glow = np.exp(-((xs * 0.9) ** 2 + (ys * 1.4) ** 2))
    colour = np.array((14, 6, 10), float) + np.array((92, 16, 22), float) * glow
    return Image.fromarray(np.clip(colour, 0, 255).astype(np.uint8))


def sword_emblem(draw, k):
    """A sword, point up, with a broad cross-guard, in a gold ring."""

    def box(cx, cy, r):
        return ((cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k)

    cx, cy = 56, 57
    draw.ellipse(box(cx, cy, 47), fill=(120, 76, 10))
    draw.ellipse(box(cx, cy, 45), fill=(226, 180, 60))
    draw.ellipse(box(cx, cy, 40), fill=(120, 76, 10))
    draw.ellipse(box(cx, cy, 38.5), fill=(40, 6, 10))
    blade = [(cx, 22), (cx + 5, 31), (cx + 5, 69), (cx - 5, 69), (cx - 5, 31)]
    draw.polygon([(x * k, y * k) for x, y in blade], fill=(214, 218, 228))
    draw.polygon([(cx * k, 22 * k), (cx * k, 69 * k), ((cx - 5) * k, 69 * k), ((cx - 5) * k, 31 * k)],
                 fill=(150, 156, 170))  # fmt: skip
    draw.rounded_rectangle(((cx - 24) * k, 68 * k, (cx + 24) * k, 74 * k), radius=3 * k,
                           fill=(226, 180, 60), outline=(120, 76, 10), width=k)  # fmt: skip
    for side in (-1, 1):
        draw.ellipse(box(cx + side * 25, 71, 4), fill=(226, 180, 60), outline=(120, 76, 10), width=k)
    draw.rectangle(((cx - 3) * k, 74 * k, (cx + 3) * k, 86 * k), fill=(90, 40, 20))
    for y in range(76, 86, 3):
        draw.line(((cx - 3) * k, y * k, (cx + 3) * k, (y + 2) * k), fill=(140, 80, 40), width=k)
    draw.ellipse(box(cx, 89, 4.5), fill=(226, 180, 60), outline=(120, 76, 10), width=k)
    draw.ellipse(box(cx, 89, 1.8), fill=(170, 0, 0))


def word_mark(picture, k):
    """"Trimbelo" in gold, with a rule and a line of small letters below."""
    left, right, centre = 112 * k, 254 * k, 183 * k
    size = 46
    while True:
        font = ImageFont.truetype(str(LOGO_FONT), size * k)
        box = font.getbbox("Trimbelo", anchor="ms")
        if box[2] - box[0] <= right - left:
            break
        size -= 1
    small = ImageFont.truetype(str(LOGO_FONT), 11 * k)
    mask = Image.new("L", picture.size, 0)
    draw = ImageDraw.Draw(mask)
    draw.text((centre, 68 * k), "Trimbelo", font=font, fill=255, anchor="ms")
    draw.rectangle((left, 78 * k, right, 79 * k), fill=255)
    draw.text((centre, 85 * k), "S O F T W A R E", font=small, fill=255, anchor="mt")
    # A dark edge and a soft shadow keep the gold clear of the background.
    edge = mask.filter(ImageFilter.MaxFilter(2 * k + 1))
    shadow = Image.new("L", picture.size, 0)
    shadow.paste(edge, (2 * k, 2 * k))
    picture.paste((0, 0, 0), mask=shadow.filter(ImageFilter.GaussianBlur(2 * k)))
    picture.paste((70, 30, 6), mask=edge)
    picture.paste(gold_fill(mask, 30 * k, 70 * k), mask=mask)


def logo():
    k = LOGO_DRAW
    picture = logo_background(LOGO_SIZE[0] * k, LOGO_SIZE[1] * k)
    sword_emblem(ImageDraw.Draw(picture), k)
    word_mark(picture, k)
    return picture.resize(LOGO_SIZE, Image.LANCZOS)


def main():
    (OUT / "icons").mkdir(parents=True, exist_ok=True)
    tree_pictures()
    close_glyph()
    drive_pictures()
    program_icon()
    portrait().save(OUT / "portrait.jpg", quality=92, subsampling=0, progressive=True)
    logo().save(OUT / "logo.jpg", quality=92, subsampling=0, progressive=False)
    backdrop().save(OUT / "backdrop.jpg", quality=92, subsampling=0, progressive=False)


if __name__ == "__main__":
    main()
