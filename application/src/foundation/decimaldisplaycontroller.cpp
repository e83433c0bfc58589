#include "decimaldisplaycontroller.h"

#include "clickablewidgetcontroller.h"
#include "tamarindsettings.h"

TDecimalDisplayController& TDecimalDisplayController::instance()
{
    static TDecimalDisplayController controller;
    return controller;
}

TDecimalDisplayController::TDecimalDisplayController()
{
    // Any other character would be taken for a digit or lost among them
    // (25.5 shown as 2555 with "5").
    const QString stored =
        TTamarindSettings::instance().value(mSectionName, mSetting_decimal_separator, QStringLiteral("."));
    if (stored == QLatin1String(","))
        mDecimalSeparator = QLatin1Char(',');
}

double TDecimalDisplayController::Str2Double(const QString& pValue, bool& oSuccess) const
{
    QString text = pValue;
    if (mDecimalSeparator != QLatin1Char('.'))
        text.replace(mDecimalSeparator, QLatin1Char('.'));
    // QString::toDouble reads the C locale and rejects group separators, so a
    // stray "," can never turn 1,500 into one thousand five hundred.
    const double value = text.toDouble(&oSuccess);
    return oSuccess ? value : 0.0;
}

QString TDecimalDisplayController::withSeparator(QString pText) const
{
    if (mDecimalSeparator != QLatin1Char('.'))
        pText.replace(QLatin1Char('.'), mDecimalSeparator);
    return pText;
}

QString TDecimalDisplayController::Double2Str(double pVal, int pPrecision, bool pScientificNotationIfSuitable) const
{
    return withSeparator(QString::number(pVal, pScientificNotationIfSuitable ? 'g' : 'f', pPrecision));
}

QString TDecimalDisplayController::Double2Str(double pVal, int pPrecision) const
{
    return Double2Str(pVal, pPrecision, true);
}

QString TDecimalDisplayController::Double2Str(double pValue) const
{
    return Double2Str(pValue, 6, true);
}

QString TDecimalDisplayController::Double2ScientificStr(double pVal, int pPrecision) const
{
    return withSeparator(QString::number(pVal, 'e', pPrecision));
}

void TDecimalDisplayController::setWidgetController(TClickableWidgetController* pWidgetController)
{
    mWidgetController = pWidgetController;
    if (mWidgetController)
        connect(mWidgetController, &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TDecimalDisplayController::decimalSeparatorSelected, Qt::UniqueConnection);
}

void TDecimalDisplayController::registerWidget(QWidget* pWidget, QChar pAssignedSeparator)
{
    mWidgetBySeparator[pAssignedSeparator] = pWidget;
    mSeparatorByWidget[pWidget] = pAssignedSeparator;
}

void TDecimalDisplayController::updateGUI()
{
    if (!mWidgetController)
        return;
    const auto entry = mWidgetBySeparator.find(mDecimalSeparator);
    if (entry != mWidgetBySeparator.end())
        mWidgetController->activateWidget(entry->second);
}

void TDecimalDisplayController::factoryReset()
{
    mDecimalSeparator = QLatin1Char('.');
    store();
    updateGUI();
}

void TDecimalDisplayController::decimalSeparatorSelected(QWidget* pWidget)
{
    const auto entry = mSeparatorByWidget.find(pWidget);
    if (entry == mSeparatorByWidget.end())
        return;
    mDecimalSeparator = entry->second;
    store();
}

void TDecimalDisplayController::store()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSetting_decimal_separator, QString(mDecimalSeparator));
    settings.store();
}
