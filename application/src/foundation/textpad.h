#pragma once

#include "fullscreendialog.h"

#include <QString>

#include <memory>

class QTimer;
class Ui_TTextpad;

// The modal on-screen keyboard through which every free text is typed: capital
// and small letters with the German umlauts, a digits page, the QWERTZ or
// QWERTY arrangement of the user's language and an optional maximum length.
// Created per entry by the caller and destroyed afterwards.
class TTextpad : public TFullScreenDialog
{
    Q_OBJECT

public:
    explicit TTextpad(QWidget* parent);
    ~TTextpad() override;

    // True on OK with the text in pValue; false on Cancel with pValue as it
    // was. A negative pMaxLength sets no limit.
    bool showTextpad(QString& pValue, int pMaxLength);

public slots:
    void onKeyBtnClicked();
    void onSpaceBtnClicked();
    void onBackBtnPressed();
    void onBackBtnReleased();
    void onAcceptBtnClicked();
    void onCancelBtnClicked();
    void onSwitchUpperBtnClicked();
    void onSwitchLowerBtnClicked();
    void onSwitchNumbersBtnClicked();
    void clearEdit();

protected:
    // Its backdrop dims the screen around the keyboard, yet the user types in
    // it: a message over it shows it.
    bool isMessage() const override;

private:
    void zeichenHinzufuegen(const QString& pString);
    void eraseCharacter();
    void adaptTextPadLayout();
    void showPage(QWidget* pPage);
    void moveCursorToEnd();

    std::unique_ptr<Ui_TTextpad> ui;
    int mMaxLength = -1;
    std::unique_ptr<QTimer> mEraseTimer;
};
