#pragma once
#include "sim/unconnected_port.h"

namespace support {

using NoPort = sim::UnconnectedPort;

}  // namespace support
