// Another program reading the clipboard, as a word processor pasting would: writes what it finds
// to the file named first, as UTF-8 lines "text:", "html:" and "dib:" (width, height, bits per
// pixel and the colour at the point given second and third, counted from the top-left).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !OpenClipboard(nullptr)) return 2;
    std::string out;
    if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
        out += "text:" + utf8(static_cast<const wchar_t*>(GlobalLock(text))) + "\n";
        GlobalUnlock(text);
    }
    if (HANDLE html = GetClipboardData(RegisterClipboardFormatW(L"HTML Format"))) {
        out += "html:" + std::string(static_cast<const char*>(GlobalLock(html))) + "\n";
        GlobalUnlock(html);
    }
    if (HANDLE dib = GetClipboardData(CF_DIB)) {
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
        const int x = argc > 3 ? std::atoi(argv[2]) : 0;
        const int y = argc > 3 ? std::atoi(argv[3]) : 0;
        const long height = header->biHeight;
        const long stride = ((header->biWidth * header->biBitCount / 8 + 3) / 4) * 4;
        const auto* pixels = reinterpret_cast<const unsigned char*>(header + 1);
        const unsigned char* pixel =
            pixels + (height - 1 - y) * stride + x * (header->biBitCount / 8);
        char line[96];
        std::snprintf(line, sizeof line, "dib:%ld %ld %d %d,%d,%d\n", header->biWidth, height,
                      header->biBitCount, pixel[2], pixel[1], pixel[0]);
        out += line;
        GlobalUnlock(dib);
    }
    CloseClipboard();
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) return 3;
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
    return 0;
}
