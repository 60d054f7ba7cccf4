#include "reader/piece_text.h"

namespace reader {

std::wstring FormatPiece(const Piece& piece) {
    const std::wstring indent = L"\u3000\u3000";
    const std::wstring breakBetween = L"\r\n\r\n";
    std::wstring text = piece.title;
    text += L"\r\n";
    text += piece.author;
    text += breakBetween;
    text += indent;
    const std::wstring body = piece.body;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = body.find(breakBetween, start);
        if (end == std::wstring::npos) {
            text += body.substr(start);
            break;
        }
        text += body.substr(start, end - start);
        text += breakBetween;
        text += indent;
        start = end + breakBetween.size();
    }
    return text;
}

}  // namespace reader
