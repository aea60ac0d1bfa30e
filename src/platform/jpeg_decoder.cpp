// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding with libjpeg, every complaint of the library taken as a failure.
#include "platform/jpeg_decoder.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/game_error.h"

namespace {

// Larger pictures are refused before any pixel memory is taken.
constexpr long long kMaxPixels = 16LL * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;  // first, so the library's pointer is also a pointer to this
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecoding(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// A warning (level -1) means damaged data, e.g. a file cut short that the library would fill
// with grey; it fails the picture. Trace messages (level 0 and up) are ignored.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) FailDecoding(info);
}

// What the plain decoding step hands back; it holds no object with a destructor, since the
// step returns through longjmp.
struct RawPicture {
  int width;
  int height;
  uint32_t* pixels;  // malloc'd, width * height, owned by the caller on success
  char message[JMSG_LENGTH_MAX];
};

uint32_t Pack(int r, int g, int b) {
  return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// Decodes file into out. Returns false with out->message filled on any failure. Nothing in this
// function may need destruction: libjpeg leaves it through longjmp.
// The picture comes from file when it is set, otherwise from the size bytes at data.
bool DecodeRaw(FILE* file, const unsigned char* data, size_t size, RawPicture* out) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  uint32_t* volatile pixels = nullptr;
  std::memset(&info, 0, sizeof info);
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = FailDecoding;
  errors.base.emit_message = OnMessage;
  errors.message[0] = '\0';

  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&info);
    std::free(pixels);
    std::snprintf(out->message, sizeof out->message, "%s", errors.message);
    return false;
  }

  jpeg_create_decompress(&info);
  if (file != nullptr) {
    jpeg_stdio_src(&info, file);
  } else {
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  }
  jpeg_read_header(&info, TRUE);
  const J_COLOR_SPACE source = info.jpeg_color_space;
  const bool cmyk = source == JCS_CMYK || source == JCS_YCCK;
  if (cmyk) {
    info.out_color_space = JCS_CMYK;
  } else if (source == JCS_GRAYSCALE) {
    info.out_color_space = JCS_GRAYSCALE;
  } else {
    info.out_color_space = JCS_RGB;
  }
  // Adobe writes CMYK inverted; other writers store ink amounts.
  const bool invertedInk = cmyk && info.saw_Adobe_marker;
  // Checked before decompression starts: a progressive picture takes memory for all of itself.
  const long long pixelCount = static_cast<long long>(info.image_width) * info.image_height;
  if (pixelCount <= 0 || pixelCount > kMaxPixels) {
    std::snprintf(errors.message, sizeof errors.message, "picture size %ux%u not supported",
                  static_cast<unsigned>(info.image_width),
                  static_cast<unsigned>(info.image_height));
    std::longjmp(errors.jump, 1);
  }
  jpeg_start_decompress(&info);

  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  const int channels = info.output_components;
  pixels = static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) * width * height));
  if (pixels == nullptr) {
    std::snprintf(errors.message, sizeof errors.message, "not enough memory");
    std::longjmp(errors.jump, 1);
  }
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             static_cast<JDIMENSION>(width * channels), 1);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    const JSAMPLE* in = row[0];
    uint32_t* line = pixels + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x, in += channels) {
      if (channels == 1) {
        line[x] = Pack(in[0], in[0], in[0]);
      } else if (channels == 4) {
        int c = in[0], m = in[1], yellow = in[2], k = in[3];
        if (!invertedInk) c = 255 - c, m = 255 - m, yellow = 255 - yellow, k = 255 - k;
        line[x] = Pack(c * k / 255, m * k / 255, yellow * k / 255);
      } else {
        line[x] = Pack(in[0], in[1], in[2]);
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  out->width = width;
  out->height = height;
  out->pixels = pixels;
  return true;
}

ImagePtr ToImage(const RawPicture& raw) {
  const std::unique_ptr<uint32_t, decltype(&std::free)> pixels(raw.pixels, &std::free);
  auto image = std::make_shared<Image>();
  image->width = raw.width;
  image->height = raw.height;
  image->pixels.assign(pixels.get(), pixels.get() + static_cast<size_t>(raw.width) * raw.height);
  return image;
}

}  // namespace

ImagePtr DecodeJpegFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw GameError("Cannot open picture " + path);
  RawPicture raw{};
  const bool decoded = DecodeRaw(file, nullptr, 0, &raw);
  std::fclose(file);
  if (!decoded) throw GameError("Cannot read picture " + path + ": " + raw.message);
  return ToImage(raw);
}

ImagePtr DecodeJpeg(const std::string& bytes, const std::string& name) {
  RawPicture raw{};
  if (!DecodeRaw(nullptr, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                 &raw)) {
    throw GameError("Cannot read picture " + name + ": " + raw.message);
  }
  return ToImage(raw);
}
