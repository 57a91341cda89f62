#include "TestFiles.h"

#include <unistd.h>

namespace dalto::testing {

bool runningAsSuperuser()
{
    return geteuid() == 0;
}

} // namespace dalto::testing
