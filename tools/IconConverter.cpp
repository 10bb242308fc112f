// Derives the program's icon files from its XPM picture, the one source of
// the icon: a Windows .ico (one image, 8 bits per pixel with a 256-entry
// palette and a transparency mask) for the resource script, and palette PNGs
// for the desktop's icon theme, optionally scaled up by a whole factor with
// each pixel repeated so that the pixel art stays crisp.
//
// It reads the XPM subset the picture uses: one character per pixel, colours
// given as "c #RRGGBB" or "c None". The PNG is written with stored (not
// compressed) deflate blocks, which every reader accepts, so it needs no
// compression library.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::array<std::uint8_t, 3>> palette; // index 0 is transparent
    std::vector<std::uint8_t> pixels;                 // palette indices, top row first
};

std::vector<std::string> quotedStrings(std::istream& in)
{
    std::vector<std::string> strings;
    std::string line;
    while (std::getline(in, line)) {
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (open != std::string::npos && close > open)
            strings.push_back(line.substr(open + 1, close - open - 1));
    }
    return strings;
}

bool parse(std::istream& in, Picture& picture, std::string& error)
{
    const auto strings = quotedStrings(in);
    if (strings.empty()) {
        error = "no XPM values";
        return false;
    }
    std::istringstream header(strings[0]);
    int colours = 0;
    int charsPerPixel = 0;
    header >> picture.width >> picture.height >> colours >> charsPerPixel;
    if (!header || charsPerPixel != 1 || colours < 1 || colours > 256 || picture.width <= 0 || picture.height <= 0) {
        error = "unsupported XPM header: " + strings[0];
        return false;
    }
    if (strings.size() < 1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(picture.height)) {
        error = "XPM is shorter than its header says";
        return false;
    }

    std::map<char, std::uint8_t> indexOf;
    picture.palette.push_back({ 0, 0, 0 });
    for (int i = 0; i < colours; ++i) {
        const std::string& entry = strings[1 + static_cast<std::size_t>(i)];
        const auto value = entry.find(" c ");
        if (entry.empty() || value == std::string::npos) {
            error = "unsupported colour entry: " + entry;
            return false;
        }
        const std::string colour = entry.substr(value + 3);
        if (colour == "None") {
            indexOf[entry[0]] = 0;
        } else if (colour.size() == 7 && colour[0] == '#') {
            const auto rgb = std::stoul(colour.substr(1), nullptr, 16);
            indexOf[entry[0]] = static_cast<std::uint8_t>(picture.palette.size());
            picture.palette.push_back({ static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb) });
        } else {
            error = "unsupported colour: " + colour;
            return false;
        }
    }
    if (picture.palette.size() > 256) {
        error = "more than 255 opaque colours";
        return false;
    }

    for (int y = 0; y < picture.height; ++y) {
        const std::string& row = strings[1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(y)];
        if (row.size() != static_cast<std::size_t>(picture.width)) {
            error = "row " + std::to_string(y) + " has the wrong width";
            return false;
        }
        for (const char key : row) {
            const auto found = indexOf.find(key);
            if (found == indexOf.end()) {
                error = std::string("undefined pixel character '") + key + "'";
                return false;
            }
            picture.pixels.push_back(found->second);
        }
    }
    return true;
}

void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16);
}

std::vector<std::uint8_t> icoFile(const Picture& picture)
{
    const auto width = static_cast<unsigned>(picture.width);
    const auto height = static_cast<unsigned>(picture.height);
    const unsigned xorStride = (width + 3) / 4 * 4;
    const unsigned andStride = (width + 31) / 32 * 4;
    const unsigned imageSize = 40 + 256 * 4 + xorStride * height + andStride * height;

    std::vector<std::uint8_t> out;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, 1); // one image
    out.push_back(static_cast<std::uint8_t>(width));
    out.push_back(static_cast<std::uint8_t>(height));
    out.push_back(0); // 256 colours
    out.push_back(0);
    put16(out, 1); // planes
    put16(out, 8); // bits per pixel
    put32(out, imageSize);
    put32(out, 6 + 16);

    put32(out, 40);
    put32(out, width);
    put32(out, height * 2); // colour bitmap and mask
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // uncompressed
    put32(out, imageSize - 40 - 256 * 4);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        const auto colour = i < picture.palette.size() ? picture.palette[i] : std::array<std::uint8_t, 3> {};
        out.insert(out.end(), { colour[2], colour[1], colour[0], 0 });
    }
    // Both bitmaps run bottom row first.
    for (unsigned y = height; y-- > 0;) {
        for (unsigned x = 0; x < xorStride; ++x)
            out.push_back(x < width ? picture.pixels[y * width + x] : 0);
    }
    for (unsigned y = height; y-- > 0;) {
        std::vector<std::uint8_t> row(andStride, 0);
        for (unsigned x = 0; x < width; ++x) {
            if (picture.pixels[y * width + x] == 0)
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80U >> (x % 8)));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries {};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void pngChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBig32(out, crc32(typed.data(), typed.size()));
}

Picture scaled(const Picture& picture, int factor)
{
    Picture result = picture;
    result.width = picture.width * factor;
    result.height = picture.height * factor;
    result.pixels.clear();
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x)
            result.pixels.push_back(picture.pixels[static_cast<std::size_t>(y / factor) * static_cast<std::size_t>(picture.width)
                + static_cast<std::size_t>(x / factor)]);
    }
    return result;
}

std::vector<std::uint8_t> pngFile(const Picture& picture)
{
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    std::vector<std::uint8_t> out { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };

    std::vector<std::uint8_t> header;
    putBig32(header, width);
    putBig32(header, height);
    header.insert(header.end(), { 8, 3, 0, 0, 0 }); // 8-bit palette, no interlace
    pngChunk(out, "IHDR", header);

    std::vector<std::uint8_t> palette;
    std::vector<std::uint8_t> alpha;
    for (std::size_t i = 0; i < picture.palette.size(); ++i) {
        palette.insert(palette.end(), picture.palette[i].begin(), picture.palette[i].end());
        alpha.push_back(i == 0 ? 0 : 255);
    }
    pngChunk(out, "PLTE", palette);
    pngChunk(out, "tRNS", alpha);

    // Each row: filter type 0, then the palette indices.
    std::vector<std::uint8_t> raw;
    for (std::uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto rowStart = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(width);
        raw.insert(raw.end(), rowStart, rowStart + static_cast<std::ptrdiff_t>(width));
    }
    std::vector<std::uint8_t> zlib { 0x78, 0x01 };
    for (std::size_t at = 0; at < raw.size() || at == 0;) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        put16(zlib, static_cast<unsigned>(length));
        put16(zlib, static_cast<unsigned>(~length & 0xFFFFU));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
        if (last)
            break;
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521U;
        b = (b + a) % 65521U;
    }
    putBig32(zlib, (b << 16) | a);
    pngChunk(out, "IDAT", zlib);
    pngChunk(out, "IEND", {});
    return out;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv, argv + argc);
    if (args.size() < 3 || args.size() > 4 || !(endsWith(args[2], ".ico") || endsWith(args[2], ".png"))) {
        std::cerr << "usage: IconConverter picture.xpm icon.ico\n"
                     "       IconConverter picture.xpm icon.png [whole scale factor]\n";
        return 2;
    }
    const long factor = args.size() == 4 ? std::strtol(args[3].c_str(), nullptr, 10) : 1;
    if (factor < 1 || factor > 16 || (factor != 1 && endsWith(args[2], ".ico"))) {
        std::cerr << "IconConverter: the scale factor must be 1 to 16, and 1 for .ico\n";
        return 2;
    }
    std::ifstream in(args[1]);
    if (!in) {
        std::cerr << "IconConverter: cannot read " << args[1] << '\n';
        return 1;
    }
    Picture picture;
    std::string error;
    if (!parse(in, picture, error)) {
        std::cerr << "IconConverter: " << args[1] << ": " << error << '\n';
        return 1;
    }
    const auto bytes = endsWith(args[2], ".ico") ? icoFile(picture) : pngFile(scaled(picture, static_cast<int>(factor)));
    std::ofstream out(args[2], std::ios::binary);
    // Bytes to a binary stream: the one place a char view of them is needed.
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())); // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
    if (!out) {
        std::cerr << "IconConverter: cannot write " << args[2] << '\n';
        return 1;
    }
    return 0;
}
