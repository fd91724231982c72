"""The title bar a window manager draws above a window, read from the screen's pixels: where the
icon, the caption and the boxes are, and the caption's text as drawn."""

import dataclasses
import re

from screen_pixels import ScreenPixels, ink_columns, runs
from x_session import outer_rect, wait_for, window_info

# The frame's bevel around the title bar, and the most room an icon or a box leaves to the
# bar's end, in pixels.
_BEVEL = 2
_EDGE = 8


def caption_of(session, wid, atom="_NET_WM_NAME"):
    match = re.search(atom + r'\(UTF8_STRING\) = "(.*)"', session.x("xprop", "-id", wid, atom))
    return match.group(1) if match else None


def visible_caption(session, wid):
    """The caption as the window manager last took it in to draw."""
    return caption_of(session, wid, "_NET_WM_VISIBLE_NAME")


def set_caption(session, wid, caption):
    session.x("xprop", "-id", wid, "-f", "_NET_WM_NAME", "8u", "-set", "_NET_WM_NAME", caption)
    wait_for("the window manager to take in %r" % caption,
             lambda: visible_caption(session, wid) == caption)


def settled(read, timeout=20):
    """Reads until two reads a little apart agree: the window manager has drawn. One read grabs
    the screen and asks about every window, which takes a second or more on a busy machine."""
    last = [None]

    def same():
        now = read()
        agreed = now == last[0]
        last[0] = now
        return agreed and now is not None

    wait_for("the picture to settle", same, timeout=timeout, interval=0.2)
    return last[0]


@dataclasses.dataclass(frozen=True)
class TitleBar:
    """Where a frame's title bar holds the caption: inside the bevel, between the window icon and
    the first box; and where each box is, as [first, just after last] columns from the frame's
    left edge. A window manager frames alike the windows that ask for the same boxes, so the
    places are taken once from such a window while its title is blank."""

    left: int
    right: int
    boxes: tuple

    @staticmethod
    def rows(pixels, info, left, right):
        ox, oy, ox2, _ = outer_rect(info)
        return pixels.block(ox + left, oy + _BEVEL, ox2 - right, info["y"] - _BEVEL)

    @classmethod
    def measure(cls, pixels, info):
        """The title bar of a window whose title is blank; None until both the icon and a box
        are drawn at the ends of the bar."""
        width = outer_rect(info)[2] - outer_rect(info)[0]
        inside = width - 2 * _BEVEL
        found = runs(ink_columns(cls.rows(pixels, info, _BEVEL, _BEVEL)))
        if len(found) < 2 or found[0][0] > _EDGE or found[-1][1] < inside - _EDGE:
            return None
        boxes = tuple((_BEVEL + first, _BEVEL + last) for first, last in found[1:])
        return cls(_BEVEL + found[0][1] + 1, width - boxes[0][0] + 1, boxes)

    def text(self, pixels, info):
        """The caption's text as drawn: the title bar's pixels from its first to its last
        column of ink."""
        rows = self.rows(pixels, info, self.left, self.right)
        ink = ink_columns(rows)
        return tuple(row[ink[0]:ink[-1] + 1] for row in rows) if ink else ()


def blank_title_bar(session, wid):
    """Blanks a window's caption and measures its title bar once the window manager drew it."""
    wait_for("the window to be framed", lambda: all(
        (lambda info: (info["mapped"], info["frame"][2]))(window_info(session, wid))))
    set_caption(session, wid, " ")
    return settled(lambda: TitleBar.measure(ScreenPixels(session), window_info(session, wid)))
