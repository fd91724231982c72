"""The pixels of an X screen as a player sees them, grabbed with xwd and read here, so that the
desktop tests can look at what the window manager drew."""

import struct
import subprocess
import time

_HEADER_FIELDS = 25


def _grab(session, attempts=3):
    """The screen as xwd dumps it; a busy X server now and then fails a grab, so it is tried
    again before the step fails."""
    for _ in range(attempts):
        result = subprocess.run(["xwd", "-root", "-silent"], env=session.env,
                                capture_output=True, timeout=20)
        if result.returncode == 0:
            return result.stdout
        time.sleep(0.2)
    raise RuntimeError("xwd failed %d times: %s" % (
        attempts, result.stderr.decode(errors="replace")))


class ScreenPixels:
    def __init__(self, session):
        data = _grab(session)
        header = struct.unpack(">%dI" % _HEADER_FIELDS, data[:_HEADER_FIELDS * 4])
        (header_size, _, pixmap_format, _, width, height, _, byte_order, _, _, _,
         bits_per_pixel, bytes_per_line, _, red_mask, green_mask, blue_mask, _, _,
         colours) = header[:20]
        if pixmap_format != 2 or bits_per_pixel not in (24, 32):
            raise RuntimeError("unexpected screen format: %d bits per pixel" % bits_per_pixel)
        start = header_size + colours * 12
        self.width, self.height = width, height
        self._rows = data[start:start + height * bytes_per_line]
        self._line = bytes_per_line
        self._step = bits_per_pixel // 8
        self._order = "little" if byte_order == 0 else "big"
        self._masks = [(mask, (mask & -mask).bit_length() - 1)
                       for mask in (red_mask, green_mask, blue_mask)]

    def at(self, x, y):
        """(red, green, blue) of one screen pixel."""
        offset = y * self._line + x * self._step
        value = int.from_bytes(self._rows[offset:offset + self._step], self._order)
        return tuple((value & mask) >> shift for mask, shift in self._masks)

    def block(self, left, top, right, bottom):
        """The pixels of a rectangle, row by row; right and bottom just outside."""
        return tuple(tuple(self.at(x, y) for x in range(left, right)) for y in range(top, bottom))


def background_of(row):
    counts = {}
    for pixel in row:
        counts[pixel] = counts.get(pixel, 0) + 1
    return max(counts, key=counts.get)


# How far a colour may stray from its row's background, per channel, and still be background: a
# window manager may dither its shading by a level or two.
BACKGROUND_TOLERANCE = 8


def _is_ink(pixel, background):
    return any(abs(a - b) > BACKGROUND_TOLERANCE for a, b in zip(pixel, background))


def ink_columns(rows):
    """Columns with a pixel unlike its row's background, the most common colour of the row."""
    backgrounds = [background_of(row) for row in rows]
    return [x for x in range(len(rows[0]))
            if any(_is_ink(row[x], background) for row, background in zip(rows, backgrounds))]


def runs(columns):
    """Consecutive columns joined into [first, just after last] runs."""
    found = []
    for x in columns:
        if found and x == found[-1][1]:
            found[-1][1] = x + 1
        else:
            found.append([x, x + 1])
    return found
