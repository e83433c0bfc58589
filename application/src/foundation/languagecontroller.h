#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <map>
#include <memory>

class QLabel;
class QTranslator;
class TClickableWidgetController;

namespace Languagecontroller
{
enum EnLanguageType : quint8 {
    ltEnglishUK = 1,
    ltEnglishUSA = 2,
    ltGerman = 3,
    ltSpanish = 4,
    ltFrench = 5,
    ltItalian = 6,
    ltPolish = 7,
    ltRussian = 8,
    ltArabic = 9,
    ltChinese = 10,
    ltJapanese = 11,
    ltPortuguese = 12
};

enum EnTextPadLayout : quint8 { lytQWERTZ = 1, lytQWERTY = 2 };
} // namespace Languagecontroller

// Keeps the language of the user interface: installs the translation of the
// chosen language into the application, remembers the choice in the settings,
// runs the language page and tells the text pad which keyboard to show.
// English (UK) is the language of the source texts and needs no translation.
class TLanguageController : public QObject
{
    Q_OBJECT

public:
    struct TLanguageWidgets
    {
        QWidget* button = nullptr;
        QLabel* textLabel = nullptr;
        QLabel* iconLabel = nullptr;
    };

    static TLanguageController& instance();
    ~TLanguageController() override;

    void registerLanguageFile(Languagecontroller::EnLanguageType pLanguage, const QString& pFileName);
    void assignLanguageActivationWidget(Languagecontroller::EnLanguageType pLanguage, QWidget* pButton,
                                        QLabel* pTextLabel, QLabel* pIconLabel);
    void setLangSelectWidgetController(std::unique_ptr<TClickableWidgetController> pController);
    void setLangSelectIndicatorLabels(QLabel* pLanguageIndicator, QLabel* pFlagIndicator);

    void loadSettings();
    void storeSettings();
    void factoryReset();
    // A translation file that is missing or does not load leaves the source
    // texts on screen; the language still becomes current.
    void setLanguage(Languagecontroller::EnLanguageType pLanguage);
    Languagecontroller::EnLanguageType currentLanguage() const { return mCurrentLanguage; }
    void indicateSelectedLanguage();
    Languagecontroller::EnTextPadLayout getTextPadLayout() const;

public slots:
    void language_widget_clicked(QWidget* pWidget);

private:
    TLanguageController() = default;

    const QString mSectionName = QStringLiteral("language");
    const QString mSetting_language = QStringLiteral("language");
    const Languagecontroller::EnLanguageType mDefaultLanguage = Languagecontroller::ltEnglishUK;
    Languagecontroller::EnLanguageType mCurrentLanguage = Languagecontroller::ltEnglishUK;
    std::unique_ptr<QTranslator> mTranslator;
    QLabel* mSelectedLanguageIndicator = nullptr;
    QLabel* mSelectedLanguageFlagIndicator = nullptr;
    std::map<Languagecontroller::EnLanguageType, QString> mLanguageFiles;
    std::map<Languagecontroller::EnLanguageType, TLanguageWidgets> mWidgetsByLanguage;
    std::map<QWidget*, Languagecontroller::EnLanguageType> mLanguageByWidget;
    std::unique_ptr<TClickableWidgetController> mLangSelectWidgetController;
};
