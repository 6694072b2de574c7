#include "desktop/standard_descriptors.h"

#include <cerrno>
#include <initializer_list>
#include <fcntl.h>
#include <unistd.h>

namespace nimbrel {

void openClosedStandardDescriptors()
{
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open takes the lowest free number, this one: the ones below it are open by now.
        open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
}

} // namespace nimbrel
