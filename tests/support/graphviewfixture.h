#pragma once

#include <memory>

class TChannelControllerFixture;
class TGraphViewController;
class TScanModeController;

// The graph view on the form's graph page and its settings page, as the main
// window builds it, following the scan mode given.
std::unique_ptr<TGraphViewController> buildGraphViewOnForm(TChannelControllerFixture& pFixture,
                                                           TScanModeController& pScanMode);
