// Turns the program's XPM picture into a Windows icon file: one 32 x 32
// image, 8 bits per pixel with a 256-entry palette and a transparency mask.
// The XPM is the only source of the picture; the build derives the icon for
// the Windows resource script from it with this tool.
//
// It reads the XPM subset the picture uses: one character per pixel, colours
// given as "c #RRGGBB" or "c None".

#include <array>
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

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: XpmToIco picture.xpm icon.ico\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "XpmToIco: cannot read " << argv[1] << '\n';
        return 1;
    }
    Picture picture;
    std::string error;
    if (!parse(in, picture, error)) {
        std::cerr << "XpmToIco: " << argv[1] << ": " << error << '\n';
        return 1;
    }
    const auto bytes = icoFile(picture);
    std::ofstream out(argv[2], std::ios::binary);
    // Bytes to a binary stream: the one place a char view of them is needed.
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())); // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
    if (!out) {
        std::cerr << "XpmToIco: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
