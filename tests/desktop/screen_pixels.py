"""The pixels of an X screen as a player sees them, read from the X server with XGetImage on the
root window (through Xlib), so that the desktop tests can look at what the window manager drew.
xwd is not used: on a screen with more than one visual it builds its picture window by window,
and it showed a small window of the program that stands over another as black where the X
server's own image of the screen showed its picture."""

import ctypes
import time

_ALL_PLANES = ctypes.c_ulong(-1).value
_Z_PIXMAP = 2


class _XImage(ctypes.Structure):
    """The leading fields of Xlib's XImage, as far as the pixels need them."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


def _xlib():
    xlib = ctypes.CDLL("libX11.so.6")
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XDefaultScreen.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XGetImage.restype = ctypes.POINTER(_XImage)
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    return xlib


_XLIB = None


def _grab(session, attempts=3):
    """The whole screen of the session's display as (image fields, pixel bytes); a busy X server
    now and then refuses a connection, so it is tried again before the step fails."""
    global _XLIB
    if _XLIB is None:
        _XLIB = _xlib()
    xlib = _XLIB
    for _ in range(attempts):
        display = xlib.XOpenDisplay(session.env["DISPLAY"].encode())
        if display:
            break
        time.sleep(0.2)
    else:
        raise RuntimeError("cannot open display %s %d times" % (session.env["DISPLAY"], attempts))
    try:
        screen = xlib.XDefaultScreen(display)
        width = xlib.XDisplayWidth(display, screen)
        height = xlib.XDisplayHeight(display, screen)
        image = xlib.XGetImage(display, xlib.XDefaultRootWindow(display), 0, 0, width, height,
                               _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError("XGetImage of the screen failed")
        try:
            fields = image.contents
            data = ctypes.string_at(fields.data, fields.bytes_per_line * fields.height)
            return (fields.width, fields.height, fields.byte_order, fields.bits_per_pixel,
                    fields.bytes_per_line, (fields.red_mask, fields.green_mask,
                                            fields.blue_mask)), data
        finally:
            xlib.XDestroyImage(image)
    finally:
        xlib.XCloseDisplay(display)


class ScreenPixels:
    def __init__(self, session):
        (width, height, byte_order, bits_per_pixel, bytes_per_line, masks), data = _grab(session)
        if bits_per_pixel not in (24, 32):
            raise RuntimeError("unexpected screen format: %d bits per pixel" % bits_per_pixel)
        self.width, self.height = width, height
        self._rows = data
        self._line = bytes_per_line
        self._step = bits_per_pixel // 8
        self._order = "little" if byte_order == 0 else "big"
        self._masks = [(mask, (mask & -mask).bit_length() - 1) for mask in masks]

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
