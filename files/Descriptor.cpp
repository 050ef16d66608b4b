#include "files/Descriptor.h"

#include <unistd.h>

namespace quindle {

void TDescriptor::Reset(int fd)
{
    if (FFd >= 0 && FFd != fd)
        close(FFd);
    FFd = fd;
}

} // namespace quindle
