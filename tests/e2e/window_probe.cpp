// Looks at a running game from outside, as a second Windows process: where a control is on the
// screen, its label (printed as UTF-8), whether it is enabled, a pixel of the client area, and
// where the whole window is (as WIDTHxHEIGHT+LEFT+TOP, for taking its picture).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND findGame() {
    return FindWindowA("winc", "Trovel");
}

int usage() {
    std::fputs(
        "usage: window_probe exists | window | center ID | label ID | enabled ID | pixel X Y | "
        "count RRGGBB\n",
        stderr);
    return 2;
}

// Squares of the board whose centre shows the colour, RRGGBB in hex.
int countSquares(HWND game, const char* hex) {
    const unsigned long rgb = std::strtoul(hex, nullptr, 16);
    const COLORREF colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    HDC dc = GetDC(game);
    int count = 0;
    for (int column = 0; column < 10; ++column) {
        for (int row = 0; row < 10; ++row) {
            count += GetPixel(dc, 34 + 38 * column, 250 - 25 * row) == colour;
        }
    }
    ReleaseDC(game, dc);
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    HWND game = findGame();
    if (!game) {
        return 1;
    }
    const char* command = argv[1];
    if (std::strcmp(command, "exists") == 0) {
        return 0;
    }
    if (std::strcmp(command, "window") == 0) {
        RECT rect = {};
        GetWindowRect(game, &rect);
        std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left,
                    rect.top);
        return 0;
    }
    if (argc < 3) {
        return usage();
    }
    if (std::strcmp(command, "pixel") == 0 && argc == 4) {
        HDC dc = GetDC(game);
        const COLORREF colour = GetPixel(dc, std::atoi(argv[2]), std::atoi(argv[3]));
        ReleaseDC(game, dc);
        std::printf("%02x%02x%02x\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        return 0;
    }
    if (std::strcmp(command, "count") == 0) {
        std::printf("%d\n", countSquares(game, argv[2]));
        return 0;
    }
    HWND control = GetDlgItem(game, std::atoi(argv[2]));
    if (!control) {
        return 1;
    }
    if (std::strcmp(command, "center") == 0) {
        RECT rect = {};
        GetWindowRect(control, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    } else if (std::strcmp(command, "label") == 0) {
        char text[64] = {};
        wchar_t wide[64] = {};
        char utf8[256] = {};
        GetWindowTextA(control, text, sizeof text);
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("%s\n", utf8);
    } else if (std::strcmp(command, "enabled") == 0) {
        std::printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
    } else {
        return usage();
    }
    return 0;
}
