#include "NetworkNameCache.h"

namespace dalto {

// The resolver asks the name service every time; there is nothing to clear.
void ClearNetworkNameCache()
{
}

} // namespace dalto
