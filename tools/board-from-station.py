#!/usr/bin/python3
"""Flies the player's ship in the running game's overworld onto the red station and keeps it there
until a ship leaving or reaching the station is rammed, by key presses only (xdotool), as a player
waiting at a station would: the camera keeps the ship at the window's centre, so the station's
direction is where its red ring shows on the screen.

  tools/board-from-station.py <the game's log> [seconds]

Ends with status 0 once the log tells that an encounter started ("LTM: StartEncounter"), 1 when
none did in the time given (default 90 s). The window is where tools/window-input.sh puts it:
0.8 of the screen at (20, 20). Pictures through ImageMagick's import, read with Pillow.
"""
import io
import subprocess
import sys
import time

from PIL import Image


def screen_size():
    info = subprocess.run(["xwininfo", "-root"], capture_output=True, text=True, check=True).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(values["Width"]), int(values["Height"])


def screenshot():
    data = subprocess.run(["import", "-window", "root", "png:-"], capture_output=True, check=True).stdout
    return Image.open(io.BytesIO(data)).convert("RGB")


def station_red(pixel):
    # The red station's ring and core; the red enemy ships and the tinted arrows are lighter.
    red, green, blue = pixel
    return red > 150 and green < 45 and blue < 45


def centre_of(picture, box, test):
    """The mean place of the pixels passing the test inside the box, every second pixel."""
    left, top, right, bottom = box
    xs = ys = count = 0
    for y in range(top, bottom, 2):
        for x in range(left, right, 2):
            if test(picture.getpixel((x, y))):
                xs, ys, count = xs + x, ys + y, count + 1
    return (xs / count, ys / count) if count else None


def hold(keys, seconds):
    for key in keys:
        subprocess.run(["xdotool", "keydown", key], check=True)
    time.sleep(seconds)
    for key in keys:
        subprocess.run(["xdotool", "keyup", key], check=True)


def main():
    log = sys.argv[1]
    deadline = time.time() + (float(sys.argv[2]) if len(sys.argv) > 2 else 90.0)
    width, height = screen_size()
    box = (20, 20, 20 + width * 4 // 5, 20 + height * 4 // 5)
    ship = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
    while time.time() < deadline:
        with open(log, errors="replace") as text:
            if "LTM: StartEncounter" in text.read():
                return 0
        station = centre_of(screenshot(), box, station_red)
        if station is None:
            time.sleep(0.5)
            continue
        dx, dy = station[0] - ship[0], station[1] - ship[1]
        keys = [key for key, wanted in (("d", dx > 3), ("a", dx < -3), ("s", dy > 3), ("w", dy < -3)) if wanted]
        if not keys:
            time.sleep(0.5)
            continue
        # Long presses while far, short ones close by: the ship drifts on after a press.
        hold(keys, min(1.5, max(0.08, max(abs(dx), abs(dy)) / 200)))
        time.sleep(0.4)
    print("[ERROR] no ship was boarded at the station", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
