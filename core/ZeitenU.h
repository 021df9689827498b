#pragma once

namespace kalmiro {

// Time units and the unit-conversion task generators.

} // namespace kalmiro
