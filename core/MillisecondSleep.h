#pragma once
// A pause of a few milliseconds that lasts what it says: Windows rounds an
// ordinary sleep up to its 15.6 ms scheduler tick unless asked for a finer one.

namespace dalto {

void SleepMilliseconds(int ms);

} // namespace dalto
