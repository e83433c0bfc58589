#include "tamarindmainform_ui.h"

#include "form_helpers.h"

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageLogger()
{
    PageLogger = newPage("PageLogger");
    stackedWidget->addWidget(PageLogger);
}

void Ui_TTamarindMainForm::retranslatePageLogger() {}

void Ui_TTamarindMainForm::setupPageDownload()
{
    PageDownload = newPage("PageDownload");
    stackedWidget->addWidget(PageDownload);
}

void Ui_TTamarindMainForm::retranslatePageDownload() {}

void Ui_TTamarindMainForm::setupPageDownloadListMain()
{
    PageDownloadListMain = newPage("PageDownloadListMain");
    stackedWidget->addWidget(PageDownloadListMain);
}

void Ui_TTamarindMainForm::retranslatePageDownloadListMain() {}

void Ui_TTamarindMainForm::setupPageDownloadList()
{
    PageDownloadList = newPage("PageDownloadList");
    stackedWidgetMenu->addWidget(PageDownloadList);
}

void Ui_TTamarindMainForm::retranslatePageDownloadList() {}

void Ui_TTamarindMainForm::setupPageLogfile()
{
    PageLogfile = newPage("PageLogfile");
    stackedWidgetMenu->addWidget(PageLogfile);
}

void Ui_TTamarindMainForm::retranslatePageLogfile() {}

void Ui_TTamarindMainForm::setupPageLoggerMode()
{
    PageLoggerMode = newPage("PageLoggerMode");
    stackedWidgetMenu->addWidget(PageLoggerMode);
}

void Ui_TTamarindMainForm::retranslatePageLoggerMode() {}

void Ui_TTamarindMainForm::setupPageLoggerStartTime()
{
    PageLoggerStartTime = newPage("PageLoggerStartTime");
    stackedWidgetMenu->addWidget(PageLoggerStartTime);
}

void Ui_TTamarindMainForm::retranslatePageLoggerStartTime() {}

void Ui_TTamarindMainForm::setupPageLogInterval()
{
    PageLogInterval = newPage("PageLogInterval");
    stackedWidgetMenu->addWidget(PageLogInterval);
}

void Ui_TTamarindMainForm::retranslatePageLogInterval() {}

void Ui_TTamarindMainForm::setupPageLogDuration()
{
    PageLogDuration = newPage("PageLogDuration");
    stackedWidgetMenu->addWidget(PageLogDuration);
}

void Ui_TTamarindMainForm::retranslatePageLogDuration() {}
