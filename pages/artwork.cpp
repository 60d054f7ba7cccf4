// The artwork::Bytes objects are defined, with the files they point at, in artwork_data.S. That
// file lays each one out as a pointer followed by a pointer-sized length; these checks keep the
// struct matching it.
#include "pages/artwork.h"

#include <cstddef>

namespace artwork {

static_assert(sizeof(Bytes) == 2 * sizeof(void*), "artwork_data.S writes two pointer-sized words per picture");
static_assert(offsetof(Bytes, data) == 0 && offsetof(Bytes, size) == sizeof(void*),
              "artwork_data.S writes the data pointer first, then the size");
static_assert(sizeof(std::size_t) == sizeof(void*), "artwork_data.S writes the size as a pointer-sized word");

}  // namespace artwork
