// Reads a program's version resource and icon back through Windows itself, as Explorer does for
// the file's properties, and compares them with what the build put in.
//   version_probe PROGRAM.exe VERSION     exit 0 when all matches, 1 with the differences printed
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "copyright_notice.h"

namespace {

int differences = 0;

void expectText(const char* what, const char* actual, const char* expected) {
    if (!actual || std::strcmp(actual, expected) != 0) {
        std::printf("%s is '%s', expected '%s'\n", what, actual ? actual : "(missing)", expected);
        ++differences;
    }
}

const char* japaneseString(void* block, const char* name) {
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\041103a4\\%s", name);
    char* value = nullptr;
    UINT length = 0;
    return VerQueryValueA(block, path, reinterpret_cast<void**>(&value), &length) ? value : nullptr;
}

}  // namespace

int main(int argumentCount, char** arguments) {
    if (argumentCount != 3) {
        std::printf("usage: version_probe PROGRAM.exe VERSION\n");
        return 2;
    }
    const char* program = arguments[1];
    const char* version = arguments[2];

    static char block[16384];
    DWORD size = GetFileVersionInfoSizeA(program, nullptr);
    if (size == 0 || size > sizeof block || !GetFileVersionInfoA(program, 0, size, block)) {
        std::printf("%s has no version resource\n", program);
        return 1;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    char fixedVersion[64] = "(missing)";
    if (VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &fixedLength)) {
        std::snprintf(fixedVersion, sizeof fixedVersion, "%lu.%lu.%lu",
                      static_cast<unsigned long>(HIWORD(fixed->dwFileVersionMS)),
                      static_cast<unsigned long>(LOWORD(fixed->dwFileVersionMS)),
                      static_cast<unsigned long>(HIWORD(fixed->dwFileVersionLS)));
    }
    expectText("the file version", fixedVersion, version);
    expectText("FileVersion", japaneseString(block, "FileVersion"), version);
    expectText("ProductVersion", japaneseString(block, "ProductVersion"), version);
    expectText("ProductName", japaneseString(block, "ProductName"), "Trovel");
    expectText("LegalCopyright", japaneseString(block, "LegalCopyright"), TROVEL_COPYRIGHT_NOTICE);
    const char* description = japaneseString(block, "FileDescription");
    if (!description || !*description) {
        std::printf("the file has no FileDescription\n");
        ++differences;
    }

    // The icon Explorer shows: the first icon group, with an image for each usual size.
    HMODULE image = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC group = image ? FindResourceA(image, MAKEINTRESOURCEA(1), RT_GROUP_ICON) : nullptr;
    BYTE* directory =
        group ? static_cast<BYTE*>(LockResource(LoadResource(image, group))) : nullptr;
    if (!directory) {
        std::printf("%s has no application icon\n", program);
        ++differences;
    } else {
        // A group directory: three WORDs, then 14-byte entries that start with width, height.
        WORD count = 0;
        std::memcpy(&count, directory + 4, sizeof count);
        const int sides[] = {16, 32};
        for (int side : sides) {
            bool found = false;
            for (WORD entry = 0; entry < count; ++entry) {
                const BYTE* entrySides = directory + 6 + 14 * entry;
                found = found || (entrySides[0] == side && entrySides[1] == side);
            }
            if (!found) {
                std::printf("the icon has no %d x %d image\n", side, side);
                ++differences;
            }
        }
    }
    if (image) {
        FreeLibrary(image);
    }
    if (differences == 0) {
        std::printf("%s: version %s, %s, %s, icon 16/32\n", program, version,
                    japaneseString(block, "ProductName"), japaneseString(block, "LegalCopyright"));
    }
    return differences == 0 ? 0 : 1;
}
