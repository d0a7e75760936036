// Systems without transparent huge pages: buffers are filled as they come.

#include "controls/hugepages.h"

namespace hugepages {

void advise(const void *, std::size_t)
{
}

} // namespace hugepages
