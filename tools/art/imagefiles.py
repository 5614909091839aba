"""Palette reduction and the two file formats the resources need: 8-bit BMP with a
256-entry palette and a 32 x 32 16-colour ICO, both uncompressed."""

import struct


def median_cut(colors, limit):
    """Reduces a {(r, g, b): count} histogram to at most `limit` palette colours."""
    boxes = [list(colors.items())]
    while len(boxes) < limit:
        # Split the box with the widest channel range, weighted by its pixel count.
        best, best_score, best_channel = None, -1, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            weight = sum(c for _, c in box)
            for channel in range(3):
                values = [rgb[channel] for rgb, _ in box]
                score = (max(values) - min(values)) * weight ** 0.5
                if score > best_score:
                    best, best_score, best_channel = index, score, channel
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_channel])
        total = sum(c for _, c in box)
        running, cut = 0, 1
        for k, (_, c) in enumerate(box):
            running += c
            if running * 2 >= total:
                cut = max(1, min(len(box) - 1, k + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        weight = sum(c for _, c in box)
        palette.append(tuple(int(sum(rgb[ch] * c for rgb, c in box) / weight + 0.5)
                             for ch in range(3)))
    return sorted(set(palette))


def quantize(rows, limit, keep=()):
    """Maps every pixel to the nearest colour of a palette of at most `limit` entries.
    Colours in `keep` (black for the frog's screen, say) are always in the palette exactly."""
    histogram = {}
    for row in rows:
        for r, g, b, _ in row:
            histogram[(r, g, b)] = histogram.get((r, g, b), 0) + 1
    for colour in keep:
        histogram.pop(colour, None)
    palette = list(keep) + [c for c in median_cut(histogram, limit - len(keep)) if c not in keep]
    cache = {}

    def nearest(rgb):
        if rgb not in cache:
            r, g, b = rgb
            cache[rgb] = min(range(len(palette)), key=lambda i: (palette[i][0] - r) ** 2 * 3 +
                             (palette[i][1] - g) ** 2 * 4 + (palette[i][2] - b) ** 2 * 2)
        return cache[rgb]

    indices = [[nearest((r, g, b)) for r, g, b, _ in row] for row in rows]
    return palette, indices


def _palette_bytes(palette, entries):
    padded = list(palette) + [(0, 0, 0)] * (entries - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in padded)


def write_bmp8(path, rows, keep=()):
    """An 8-bit BMP with all 256 palette entries, rows stored bottom-up, no compression."""
    height, width = len(rows), len(rows[0])
    palette, indices = quantize(rows, 256, keep)
    stride = (width + 3) & ~3
    pixels = b"".join(bytes(row) + b"\0" * (stride - width) for row in reversed(indices))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256,
                       256)
    offset = 14 + len(info) + 256 * 4
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + _palette_bytes(palette, 256) + pixels)


def write_ico16(path, rows):
    """A one-image icon, 32 x 32 with 16 colours: colour bits and the transparency mask.
    Pixels covered less than half are transparent."""
    size = len(rows)
    opaque = [[(r, g, b, a) for r, g, b, a in row] for row in rows]
    shown = [[(r, g, b, 1.0) for r, g, b, a in row if a >= 0.5] for row in rows]
    palette, _ = quantize([row for row in shown if row] or [[(0, 0, 0, 1.0)]], 16,
                          keep=[(0, 0, 0)])
    cache = {}

    def nearest(r, g, b):
        key = (r, g, b)
        if key not in cache:
            cache[key] = min(range(len(palette)), key=lambda i: (palette[i][0] - r) ** 2 * 3 +
                             (palette[i][1] - g) ** 2 * 4 + (palette[i][2] - b) ** 2 * 2)
        return cache[key]

    colour_rows, mask_rows = [], []
    for row in reversed(opaque):
        nibbles = [nearest(r, g, b) if a >= 0.5 else 0 for r, g, b, a in row]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = 0
        for r, g, b, a in row:
            bits = (bits << 1) | (0 if a >= 0.5 else 1)
        mask_rows.append(bits.to_bytes(size // 8, "big"))
    image = (struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, size * size // 2 + size * 4,
                         0, 0, 0, 0) + _palette_bytes(palette, 16) + b"".join(colour_rows) +
             b"".join(mask_rows))
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                                                           len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)
