#include "zelkdialogbutton.h"

QZELKDialogButton::QZELKDialogButton(QWidget* pParent) : QPushButton(pParent)
{
    setStyleSheet(QStringLiteral("QZELKDialogButton {"
                                 " background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 #242424, stop:0.05 #A0A0A0, stop:0.4 #191919, stop:1 #414141);"
                                 " border: 2px solid #252525;"
                                 " border-radius: 6;"
                                 " outline: none;"
                                 " color: white; }"
                                 "QZELKDialogButton:pressed {"
                                 " background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 #FF6600, stop:0.1 #FFCC00, stop:0.3 #FF6600, stop:0.8 #FF9900); }"));
}
