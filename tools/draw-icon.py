#!/usr/bin/env python3
"""Draws Velmora's icon, a roulette wheel seen from above, and renders its PNGs.

The full wheel has all 37 pockets; at 16 and 24 pixels those would blur into
a brown ring, so the small sizes get a bolder wheel of 12 pockets with a
larger ball. Run it after changing the drawing; the SVGs and PNGs it writes
are checked in, so building needs neither Python nor rsvg-convert.
"""
import math
import pathlib
import subprocess

ICON_ID = "org.velmora.Velmora"
OUT = pathlib.Path(__file__).resolve().parent.parent / "data" / "icons"
RED, BLACK, GREEN = "#c8102e", "#141414", "#0c8a3e"
SMALL_SIZES, LARGE_SIZES = (16, 24), (32, 48, 64, 128, 256)


def point(radius, degrees):
    """A point on a circle round the centre, 0 degrees at the top, clockwise."""
    angle = math.radians(degrees)
    return 128 + radius * math.sin(angle), 128 - radius * math.cos(angle)


def wedge(inner, outer, start, end, fill):
    (x1, y1), (x2, y2) = point(outer, start), point(outer, end)
    (x3, y3), (x4, y4) = point(inner, end), point(inner, start)
    return (f'<path fill="{fill}" d="M{x1:.2f},{y1:.2f} A{outer},{outer} 0 0 1 {x2:.2f},{y2:.2f} '
            f'L{x3:.2f},{y3:.2f} A{inner},{inner} 0 0 0 {x4:.2f},{y4:.2f} Z"/>')


def pockets(count, inner, outer):
    """Zero in green at the top, then red and black in turn, clockwise."""
    step = 360 / count
    colours = [GREEN] + [RED if i % 2 == 0 else BLACK for i in range(count - 1)]
    return [wedge(inner, outer, i * step - step / 2, (i + 1) * step - step / 2, colour)
            for i, colour in enumerate(colours)]


def wheel(count, rim, ring, hub, ball, detailed):
    """rim, ring and hub are radii out of 128; ball is the ball's radius. The
    small wheel drops the frets and the turret, which only blur at 16 pixels,
    and rests its ball in a black pocket, where white shows best."""
    parts = [
        '<defs><radialGradient id="cone" cx="50%" cy="42%" r="58%">'
        '<stop offset="0" stop-color="#c98d4b"/><stop offset="1" stop-color="#6e3f1c"/>'
        '</radialGradient></defs>',
        f'<circle cx="128" cy="128" r="{rim}" fill="#4a2610"/>',
        f'<circle cx="128" cy="128" r="{rim - 6}" fill="#7b4521"/>' if detailed else "",
        f'<circle cx="128" cy="128" r="{ring[1] + 3}" fill="#d6ad55"/>',
    ]
    parts += pockets(count, *ring)
    if detailed:  # thin golden frets between the pockets
        step = 360 / count
        for i in range(count):
            (x1, y1), (x2, y2) = point(ring[0], i * step - step / 2), point(ring[1], i * step - step / 2)
            parts.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
                         f'stroke="#d6ad55" stroke-width="1.2"/>')
    parts.append(f'<circle cx="128" cy="128" r="{ring[0]}" fill="url(#cone)" '
                 f'stroke="#d6ad55" stroke-width="{3 if detailed else 6}"/>')
    for degrees in (45, 135) if detailed else ():  # the turret's golden cross, knobs at its ends
        (x1, y1), (x2, y2) = point(ring[0] - 12, degrees), point(ring[0] - 12, degrees + 180)
        parts.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
                     f'stroke="#e8c66a" stroke-width="7" stroke-linecap="round"/>')
        for end in (degrees, degrees + 180):
            x, y = point(ring[0] - 12, end)
            parts.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="7" fill="#f3dc8c"/>')
    parts.append(f'<circle cx="128" cy="128" r="{hub}" fill="#f3dc8c" stroke="#a87b2c" '
                 f'stroke-width="3"/>')
    x, y = point((ring[0] + ring[1]) / 2, (3 if detailed else 2) * 360 / count)  # the ball
    parts.append(f'<circle cx="{x + 2:.2f}" cy="{y + 3:.2f}" r="{ball}" fill="#000" opacity="0.35"/>')
    parts.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{ball}" fill="#fafafa"/>')
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">\n  ' + "\n  ".join(parts) + "\n</svg>\n")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    large = OUT / f"{ICON_ID}.svg"
    small = OUT / f"{ICON_ID}-small.svg"
    large.write_text(wheel(37, rim=126, ring=(76, 110), hub=16, ball=9, detailed=True))
    small.write_text(wheel(12, rim=128, ring=(50, 112), hub=24, ball=19, detailed=False))
    for sizes, source in ((SMALL_SIZES, small), (LARGE_SIZES, large)):
        for size in sizes:
            target = OUT / f"{size}x{size}" / f"{ICON_ID}.png"
            target.parent.mkdir(exist_ok=True)
            subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(target),
                            str(source)], check=True)


if __name__ == "__main__":
    main()
