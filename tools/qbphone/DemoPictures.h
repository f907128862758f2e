// Small generated contact pictures for the demo address book: a PNG (built by hand over zlib)
// and a JPEG (libjpeg), both a two-colour pattern of the given size.
#pragma once

#include <cstdint>
#include <string>

namespace qbphone {

std::string MakeDemoPng(int size, uint32_t colour_a, uint32_t colour_b);
std::string MakeDemoJpeg(int size, uint32_t colour_a, uint32_t colour_b);

}  // namespace qbphone
