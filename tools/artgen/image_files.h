// Writers for the three Windows image formats the resources use.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace artgen {

// 8 bits per pixel with a palette of the image's own colours (at most 256;
// rarer colours go to their nearest palette entry). Alpha is ignored.
void writeBmp8(const Canvas& image, const std::string& path);

// One icon file holding several sizes, each 32-bit with alpha plus the AND
// mask that older systems draw from.
void writeIco(const std::vector<Canvas>& sizes, const std::string& path);

// A monochrome cursor from rows of text: 'X' black, '.' white, anything else
// transparent. Rows shorter than the cursor are padded transparent.
void writeMonochromeCur(const std::vector<std::string>& rows, int size, int hotX, int hotY, const std::string& path);

}  // namespace artgen
