// SPDX-License-Identifier: MIT
// The independent side of the library checks: pictures written and read by
// libpng, libtiff and libjpeg themselves.
#include "tests/image/ImageTestHelpers.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>
#include <unistd.h>

namespace qv::image::test {
namespace {

struct PngSink {
    Bytes* out;
};

extern "C" void pngWrite(png_structp png, png_bytep data, png_size_t n) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    sink->out->insert(sink->out->end(), data, data + n);
}
extern "C" void pngFlush(png_structp) {}

// Rows of bytes as libpng wants them; `bitDepth` 16 doubles every sample.
Bytes pngEncode(std::uint32_t w, std::uint32_t h, int colourType, int bitDepth, bool interlaced,
                const std::vector<Bytes>& rows) {
    Bytes out;
    PngSink sink{&out};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> pointers;
    for (const Bytes& r : rows) {
        pointers.push_back(const_cast<png_bytep>(r.data()));
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &sink, pngWrite, pngFlush);
    png_set_IHDR(png, info, w, h, bitDepth, colourType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace

Bytes writePngWithLibpng(const Image& image, bool interlaced, int bitDepth) {
    std::vector<Bytes> rows;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        Bytes row;
        for (std::size_t i = 0; i < image.stride(); ++i) {
            row.push_back(image.row(y)[i]);
            if (bitDepth == 16) {
                row.push_back(static_cast<std::uint8_t>(i * 7)); // low byte, dropped on reading
            }
        }
        rows.push_back(row);
    }
    return pngEncode(image.width, image.height,
                     image.channels() == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                     bitDepth, interlaced, rows);
}

Bytes writeGreyPngWithLibpng(const Indexed& picture, int bitDepth) {
    std::vector<Bytes> rows;
    const unsigned perByte = 8u / static_cast<unsigned>(bitDepth);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        Bytes row((picture.width + perByte - 1) / perByte, 0);
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const unsigned shift = 8 - static_cast<unsigned>(bitDepth) * (x % perByte + 1);
            row[x / perByte] = static_cast<std::uint8_t>(
                row[x / perByte] | (picture.indices[y * picture.width + x] << shift));
        }
        rows.push_back(row);
    }
    return pngEncode(picture.width, picture.height, PNG_COLOR_TYPE_GRAY, bitDepth, false, rows);
}

Bytes writeTiffWithLibtiff(const Image& image, bool lzw) {
    char name[] = "/tmp/qv-image-test-XXXXXX";
    const int fd = mkstemp(name);
    close(fd);
    TIFF* tif = TIFFOpen(name, "w");
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, image.width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, image.height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, image.channels());
    if (image.channels() == 4) {
        const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, lzw ? COMPRESSION_LZW : COMPRESSION_NONE);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 3);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        TIFFWriteScanline(tif, const_cast<std::uint8_t*>(image.row(y)), y, 0);
    }
    TIFFClose(tif);
    Bytes out = readFile(name);
    std::remove(name);
    return out;
}

Image decodeWithLibjpeg(const Bytes& jpeg, bool* baseline, int* components) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    if (baseline != nullptr) {
        // Huffman, sequential, 8-bit: libjpeg's own test for a baseline file.
        *baseline = !info.progressive_mode && !info.arith_code && info.data_precision == 8;
    }
    if (components != nullptr) {
        *components = info.num_components;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Image image;
    allocateImage(image, info.output_width, info.output_height, PixelFormat::Rgb8, {});
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.row(info.output_scanline);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

Bytes writeJpegWithLibjpeg(const Image& rgb, int quality, bool progressive, bool grey) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = rgb.width;
    info.image_height = rgb.height;
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    Bytes line(rgb.width * 3);
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* src = rgb.row(info.next_scanline);
        for (std::uint32_t x = 0; x < rgb.width; ++x) {
            if (grey) {
                line[x] = src[x * static_cast<unsigned>(rgb.channels())];
            } else {
                for (int c = 0; c < 3; ++c) {
                    line[x * 3 + static_cast<unsigned>(c)] =
                        src[x * static_cast<unsigned>(rgb.channels()) + static_cast<unsigned>(c)];
                }
            }
        }
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes writeJpegWithManyScans(const Image& rgb) {
    // One DC scan, then every AC coefficient of every component on its own:
    // 190 scans, all valid.
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int c = 0; c < 3; ++c) {
        for (int k = 1; k < 64; ++k) {
            scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
        }
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = rgb.width;
    info.image_height = rgb.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    info.scan_info = scans.data();
    info.num_scans = static_cast<int>(scans.size());
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.row(info.next_scanline));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace qv::image::test
