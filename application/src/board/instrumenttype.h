#pragma once

// The instrument variant, decided by the model field of the board's
// identification reply; it selects the probe record layout and the USB stick's
// base directory.
enum EnInstrumentType : int { ZTM8800 = 1, ZTM8800v2 = 2, ZTM9900 = 3 };
