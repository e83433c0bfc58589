#pragma once

// How a switch box runs; production mode is for the factory.
enum EnSwitchBoxOperatingMode : int { sbomNormal = 1, sbomProduction = 2 };
