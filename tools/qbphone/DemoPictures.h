// Small generated contact pictures for the demo address book: a PNG (built by hand over zlib)
// and a JPEG (libjpeg), both a two-colour pattern of the given size.
#pragma once

#include <cstdint>
#include <string>

namespace qbphone {

std::string MakeDemoPng(int size, uint32_t colour_a, uint32_t colour_b);
std::string MakeDemoJpeg(int size, uint32_t colour_a, uint32_t colour_b);

// Writes the demo device's few pictures into `folder` (kept when there already), each a minute
// older than the one before, so that they list in the same order every time. False when one
// could not be written.
bool PutDemoPictures(const std::string& folder);

}  // namespace qbphone
