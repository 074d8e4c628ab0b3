#!/usr/bin/env python3
"""Draws the project's own pictures and writes them under resources/pictures:
the program icon (a colour wheel with an eyedropper, 16/32/48/64 px) and the two
colour-field pictures (700x230 and 230x700 JPEG). The outputs are committed, so
a build never needs this script; run it again only to change the artwork.
Needs python3 and ImageMagick's convert."""
import colorsys, math, os, subprocess, sys, tempfile

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "pictures")
CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"


def write_pam(path, w, h, pixel):
    """pixel(x, y) -> (r, g, b, a) floats 0..1; written as an RGBA PAM file."""
    with open(path, "wb") as f:
        f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (w, h))
        row = bytearray()
        for y in range(h):
            for x in range(w):
                row += bytes(max(0, min(255, int(round(c * 255)))) for c in pixel(x, y))
        f.write(row)


def seg_dist(px, py, ax, ay, bx, by):
    vx, vy, wx, wy = bx - ax, by - ay, px - ax, py - ay
    t = max(0.0, min(1.0, (wx * vx + wy * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy))


def icon_pixel(size):
    ss = 4  # supersampling for smooth edges

    def sample(x, y):
        u, v = x / size, y / size
        # Eyedropper: a dark barrel from the upper right to a tip at the wheel's centre.
        d = seg_dist(u, v, 0.50, 0.50, 0.86, 0.14)
        if d < 0.065:
            return (0.15, 0.15, 0.18, 1.0) if d < 0.05 else (1, 1, 1, 1.0)
        bulb = math.hypot(u - 0.88, v - 0.12)
        if bulb < 0.10:
            return (0.10, 0.10, 0.12, 1.0)
        r = math.hypot(u - 0.44, v - 0.56)
        if r < 0.40:
            hue = (math.atan2(v - 0.56, u - 0.44) / (2 * math.pi)) % 1.0
            sat = min(1.0, r / 0.30)
            rgb = colorsys.hls_to_rgb(hue, 0.5, sat)
            return (*rgb, 1.0) if r < 0.37 else (0.2, 0.2, 0.2, 1.0)
        return (0, 0, 0, 0.0)

    def pixel(x, y):
        acc = [0.0, 0.0, 0.0, 0.0]
        for i in range(ss):
            for j in range(ss):
                r, g, b, a = sample(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                acc[0] += r * a; acc[1] += g * a; acc[2] += b * a; acc[3] += a
        n = ss * ss
        a = acc[3] / n
        if a == 0:
            return (0, 0, 0, 0)
        return (acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a)

    return pixel


def field_pixel(w, h, horizontal):
    def pixel(x, y):
        along, across = (x / (w - 1), y / (h - 1)) if horizontal else (y / (h - 1), x / (w - 1))
        r, g, b = colorsys.hls_to_rgb(along, 0.85 - 0.7 * across, 1.0)
        return (r, g, b, 1.0)
    return pixel


def main():
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        pngs = []
        for size in (16, 32, 48, 64):
            pam = os.path.join(tmp, "icon%d.pam" % size)
            png = os.path.join(tmp, "icon%d.png" % size)
            write_pam(pam, size, size, icon_pixel(size))
            subprocess.check_call([CONVERT, pam, png])
            pngs.append(png)
        subprocess.check_call([CONVERT] + pngs + [os.path.join(OUT, "HueSnap.ico")])
        for name, w, h in (("field-wide.jpg", 700, 230), ("field-tall.jpg", 230, 700)):
            pam = os.path.join(tmp, name + ".pam")
            write_pam(pam, w, h, field_pixel(w, h, w > h))
            subprocess.check_call([CONVERT, pam, "-alpha", "off", "-quality", "90",
                                   "-sampling-factor", "2x2", os.path.join(OUT, name)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
