#include "languagecontroller.h"

#include "clickablewidgetcontroller.h"
#include "tamarindsettings.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTranslator>

using namespace Languagecontroller;

TLanguageController& TLanguageController::instance()
{
    static TLanguageController controller;
    return controller;
}

TLanguageController::~TLanguageController()
{
    if (mTranslator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(mTranslator.get());
}

void TLanguageController::registerLanguageFile(EnLanguageType pLanguage, const QString& pFileName)
{
    mLanguageFiles[pLanguage] = pFileName;
}

void TLanguageController::assignLanguageActivationWidget(EnLanguageType pLanguage, QWidget* pButton, QLabel* pTextLabel,
                                                         QLabel* pIconLabel)
{
    TLanguageWidgets widgets;
    widgets.button = pButton;
    widgets.textLabel = pTextLabel;
    widgets.iconLabel = pIconLabel;
    mWidgetsByLanguage[pLanguage] = widgets;
    mLanguageByWidget[pButton] = pLanguage;
}

void TLanguageController::setLangSelectWidgetController(std::unique_ptr<TClickableWidgetController> pController)
{
    mLangSelectWidgetController = std::move(pController);
    if (mLangSelectWidgetController)
        connect(mLangSelectWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TLanguageController::language_widget_clicked);
}

void TLanguageController::setLangSelectIndicatorLabels(QLabel* pLanguageIndicator, QLabel* pFlagIndicator)
{
    mSelectedLanguageIndicator = pLanguageIndicator;
    mSelectedLanguageFlagIndicator = pFlagIndicator;
}

void TLanguageController::loadSettings()
{
    const QString stored = TTamarindSettings::instance().value(mSectionName, mSetting_language, QStringLiteral("1"));
    // The language is one byte wide; a text that is no number reads as 0.
    setLanguage(static_cast<EnLanguageType>(stored.toInt() & 0xFF));
}

void TLanguageController::storeSettings()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSetting_language, QString::number(mCurrentLanguage));
    settings.store();
}

void TLanguageController::factoryReset()
{
    setLanguage(ltEnglishUK);
    storeSettings();
}

void TLanguageController::setLanguage(EnLanguageType pLanguage)
{
    mCurrentLanguage = pLanguage;
    if (!mTranslator)
        mTranslator = std::make_unique<QTranslator>();
    else
        QCoreApplication::removeTranslator(mTranslator.get());

    if (pLanguage == mDefaultLanguage)
        return;
    const auto file = mLanguageFiles.find(pLanguage);
    if (file == mLanguageFiles.end())
        return;
    // Installing also tells every widget to retranslate itself. A file that
    // does not load is not installed, so the source texts stay.
    if (mTranslator->load(file->second))
        QCoreApplication::installTranslator(mTranslator.get());
}

void TLanguageController::indicateSelectedLanguage()
{
    const auto entry = mWidgetsByLanguage.find(mCurrentLanguage);
    if (entry == mWidgetsByLanguage.end())
        return;
    const TLanguageWidgets& widgets = entry->second;
    if (mSelectedLanguageIndicator && widgets.textLabel)
        mSelectedLanguageIndicator->setText(widgets.textLabel->text());
    if (mSelectedLanguageFlagIndicator && widgets.iconLabel)
        mSelectedLanguageFlagIndicator->setPixmap(widgets.iconLabel->pixmap(Qt::ReturnByValue));
    if (mLangSelectWidgetController && widgets.button)
        mLangSelectWidgetController->activateWidget(widgets.button);
}

EnTextPadLayout TLanguageController::getTextPadLayout() const
{
    return mCurrentLanguage == ltGerman ? lytQWERTZ : lytQWERTY;
}

void TLanguageController::language_widget_clicked(QWidget* pWidget)
{
    const auto entry = mLanguageByWidget.find(pWidget);
    if (entry == mLanguageByWidget.end())
        return;
    setLanguage(entry->second);
    storeSettings();
}
