#!/usr/bin/env python3
"""Draws Trovel's application icon: the white board with its grid and four pieces in the players'
colours, one in each of the bottom squares, the last one framed as the game frames the last move.
Writes a Windows .ico with 16 and 32 pixel images in 16 colours (Explorer scales the 32 for
larger views; a 48 pixel image would make the executable a tenth bigger).
    tools/make-icon.py shell/trovel.ico"""
import struct
import sys

WHITE = (255, 255, 255)
GRID = (96, 96, 96)
PLAYERS = [(0, 255, 0), (0, 0, 255), (255, 0, 0), (153, 153, 153)]
LAST_MOVE_FRAME = (0, 0, 0)  # player 4's frame colour


def draw(size):
    """Returns rows of (r, g, b) from the top: a 4 x 4 board of square cells with grid lines."""
    cells = 4
    cell = (size - 1) // cells
    margin = (size - cell * cells - 1) // 2
    pixels = [[WHITE] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            gx, gy = x - margin, y - margin
            inside = 0 <= gx <= cell * cells and 0 <= gy <= cell * cells
            if inside and (gx % cell == 0 or gy % cell == 0):
                pixels[y][x] = GRID
    frame = max(1, size // 24)
    for column, colour in enumerate(PLAYERS):
        left = margin + column * cell + 1
        top = margin + (cells - 1) * cell + 1
        for y in range(top, top + cell - 1):
            for x in range(left, left + cell - 1):
                edge = min(x - left, y - top, left + cell - 2 - x, top + cell - 2 - y)
                last = column == len(PLAYERS) - 1
                pixels[y][x] = LAST_MOVE_FRAME if last and edge < frame else colour
    # A second row of pieces makes the picture read as a game under way at 32 pixels.
    if size >= 32:
        for column, colour in ((1, PLAYERS[0]), (2, PLAYERS[1])):
            left = margin + column * cell + 1
            top = margin + (cells - 2) * cell + 1
            for y in range(top, top + cell - 1):
                for x in range(left, left + cell - 1):
                    pixels[y][x] = colour
    return pixels


def icon_image(size):
    """A BITMAPINFOHEADER image as .ico files hold it: 16 colours (the board needs seven), rows
    bottom-up, then the AND mask. Small images keep the game's executable small."""
    pixels = draw(size)
    palette = sorted({colour for row in pixels for colour in row})
    assert len(palette) <= 16
    index = {colour: number for number, colour in enumerate(palette)}
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    colours = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette + [(0, 0, 0)] * (16 - len(palette)))
    row_bytes = ((size * 4 + 31) // 32) * 4
    rows = b''
    for row in reversed(pixels):
        packed = bytearray(row_bytes)
        for x, colour in enumerate(row):
            packed[x // 2] |= index[colour] << (0 if x % 2 else 4)
        rows += bytes(packed)
    mask_row = ((size + 31) // 32) * 4
    return header + colours + rows + bytes(mask_row * size)


def main():
    sizes = [16, 32]
    images = [icon_image(size) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(sys.argv[1], 'wb') as file:
        file.write(out + b''.join(images))


if __name__ == '__main__':
    main()
