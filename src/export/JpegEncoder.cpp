// JPEG through libjpeg: baseline, quality 90, three components, full size.
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>

#include "base/Errors.h"
#include "export/RasterEncoders.h"

namespace tarn {

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the encoder.
struct JumpingErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Return;
};

void JumpBack(j_common_ptr info) {
  auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
  std::longjmp(manager->Return, 1);
}

// Nothing with a destructor lives in this frame.
bool Compress(jpeg_compress_struct& info, const Bitmap24& picture, int quality, unsigned char** buffer,
              unsigned long* size) {
  auto* manager = reinterpret_cast<JumpingErrorManager*>(info.err);
  if (setjmp(manager->Return)) return false;
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

std::string EncodeJpeg(const Bitmap24& picture, int quality) {
  if (picture.Width() <= 0 || picture.Height() <= 0) throw TarnError("空の画像は JPEG にできません");
  jpeg_compress_struct info{};
  JumpingErrorManager manager{};
  info.err = jpeg_std_error(&manager.Base);
  manager.Base.error_exit = JumpBack;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool written = Compress(info, picture, quality, &buffer, &size);
  jpeg_destroy_compress(&info);
  std::string bytes;
  if (written) bytes.assign(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  if (!written) throw TarnError("JPEG の作成に失敗しました");
  return bytes;
}

}  // namespace tarn
