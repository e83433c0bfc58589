#pragma once

#include <memory>

class TCalibrationRoutinesGUIController;
class TChannelControllerFixture;

// The calibration routines screen's controller on the fixture's form and
// channel controller (built before), with every widget the main window hands it.
std::unique_ptr<TCalibrationRoutinesGUIController> buildRoutinesController(TChannelControllerFixture& pFixture);
