// The text the reader shows for a piece: title, author, then the paragraphs, each indented by
// two full-width spaces as Chinese prose is set.
#pragma once

#include <string>

#include "reader/pieces.h"

namespace reader {

std::wstring FormatPiece(const Piece& piece);

}  // namespace reader
