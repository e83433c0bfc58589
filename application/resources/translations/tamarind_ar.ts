<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_GB">
<context>
    <name>TAbstractChannel</name>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>Kelvin</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
</context>
<context>
    <name>TAbstractChannelViewController</name>
    <message>
        <source>Chan.</source>
        <comment>Translation for channel selection button</comment>
        <translation>قناة</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>عدد القياسات</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>المتوسط</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>الاستقرار</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>المقاومة</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>الجهد الحراري</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>تحذير: آخر معايرة للمجس %1 مضى عليها أكثر من سنة! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>اسم المجس: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>نوع المجس: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>مجس مرجعي: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T الدنيا: </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T القصوى: </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>آخر معايرة: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>مزدوجة حرارية (8 قنوات)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>مزدوجة حرارية (16 قناة)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 قنوات)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 قناة)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 قنوات)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>تعذر نسخ ملف واحد على الأقل إلى ذاكرة USB. يرجى التأكد من توصيل ذاكرة USB بها مساحة خالية كافية!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>يمكنك الآن إزالة ذاكرة USB بأمان.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>قناة</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>صوت المفاتيح</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>إنذار</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>يرجى توصيل محول معايرة CJC بالقناة 1 والقناة %1. تأكد من تعيين المجس الذي يحمل معاملات المحول للقناة 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>تعذر على الجهاز الحصول على نتيجة قياس صالحة. سيتم إلغاء المعايرة.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>القيمة المرجعية:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>الاستقرار:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>قيمة القناة %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>اسم البرنامج</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>بدء البرنامج</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>نهاية البرنامج</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>المصدر (نوع المعاير)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>الاستقرار [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>زمن الاستقرار [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>زمن الثبات [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>القناة المرجعية</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>المجس المرجعي</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>القناة: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>نقطة المعايرة [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>القيمة المرجعية [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>استقرار المرجع [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>قيمة DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>القيمة الخام لـ DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>لا يمكن إرسال نقطة المعايرة %1 °C إلى المعاير: فهي لا تتسع في سجل القيمة المضبوطة للمعاير.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>برنامج المعايرة:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>زمن الاستقرار [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>زمن الثبات [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>الاستقرار [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>نقطة المعايرة:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>البدء: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>جمع العينات</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>غير مستقر</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>قراءة قنوات DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>زمن الثبات جارٍ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>الاكتمال: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>هل تريد إلغاء برنامج المعايرة؟</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>يوجد بالفعل برنامج معايرة باسم %1. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>ملف المعايرة</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>مجس DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>قناة DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>نقطة المعايرة:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>القيمة المرجعية:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>قيمة DUT:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>هل تريد حذف ملف المعايرة %1؟</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>هل تريد حذف برنامج المعايرة %1؟</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>لا توجد ذاكرة USB موصولة!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>تعذرت كتابة جدول النتائج على ذاكرة USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>اكتمل برنامج المعايرة بنجاح.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>اكتمل برنامج المعايرة، ولكن تعذر حفظ نتيجته.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>إعداد المعايرة &quot;%1&quot; غير صالح، يرجى تصحيح الإعداد والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>تعذرت تهيئة المعاير. يرجى التحقق من توصيل المعاير من النوع %1 وتشغيله.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>تعذر اختيار القناة المرجعية %1. يرجى التأكد من أنها قناة مرجعية صالحة.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>لم يقبل المعاير إحدى نقاط المعايرة. يرجى التحقق من إعداد المعايرة.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>تعذر اختيار إحدى قنوات DUT. يرجى التحقق من أن إعداد المعايرة يحتوي على قنوات صالحة فقط.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>تعذرت قراءة القيمة من القناة المرجعية %1. يرجى التحقق من تعيين مجس صالح وتوصيله.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>يرجى إدخال اسم برنامج المعايرة.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>يجب ألا يكون اسم برنامج المعايرة &quot;.&quot; أو &quot;..&quot; وألا يحتوي على أي من %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>يرجى إدخال قناة DUT واحدة على الأقل.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>يرجى إدخال قيمة للاستقرار.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>يرجى إدخال قيمة لزمن الاستقرار.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>يرجى إدخال قيمة لزمن الثبات.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>يرجى إدخال نقطة معايرة واحدة على الأقل.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>يرجى إدخال %1 نقطة معايرة على الأكثر.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>نقطة المعايرة %1 °C خارج النطاق المحدد [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>يرجى إدخال عنوان IP صالح.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>يرجى إدخال منفذ صالح.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>تحرير البرنامج</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>اختيار قنوات DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>تغيير قناة DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>اختيار القناة</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDWK4400_1100_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>لم يتم العثور على محول USB إلى تسلسلي. يرجى التأكد من استخدام محول يعتمد على شريحة FTDI. قد تساعد إعادة توصيل المحول أيضًا.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>يرجى التحقق من جاهزية المعاير للاتصال. إذا كانت القيمة المضبوطة تومض، فاضغط E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>لم يتم العثور على محول USB إلى تسلسلي. يرجى التأكد من استخدام محول يعتمد على شريحة FTDI. قد تساعد إعادة توصيل المحول أيضًا.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/yyyy</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>التخزين مستخدم بنسبة 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>لا توجد ملفات متاحة للتنزيل.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>لا توجد ذاكرة USB موصولة!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>لم يتم تعيين مجسات مخصصة للقنوات المقاسة حاليًا.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>جارٍ تحميل مجسات SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>لا توجد حاليًا مجسات SMART موصولة بالجهاز.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>حدث خطأ أثناء إنشاء الملف على جهاز USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>لم يتم العثور على ملفات تحتوي على معاملات المجسات.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>هل تريد حذف العناصر المحددة؟</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>جارٍ التنزيل...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>اكتمل التنزيل</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>التحديث من الإصدار %1 إلى الإصدار %2. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>نجح تحديث البرنامج الثابت. ستتم الآن إعادة تشغيل الجهاز.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>قناة</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>إعدادات الرسم البياني</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>يجب أن تكون قيمة &quot;الأقصى&quot; أكبر من قيمة &quot;الأدنى&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TInstrumentInfo</name>
    <message>
        <source>Scanner</source>
        <translation>الماسح</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>الرقم التسلسلي للجهاز</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>الرقم التسلسلي لنظام القياس</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>الرقم التسلسلي للواجهة</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>إصدار واجهة المستخدم</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>إصدار نظام التشغيل</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>TLogfileController</name>
    <message>
        <source>s</source>
        <extracomment>seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Starts in</source>
        <translation>يبدأ بعد</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>يتوقف بعد</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>تعذرت الكتابة في ملف السجل. تم إيقاف المسجل.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>يرجى إدخال تاريخ صالح.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>يرجى إدخال وقت صالح.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>يرجى إدخال مدة صالحة!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>تعذر إنشاء ملف السجل، الملف موجود بالفعل!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>تعذر إنشاء ملف السجل.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>يرجى إدخال فاصل زمني صالح!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>جارٍ تحميل مجسات SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>قيمة درجة الحرارة</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>القيمة الخام</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>فرق درجة الحرارة</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>فرق القيمة الخام</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>مجسات SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>مجسات PRT:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>مجسات المزدوجة الحرارية:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>مجسات الثرمستور:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>ملف السجل المحدد قيد الاستخدام حاليًا ولا يمكن حذفه.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>هل تريد حقًا حذف ملف السجل المحدد؟</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/yyyy</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>days</extracomment>
        <translation>d</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>An error has occurred! </source>
        <translation>حدث خطأ! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>المجس / الوحدة (قناة %1)</translation>
    </message>
</context>
<context>
    <name>TPRTProbe</name>
    <message>
        <source>Pt25</source>
        <translation>Pt25</translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation>Pt100</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 أسلاك</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 أسلاك</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>25Ω</source>
        <translation>25Ω</translation>
    </message>
    <message>
        <source>100Ω</source>
        <translation>100Ω</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation>EN 60751</translation>
    </message>
    <message>
        <source>Callendar-Van Dusen</source>
        <translation>Callendar-Van Dusen</translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation>ITS 90</translation>
    </message>
    <message>
        <source>Auto</source>
        <comment>PRT excitation current setting</comment>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>0.5 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation>0.5 mA</translation>
    </message>
    <message>
        <source>1 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation>1 mA</translation>
    </message>
    <message>
        <source>2 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation>2 mA</translation>
    </message>
    <message>
        <source>PRT</source>
        <translation>PRT</translation>
    </message>
    <message>
        <source>PRT type: </source>
        <translation>نوع PRT: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>التوصيل: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>المقاومة الداخلية: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>تيار الاستعداد: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>التحويل: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>تيار الإثارة</translation>
    </message>
    <message>
        <source>R0: </source>
        <comment>CvD coefficient</comment>
        <translation>R0: </translation>
    </message>
    <message>
        <source>A: </source>
        <comment>CvD coefficient</comment>
        <translation>A: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>CvD coefficient</comment>
        <translation>B: </translation>
    </message>
    <message>
        <source>C: </source>
        <comment>CvD coefficient</comment>
        <translation>C: </translation>
    </message>
    <message>
        <source>R001: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>R001: </translation>
    </message>
    <message>
        <source>A: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>A: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>B: </translation>
    </message>
    <message>
        <source>Ap: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Ap: </translation>
    </message>
    <message>
        <source>Bp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Bp: </translation>
    </message>
    <message>
        <source>Cp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Cp: </translation>
    </message>
    <message>
        <source>Dp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Dp: </translation>
    </message>
</context>
<context>
    <name>TPhysicalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>قناة</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>تنبيه! المجس %1 يعمل خارج نطاق درجة الحرارة المحدد!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>هذا المجس غير متوافق مع القناة %1 بالإعدادات الحالية.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>هل تريد حقًا حذف المجس %1؟</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>اسم المجس</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>مرجعي</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T الدنيا</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T القصوى</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>آخر معايرة</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>التوصيل</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المقاومة الداخلية</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>التحويل</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>نوع PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>تيار الاستعداد</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>تيار الإثارة</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل ITS 90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>نوع المزدوجة الحرارية</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>تعويض الوصلة الباردة</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>القناة المرجعية</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>المعامل C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل كثيرة الحدود C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل كثيرة الحدود C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل كثيرة الحدود C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>معامل كثيرة الحدود C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 أسلاك</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 أسلاك</translation>
    </message>
    <message>
        <source>25 Ohm</source>
        <translation>25 Ohm</translation>
    </message>
    <message>
        <source>100 Ohm</source>
        <translation>100 Ohm</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>CvD</source>
        <translation>CvD</translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation>ITS 90</translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation>EN 60751</translation>
    </message>
    <message>
        <source>Pt25</source>
        <translation>Pt25</translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation>Pt100</translation>
    </message>
    <message>
        <source>B</source>
        <comment>Thermocouple type</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Thermocouple type</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <comment>Thermocouple type</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <comment>Thermocouple type</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>J</source>
        <comment>Thermocouple type</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Thermocouple type</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Thermocouple type</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Thermocouple type</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Thermocouple type</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thermocouple type</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>Internal</source>
        <comment>Cold junction compensation</comment>
        <translation>داخلي</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>خارجي</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>قناة</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>كثيرة الحدود</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>None</source>
        <comment>Thermistor conversion</comment>
        <translation>بدون</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>لا يحتوي الجهاز على أي مجسات مخصصة.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>تعذر إنشاء الملف.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>اسم المجس</translation>
    </message>
    <message>
        <source>PT25</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PT25</translation>
    </message>
    <message>
        <source>PT100</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PT100</translation>
    </message>
    <message>
        <source>Thermocouple B</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T الدنيا</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T القصوى</translation>
    </message>
    <message>
        <source>PRT CvD R0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT CvD R0</translation>
    </message>
    <message>
        <source>PRT CvD A</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT CvD A</translation>
    </message>
    <message>
        <source>PRT CvD B</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT CvD B</translation>
    </message>
    <message>
        <source>PRT CvD C</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT CvD C</translation>
    </message>
    <message>
        <source>PRT ITS90 R0.01</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 R0.01</translation>
    </message>
    <message>
        <source>PRT ITS90 an</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 an</translation>
    </message>
    <message>
        <source>PRT ITS90 bn</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 bn</translation>
    </message>
    <message>
        <source>PRT ITS90 ap</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 ap</translation>
    </message>
    <message>
        <source>PRT ITS90 bp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 bp</translation>
    </message>
    <message>
        <source>PRT ITS90 cp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 cp</translation>
    </message>
    <message>
        <source>PRT ITS90 dp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>PRT ITS90 dp</translation>
    </message>
    <message>
        <source>Thermocouple Ta min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>مزدوجة حرارية c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور كثيرة حدود c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور كثيرة حدود c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور كثيرة حدود c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>ثرمستور كثيرة حدود c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>تعذر فتح الملف.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>تنسيق ملف الاستيراد غير صالح. تُقبل فقط الملفات بترميز UTF-16 مع علامة ترتيب البايت!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>ملف الاستيراد كبير جدًا.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>تم إلغاء الاستيراد.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>انتهى الاستيراد.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>المجسات المنشأة: %1. المجسات المحدثة: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>خطأ في السطر %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>إجمالي عدد الأخطاء: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>اسم مجس غير صالح: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>قيمة غير صالحة لـ Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>قيمة غير صالحة لـ Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>يجب أن تكون قيمة Tmin أصغر من Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>تعذر تحديد نوع المجس</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>المعاملات فارغة.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>تم العثور على بيانات معاملات غامضة.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>المجس %1 موجود بالفعل وله نوع مختلف. سيتم تجاهل السجل.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>تم العثور على معاملات غير صالحة. يرجى إدخال معاملات CvD أو ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>تم العثور على معاملات غير صالحة. يرجى إدخال معاملات المزدوجة الحرارية.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>تم العثور على معاملات غير صالحة. يرجى إدخال معاملات Steinhart-Hart أو كثيرة الحدود.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>تعذر إنشاء مجس جديد، تم الوصول إلى الحد الأقصى لعدد المجسات.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>المجس</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>تم الوصول إلى الحد الأقصى لعدد المجسات. يرجى حذف مجس موجود أولًا.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>تعذرت قراءة ذاكرة المجسات في لوحة القياس بالكامل. لا يمكن إنشاء مجس جديد حتى تتم إعادة تشغيل الجهاز.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>قيمة معامل غير صالحة: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>آخر معايرة</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>يرجى إدخال اسم المجس.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>يرجى إدخال قيمة Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>يرجى إدخال قيمة Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>يجب أن تكون Tmax أكبر من Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>لا يمكن استعادة بيانات المجس بسبب عدم تطابق نوع المجس.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>الإصدار السابق من بيانات المجس مؤرخ في %1. هل تريد استعادة بيانات المجس؟ لن يتم تحديث البيانات المستعادة حتى تقوم بحفظها.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>تحذير: تغير اسم المجس منذ آخر نسخة احتياطية، وستتم إعادة تسميته إلى %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>تعذر حفظ المجس على لوحة القياس.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>مقياس حرارة مقاومي</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>مزدوجة حرارية</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>اختيار القناة</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>يرجى اختيار قناة صالحة لتعويض الوصلة الباردة.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>ثرمستور</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>قناة</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>يرجى إدخال عنوان IP صالح</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>يرجى إدخال قناع شبكة صالح</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>يرجى إدخال بوابة صالحة</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>زوجي</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>فردي</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>تعذر تغيير إعداد DHCP. بقي تكوين الشبكة كما كان.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP متوقف، ولكن لا يُعرف أي عنوان IPv4 للواجهة. يرجى إدخال عنوان IP وقناع الشبكة.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>لا يقبل الخط هذه الإعدادات ويبقى مغلقًا.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>تهيئة صندوق الماسح %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>يجب أن تحتوي تهيئة القنوات على قناتين على الأقل!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>المعايرة</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>رسم بياني</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>مجسات SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>جارٍ تحميل مجسات SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>هل تريد تعطيل المجس %1؟</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>هل تريد تفعيل المجس %1؟</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>تحذير: كان موعد معايرة المجس %1 في %2!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>25Ω</source>
        <translation>25Ω</translation>
    </message>
    <message>
        <source>100Ω</source>
        <translation>100Ω</translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation>EN 60751</translation>
    </message>
    <message>
        <source>Callendar-Van Dusen</source>
        <translation>Callendar-Van Dusen</translation>
    </message>
    <message>
        <source>R0: </source>
        <comment>CvD coefficient</comment>
        <translation>R0: </translation>
    </message>
    <message>
        <source>A: </source>
        <comment>CvD coefficient</comment>
        <translation>A: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>CvD coefficient</comment>
        <translation>B: </translation>
    </message>
    <message>
        <source>C: </source>
        <comment>CvD coefficient</comment>
        <translation>C: </translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation>ITS 90</translation>
    </message>
    <message>
        <source>R001: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>R001: </translation>
    </message>
    <message>
        <source>A: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>A: </translation>
    </message>
    <message>
        <source>B: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>B: </translation>
    </message>
    <message>
        <source>Ap: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Ap: </translation>
    </message>
    <message>
        <source>Bp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Bp: </translation>
    </message>
    <message>
        <source>Cp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Cp: </translation>
    </message>
    <message>
        <source>Dp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation>Dp: </translation>
    </message>
    <message>
        <source>Enabled: </source>
        <translation>مفعّل: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>المعايرة التالية: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>مصدر المعايرة: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>المقاومة الداخلية: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>التحويل: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>نطاق العمل: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>مقفل: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>اختيار القناة</translation>
    </message>
</context>
<context>
    <name>TTCProbe</name>
    <message>
        <source>B</source>
        <comment>thermocouple type</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <comment>thermocouple type</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <comment>thermocouple type</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <comment>thermocouple type</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>J</source>
        <comment>thermocouple type</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>K</source>
        <comment>thermocouple type</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>N</source>
        <comment>thermocouple type</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>R</source>
        <comment>thermocouple type</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <comment>thermocouple type</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>T</source>
        <comment>thermocouple type</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>internal</source>
        <translation>داخلي</translation>
    </message>
    <message>
        <source>external</source>
        <translation>خارجي</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>قناة</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>كثيرة الحدود</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>مزدوجة حرارية</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>نوع المزدوجة الحرارية: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>تعويض الوصلة الباردة: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>التحويل: </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta الدنيا: </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta القصوى: </translation>
    </message>
    <message>
        <source>A0: </source>
        <comment>TC coefficient</comment>
        <translation>A0: </translation>
    </message>
    <message>
        <source>A1: </source>
        <comment>TC coefficient</comment>
        <translation>A1: </translation>
    </message>
    <message>
        <source>A2: </source>
        <comment>TC coefficient</comment>
        <translation>A2: </translation>
    </message>
    <message>
        <source>A3: </source>
        <comment>TC coefficient</comment>
        <translation>A3: </translation>
    </message>
    <message>
        <source>Tb min.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb الدنيا: </translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb القصوى: </translation>
    </message>
    <message>
        <source>B0: </source>
        <comment>TC coefficient</comment>
        <translation>B0: </translation>
    </message>
    <message>
        <source>B1: </source>
        <comment>TC coefficient</comment>
        <translation>B1: </translation>
    </message>
    <message>
        <source>B2: </source>
        <comment>TC coefficient</comment>
        <translation>B2: </translation>
    </message>
    <message>
        <source>B3: </source>
        <comment>TC coefficient</comment>
        <translation>B3: </translation>
    </message>
    <message>
        <source>Tc min.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc الدنيا: </translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc القصوى: </translation>
    </message>
    <message>
        <source>C0: </source>
        <comment>TC coefficient</comment>
        <translation>C0: </translation>
    </message>
    <message>
        <source>C1: </source>
        <comment>TC coefficient</comment>
        <translation>C1: </translation>
    </message>
    <message>
        <source>C2: </source>
        <comment>TC coefficient</comment>
        <translation>C2: </translation>
    </message>
    <message>
        <source>C3: </source>
        <comment>TC coefficient</comment>
        <translation>C3: </translation>
    </message>
</context>
<context>
    <name>TTamarindClock</name>
    <message>
        <source>The system time could not be changed. The instrument will not be restarted.</source>
        <translation>تعذر تغيير وقت النظام. لن تتم إعادة تشغيل الجهاز.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>تعذر حفظ وقت النظام في ساعة الجهاز. لن تتم إعادة تشغيل الجهاز.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>تم تغيير وقت النظام بنجاح. ستتم الآن إعادة تشغيل الجهاز.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>يرجى إدخال تاريخ ووقت كاملين.</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>ستتم إعادة ضبط الجهاز على إعدادات المصنع. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>تعذرت استعادة بيانات معايرة المصنع، يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>تم رفض الوصول.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>تعذرت إعادة ضبط معايرة شاشة اللمس.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>يرجى إعادة تشغيل الجهاز لمعايرة شاشة اللمس.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>برنامج معايرة جديد</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>برنامج جديد</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>تهيئة برنامج موجود</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>تصفية:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>ملفات المعايرة</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>اسم البرنامج</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>الاستقرار [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>زمن الثبات [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>نقاط المعايرة [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>قنوات DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>القناة المرجعية</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>زمن الاستقرار [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>اسم البرنامج</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>المجس المرجعي</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>الأجهزة قيد الاختبار</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>تهيئة القنوات</translation>
    </message>
    <message>
        <source>PRT 2</source>
        <translation>PRT 2</translation>
    </message>
    <message>
        <source>PRT 1</source>
        <translation>PRT 1</translation>
    </message>
    <message>
        <source>TC 3</source>
        <translation>TC 3</translation>
    </message>
    <message>
        <source>TC 4</source>
        <translation>TC 4</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>بيانات المعايرة الحالية</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>الإزاحة</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>آخر معايرة</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>المعايرة التالية</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>القيم الاسمية</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>القيم المقاسة</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>بيانات المعايرة الجديدة</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>الإزاحة [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>إطفاء الإضاءة</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>تهيئة القنوات</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>الوحدة 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>الوحدة 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>الوحدة 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>الوحدة 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>زمن الثبات</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>View</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>العرض المحدد</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>تفعيل العرض</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>المقياس</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>الأدنى</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>الأقصى</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>المعايرة</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>رسم بياني</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>الفاصل الزمني</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>وقت البدء</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>ملفات السجل</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>لقطات الشاشة</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>المجسات المقاسة</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>مجسات SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>كل المجسات</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>تفاصيل الجهاز</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>تنزيل معاملات المجسات</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>اختيار ملف</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>استيراد معاملات المجسات</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>إخراج ذاكرة USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>تنزيل المحدد</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>حذف المحدد</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24h</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Interval [s]</source>
        <translation>الفاصل [s]</translation>
    </message>
    <message>
        <source>d</source>
        <comment>short for &quot;days&quot;</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>h</source>
        <comment>short for &quot;hours&quot;</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <comment>short for &quot;minutes&quot;</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>المسجل</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>الخدمة</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>المجسات</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>عن بعد</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>الإنجليزية (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>الإنجليزية (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>البرتغالية</translation>
    </message>
    <message>
        <source>French</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>الإيطالية</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>البولندية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>مجس جديد</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>مقياس حرارة مقاومي (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>مزدوجة حرارية (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>ثرمستور</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>تهيئة مجس موجود</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>عرض مجسات SMART الموصولة</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>تحويل PRT القياسي</translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation>EN 60751</translation>
    </message>
    <message>
        <source>CvD</source>
        <translation>CvD</translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation>ITS 90</translation>
    </message>
    <message>
        <source>Wiring</source>
        <translation>التوصيل</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 أسلاك</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 أسلاك</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>تحويل الثرمستور القياسي</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>كثيرة الحدود</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>تحويل TC القياسي</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>الوصلة الباردة القياسية</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>داخلي</translation>
    </message>
    <message>
        <source>External</source>
        <translation>خارجي</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>المجس الافتراضي</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>التيار</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T الدنيا بـ °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>اسم المجس</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>مقاومة داخلية</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T القصوى بـ °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>مرجع</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>نوع المجس</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Pt25</source>
        <translation>Pt25</translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation>Pt100</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>25 Ω</source>
        <translation>25 Ω</translation>
    </message>
    <message>
        <source>100 Ω</source>
        <translation>100 Ω</translation>
    </message>
    <message>
        <source>Standby
current</source>
        <translation>تيار
الاستعداد</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>0.5 mA</source>
        <translation>0.5 mA</translation>
    </message>
    <message>
        <source>1 mA</source>
        <translation>1 mA</translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation>2 mA</translation>
    </message>
    <message>
        <source>Excitation
current</source>
        <translation>تيار
الإثارة</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>التحويل</translation>
    </message>
    <message>
        <source>Callendar-van-Dusen</source>
        <translation>Callendar-van-Dusen</translation>
    </message>
    <message>
        <source>R0</source>
        <translation>R0</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>R0.01</source>
        <translation>R0.01</translation>
    </message>
    <message>
        <source>an</source>
        <translation>an</translation>
    </message>
    <message>
        <source>ap</source>
        <translation>ap</translation>
    </message>
    <message>
        <source>bn</source>
        <translation>bn</translation>
    </message>
    <message>
        <source>bp</source>
        <translation>bp</translation>
    </message>
    <message>
        <source>cp</source>
        <translation>cp</translation>
    </message>
    <message>
        <source>dp</source>
        <translation>dp</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>الوصلة الباردة</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>كثيرة حدود TC</translation>
    </message>
    <message>
        <source>b2</source>
        <translation>b2</translation>
    </message>
    <message>
        <source>Tb min</source>
        <translation>Tb min</translation>
    </message>
    <message>
        <source>Tc max</source>
        <translation>Tc max</translation>
    </message>
    <message>
        <source>c1</source>
        <translation>c1</translation>
    </message>
    <message>
        <source>c2</source>
        <translation>c2</translation>
    </message>
    <message>
        <source>Ta min.</source>
        <translation>Ta min.</translation>
    </message>
    <message>
        <source>Ta max.</source>
        <translation>Ta max.</translation>
    </message>
    <message>
        <source>a0</source>
        <translation>a0</translation>
    </message>
    <message>
        <source>a1</source>
        <translation>a1</translation>
    </message>
    <message>
        <source>Ta min</source>
        <translation>Ta min</translation>
    </message>
    <message>
        <source>Ta max</source>
        <translation>Ta max</translation>
    </message>
    <message>
        <source>a2</source>
        <translation>a2</translation>
    </message>
    <message>
        <source>Tb max</source>
        <translation>Tb max</translation>
    </message>
    <message>
        <source>b1</source>
        <translation>b1</translation>
    </message>
    <message>
        <source>b3</source>
        <translation>b3</translation>
    </message>
    <message>
        <source>c0</source>
        <translation>c0</translation>
    </message>
    <message>
        <source>b0</source>
        <translation>b0</translation>
    </message>
    <message>
        <source>Tc min</source>
        <translation>Tc min</translation>
    </message>
    <message>
        <source>a3</source>
        <translation>a3</translation>
    </message>
    <message>
        <source>c3</source>
        <translation>c3</translation>
    </message>
    <message>
        <source>Tb min.</source>
        <translation>Tb min.</translation>
    </message>
    <message>
        <source>Tb max.</source>
        <translation>Tb max.</translation>
    </message>
    <message>
        <source>Tc min.</source>
        <translation>Tc min.</translation>
    </message>
    <message>
        <source>Tc max.</source>
        <translation>Tc max.</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفل</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R الدنيا بـ Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R القصوى بـ Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>مصدر المعايرة</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>LblEthernet_IP_Caption</source>
        <translation>LblEthernet_IP_Caption</translation>
    </message>
    <message>
        <source>IP / Netmask</source>
        <translation>IP / قناع الشبكة</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>LblEthernet_Netmask_Caption</source>
        <translation>LblEthernet_Netmask_Caption</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>قناع الشبكة</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - البوابة</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>البوابة</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet - المنفذ</translation>
    </message>
    <message>
        <source>LblEthernet_DHCP_Caption</source>
        <translation>LblEthernet_DHCP_Caption</translation>
    </message>
    <message>
        <source>Ethernet - DHCP</source>
        <translation>Ethernet - DHCP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>LblRS232_BaudRate_Caption</source>
        <translation>LblRS232_BaudRate_Caption</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>معدل الباود</translation>
    </message>
    <message>
        <source>LblRS232_CTS_RTS_Caption</source>
        <translation>LblRS232_CTS_RTS_Caption</translation>
    </message>
    <message>
        <source>CTS / RTS</source>
        <translation>CTS / RTS</translation>
    </message>
    <message>
        <source>LblRS232_DataBits_Caption</source>
        <translation>LblRS232_DataBits_Caption</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>بتات البيانات</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>بت التوقف</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>التماثل</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>عنوان IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>زوجي</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>فردي</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>عدد العينات</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>المجسات القياسية</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>المجسات المحفوظة</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>اختيار المجس</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>اختيار الوحدة</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>S/N الواجهة:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>إصدار الواجهة:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>S/N الجهاز:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>S/N نظام القياس:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>إصدار البرنامج الثابت:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>الطراز:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>التخزين:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>تاريخ تصنيع الجهاز:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>إصدار نظام التشغيل:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>الماسح:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>مستوى خدمة العملاء</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>برمجة مجس SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>دخول مستوى خدمة ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>مستوى خدمة ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>إعادة ضبط شاشة اللمس</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>دورة إعادة المعايرة</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>زمن التشغيل</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>معايرة الجهاز</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>مغادرة مستوى خدمة ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>واجهة المستخدم</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>البحث عن إصدار جديد</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>تطبيق التحديث</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعات</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>أيام</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>عنصر المعايرة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>الفاصل العشري</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>إعدادات المصنع</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>القيمة المتوسطة</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>إعدادات المجس القياسي</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>إعدادات المجسات القياسية</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>إنذار المجسات</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>120 s</source>
        <translation>120 s</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/yyyy</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>صوت المفاتيح</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>صوت الإنذار</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (نقطة)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (فاصلة)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>دورة المعايرة (أشهر)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>المعايرة التالية</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>مرجع 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC قناة 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC قناة 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC قناة 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>مرجع 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>مرجع 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>مرجع 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC قناة 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC قناة خارجية</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>تجميد</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>المجس</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>القمة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>الجهاز حاليًا في وضع التحكم عن بعد. هل تريد التحويل إلى الوضع المحلي؟ تحذير: سيتم إلغاء أي أوامر معلقة.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>بعد</translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation>تعذر بدء وضع المسح. يرجى اختيار قناتين على الأقل.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>مقاومة داخلية 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>مقاومة داخلية 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>مقاومة داخلية 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>مقاومة داخلية 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC قناة 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC قناة 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>لا يمكن إجراء معايرة الجهاز أثناء تفعيل وضع المسح. هل تريد مغادرة وضع المسح؟</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>بيانات المعايرة غير مكتملة. يرجى التأكد من قياس نقطتي المعايرة كلتيهما!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>تعذر حفظ بيانات المعايرة، يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>المعايرة غير مكتملة. يرجى التأكد من قياس نقطة المعايرة!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>تم حفظ بيانات المعايرة.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>لم يتم العثور على ذاكرة USB موصولة.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>لم يتم العثور على المجلد &quot;%1&quot; في ذاكرة USB. يجب أن توجد ملفات البرنامج الثابت الجديد فيه.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>لم يتم العثور على ملفات برنامج ثابت في المجلد &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>تم العثور على عدة ملفات برنامج ثابت. يرجى التأكد من وجود إصدار واحد فقط من البرنامج الثابت في ذاكرة USB.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>البرنامج الثابت المكتشف ليس برنامجًا ثابتًا صالحًا لواجهة المستخدم %1.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>لم يتم العثور على ملف المجموع الاختباري.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>حدث خطأ أثناء نسخ ملفات البرنامج الثابت. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>تعذر فتح ملف البرنامج الثابت. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>تعذر فتح ملف المجموع الاختباري. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>المجموع الاختباري لملف البرنامج الثابت غير صحيح. يرجى التحقق من استخدام ملف المجموع الاختباري الصحيح ثم المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>نجحت برمجة مجس SMART.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>لا يمكن برمجة مجسات SMART أثناء تفعيل وضع المسح. هل تريد مغادرة وضع المسح؟</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>لا يوجد مجس SMART موصول بالقناة المحددة. يرجى اختيار القناة الموصول بها مجس SMART المراد برمجته من الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>يرجى إدخال اسم المجس!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>يرجى اختيار مقاومة داخلية!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>يرجى اختيار معيار تحويل درجة الحرارة!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>حدث خطأ أثناء برمجة مجس SMART. لم يعد مجس SMART موصولًا.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>حدث خطأ أثناء برمجة مجس SMART. يرجى التحقق من بيانات المجس المعروضة والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>سجل</translation>
    </message>
</context>
<context>
    <name>TTamarindSettings</name>
    <message>
        <source>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</source>
        <translation>تعذرت قراءة ملف الإعدادات؛ يستخدم الجهاز إعدادات المصنع. تم الاحتفاظ بالملف التالف باسم %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>تعذر حفظ الإعدادات.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>كثيرة الحدود</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>ثرمستور</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>التحويل: </translation>
    </message>
    <message>
        <source>a: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation>a: </translation>
    </message>
    <message>
        <source>b: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation>b: </translation>
    </message>
    <message>
        <source>c: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation>c: </translation>
    </message>
    <message>
        <source>c0: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation>c0: </translation>
    </message>
    <message>
        <source>c1: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation>c1: </translation>
    </message>
    <message>
        <source>c2: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation>c2: </translation>
    </message>
    <message>
        <source>c3: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation>c3: </translation>
    </message>
</context>
<context>
    <name>TTwoPointCalibrationItem</name>
    <message>
        <source>Nominal value must be %1</source>
        <translation>يجب أن تكون القيمة الاسمية %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>يرجى إدخال قيمة اسمية لنقطة المعايرة %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>يرجى توصيل المرجع الخارجي %1 بالقناة %2 والضغط على OK للمتابعة.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>تعذر على الجهاز الحصول على نتيجة قياس صالحة. سيتم إلغاء المعايرة.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
</context>
</TS>
