#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <QWidget>

#include <map>

class TClickableWidgetController;

// Owns the user's decimal separator ("." or ",") and converts between numbers
// and the texts the instrument shows and reads. The choice lives in the
// settings file and is offered as a two-entry list on the settings screen.
class TDecimalDisplayController : public QObject
{
    Q_OBJECT

public:
    static TDecimalDisplayController& instance();

    QChar decimalSeparator() const { return mDecimalSeparator; }

    // Reads both "1,5" and "1.5" when the separator is ","; oSuccess is false
    // and the result 0.0 when the text is no number.
    double Str2Double(const QString& pValue, bool& oSuccess) const;
    // pPrecision counts significant digits with pScientificNotationIfSuitable,
    // decimals without.
    QString Double2Str(double pVal, int pPrecision, bool pScientificNotationIfSuitable) const;
    QString Double2Str(double pVal, int pPrecision) const;
    QString Double2Str(double pValue) const;
    QString Double2ScientificStr(double pVal, int pPrecision) const;

    void setWidgetController(TClickableWidgetController* pWidgetController);
    void registerWidget(QWidget* pWidget, QChar pAssignedSeparator);
    void updateGUI();
    void factoryReset();

public slots:
    void decimalSeparatorSelected(QWidget* pWidget);

private:
    TDecimalDisplayController();
    void store();
    QString withSeparator(QString pText) const;

    const QString mSectionName = QStringLiteral("language");
    const QString mSetting_decimal_separator = QStringLiteral("decimal_separator");
    QChar mDecimalSeparator = QLatin1Char('.');
    TClickableWidgetController* mWidgetController = nullptr;
    std::map<QChar, QWidget*> mWidgetBySeparator;
    std::map<QWidget*, QChar> mSeparatorByWidget;
};
