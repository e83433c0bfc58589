#pragma once

#include "fullscreendialog.h"

#include <functional>
#include <memory>

class QFont;
class Ui_TMessageDialog;

// The one modal message box of the program: errors, confirmations, notices,
// questions and the storage notice. It covers the whole screen and fits long
// texts by shrinking the font, then by cutting the text. Callers create it for
// one message on the stack, or have showMessage() make one, and translate the
// text themselves.
class TMessageDialog : public TFullScreenDialog
{
    Q_OBJECT

public:
    enum EnDialogType : quint8 { dtWarning = 1, dtConfirmation = 2, dtInfo = 3, dtStorage = 4 };

    // Flags of the button mask of showDialog().
    enum EnDialogButton { dbOK = 1, dbCancel = 2, dbYes = 4, dbNo = 8 };

    enum EnDialogReturnValue : quint8 { drvUndefined = 0, drvOK = 1, drvCancel = 2, drvYes = 3, drvNo = 4 };

    // The text starts at this pixel size and may shrink to the smallest one;
    // it has to fit into the height left between the icon and the buttons.
    static constexpr int DEFAULT_FONT_PIXEL_SIZE = 28;
    static constexpr int MINIMUM_FONT_PIXEL_SIZE = 18;
    static constexpr int MAXIMUM_TEXT_HEIGHT = 180;

    explicit TMessageDialog(QWidget* pParent = nullptr);
    ~TMessageDialog() override;

    // Runs the dialog modally; drvUndefined when it was closed without one of
    // its buttons (also the only way out with an empty mask).
    EnDialogReturnValue showDialog(const QString& pText, EnDialogType pDialogType, int pButtons);
    void showError(const QString& pText);
    void showConfirmation(const QString& pText);
    void showInfo(const QString& pText);
    // True only when Yes was pressed.
    bool showQuestion(const QString& pText);

    // A message with an OK only; pClosed runs once, as the user closes it.
    // With pWait the call returns only then, running the event loop
    // meanwhile, as showDialog does. Without, it returns at once and the
    // message, modal all the same, deletes itself once closed: for a caller
    // that must go on while it is open.
    static void showMessage(const QString& pText, EnDialogType pDialogType, bool pWait,
                            std::function<void()> pClosed = {});

    // Gives pFont the largest pixel size from 28 down to 18 at which the text
    // stays within the text height, and returns the text to show: the whole
    // text, or at size 18 a shortened one ending in "[...]".
    static QString fitText(const QString& pText, QFont& pFont);

private slots:
    void on_BtnOK_clicked();
    void on_BtnYes_clicked();
    void on_BtnNo_clicked();
    void on_BtnCancel_clicked();

private:
    void prepare(const QString& pText, EnDialogType pDialogType, int pButtons);

    std::unique_ptr<Ui_TMessageDialog> mUi;
    EnDialogReturnValue mReturnValue = drvUndefined;
};
