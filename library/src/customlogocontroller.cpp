#include "customlogocontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "kernelbootargparser.h"

#include <QFileInfo>

using namespace Customlogocontroller;

TCustomLogoController::TCustomLogoController()
    : mCustomLogoScriptLocation(QStringLiteral("/bin/set_custom_logo"))
    , mCustomLogoParamName(QStringLiteral("logo.custom_logo_index"))
{
}

int TCustomLogoController::customLogoIndex() const
{
    return TKernelBootargParser::kernelBootArgs().value(mCustomLogoParamName).toInt();
}

void TCustomLogoController::setCustomLogoIndex(int pIndex)
{
    if (pIndex != clDefault && pIndex != clWhiteZELKWaterSign)
        return;
    // The new logo applies from the next boot; what the command reports does
    // not change what the device shows now, so its outcome is not examined.
    TCommandRunner::instance().run(mCustomLogoScriptLocation, {QString::number(pIndex)});
}

bool TCustomLogoController::customLogoAvailable() const
{
    return QFileInfo::exists(TDeviceRoot::path(mCustomLogoScriptLocation));
}
