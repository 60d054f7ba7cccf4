// The prose pieces the reader offers: short classical Chinese texts in the public domain.
#pragma once

#include <cstddef>

namespace reader {

struct Piece {
    const wchar_t* title;
    const wchar_t* author;
    const wchar_t* body;  // paragraphs separated by CR LF pairs, as the edit control shows them
};

// The pieces in the order the list shows them.
const Piece* Pieces();
std::size_t PieceCount();

}  // namespace reader
