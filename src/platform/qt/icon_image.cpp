#include "platform/qt/icon_image.h"
#include "platform/user/resource_lookup.h"

#include <cstring>

namespace platform::qt {

QImage IconImage(HICON icon) {
  const IconResource* resource = FindIconResource(icon);
  if (resource == nullptr || resource->argb == nullptr || resource->width <= 0 || resource->height <= 0) return {};
  // The tables hold straight (not premultiplied) 0xAARRGGBB, which is this
  // format's own layout; the copy keeps the image independent of the table.
  QImage image(resource->width, resource->height, QImage::Format_ARGB32);
  for (int y = 0; y < resource->height; ++y) {
    std::memcpy(image.scanLine(y), resource->argb + static_cast<std::size_t>(y) * resource->width,
                static_cast<std::size_t>(resource->width) * sizeof(std::uint32_t));
  }
  return image;
}

}  // namespace platform::qt
