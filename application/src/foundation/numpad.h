#pragma once

#include "fullscreendialog.h"

#include <QString>
#include <QtGlobal>

#include <memory>

class QAbstractButton;
class QTimer;
class Ui_TNumpad;

// The modal touch keypad through which every number is entered: an integer or
// a floating-point value with an optional exponent, optionally limited. The
// OK key is only offered while the value can be accepted. Created per entry by
// the caller and destroyed afterwards.
class TNumpad : public TFullScreenDialog
{
    Q_OBJECT

public:
    enum EnNumpadType : quint8 { ntUndefined = 0, ntFloat = 1, ntInteger = 2 };

    explicit TNumpad(QWidget* parent);
    ~TNumpad() override;

    // True on OK with the value text (separator of the user, exponent after
    // "e") and its number; false on Cancel, pOutput then 0.
    bool exec_float(QString& pStringValue, double& pOutput, double pMinVal, double pMaxVal, bool pShowMinMax);
    bool exec_int(QString& pStringValue, int& pOutput, int pMinVal, int pMaxVal, bool pShowMinMax);

    // A fresh integer entry with its limits shown, as the date and address
    // fields ask for one: true on OK with the number.
    static bool enterInteger(QWidget* pParent, int pMinVal, int pMaxVal, int& oValue);
    // The same over the key's window, the number written on the key with
    // leading zeros to pDigits digits; the key keeps its text on Cancel.
    static bool enterIntegerOnKey(QAbstractButton* pKey, int pMinVal, int pMaxVal, int pDigits);

public slots:
    void on_Btn0_clicked();
    void on_Btn1_clicked();
    void on_Btn2_clicked();
    void on_Btn3_clicked();
    void on_Btn4_clicked();
    void on_Btn5_clicked();
    void on_Btn6_clicked();
    void on_Btn7_clicked();
    void on_Btn8_clicked();
    void on_Btn9_clicked();
    void on_BtnDecSep_clicked();
    void on_BtnChangeSign_clicked();
    void on_BtnExponent_clicked();
    void on_BtnBack_pressed();
    void on_BtnBack_released();
    void on_BtnAccept_clicked();
    void on_BtnCancel_clicked();
    void clearEdit();

private:
    void setNewValue(const QString& pValue);
    QString appendDigit(const QString& pDigit);
    void eraseDigit();
    bool exponentMode() const;
    bool containsNonZeroDigit(const QString& pText) const;
    QString valueText() const;
    QString activeField() const;
    // The whole value text with the active field replaced.
    QString valueTextWithActiveField(const QString& pField) const;
    bool isAcceptable(const QString& pValue) const;

    std::unique_ptr<Ui_TNumpad> ui;
    EnNumpadType mType = ntUndefined;
    double mMinVal_dbl = 0.0;
    double mMaxVal_dbl = 0.0;
    int mMinVal_int = 0;
    int mMaxVal_int = 0;
    bool mCheckBoundaries = false;
    bool mValidValueEntered = true;
    QString mStylesheetValidValue;
    QString mStylesheetInvalidValue;
    std::unique_ptr<QTimer> mClearTimer;
};
