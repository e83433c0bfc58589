<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_GB">
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
        <translation>Кан.</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>Кол-во изм.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Стабильность</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разность</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Сопротивл.</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Термо-ЭДС</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>ВНИМАНИЕ: последняя калибровка датчика %1 была более года назад! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Имя датчика: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Тип датчика: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Эталонный датчик: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T мин.: </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T макс.: </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>Последняя калибровка: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Термопара (8 каналов)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Термопара (16 каналов)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 каналов)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 каналов)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 каналов)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Не удалось скопировать на USB-накопитель как минимум один файл. Убедитесь, что подключён USB-накопитель с достаточным свободным местом!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Теперь USB-накопитель можно безопасно извлечь.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Кан.</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Сигнал тревоги</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>Подключите адаптер калибровки CJC к каналу 1 и каналу %1. Убедитесь, что каналу 1 назначен датчик с коэффициентами адаптера.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Прибору не удалось получить достоверный результат измерения. Калибровка будет прервана.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Эталонное значение:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Стабильность:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Значение канала %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Имя программы</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Начало программы</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Конец программы</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Источник (тип калибратора)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Стабильность [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Время стаб. [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Выдержка [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Эталонный канал</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Эталонный датчик</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Канал: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Точка калибровки [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Эталонное значение [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Стабильность эталона [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>Значение DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>Необработанное значение DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>Точку калибровки %1 °C нельзя передать калибратору: она не помещается в регистр уставки калибратора.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Программа калибровки:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Время стаб. [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>Выдержка [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Стабильность [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Точка калибровки:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Начало: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Сбор отсчётов</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Нестабильно</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Чтение каналов DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Идёт выдержка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Завершено: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Прервать программу калибровки?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Программа калибровки с именем %1 уже существует. Перезаписать её?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Файл калибровки</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>Датчик DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>Канал DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Точка кал.:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Эталон:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>Значение DUT:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Удалить файл калибровки %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Удалить программу калибровки %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>USB-накопитель не подключён!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Не удалось записать таблицу результатов на USB-накопитель.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Программа калибровки успешно завершена.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>Программа калибровки завершена, но её результат не удалось сохранить.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>Настройка калибровки «%1» недопустима, исправьте настройку и повторите попытку.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Не удалось инициализировать калибратор. Проверьте, подключён и включён ли калибратор типа %1.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Не удалось выбрать опорный канал %1. Убедитесь, что это допустимый опорный канал.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>Калибратор не принял одну из точек калибровки. Проверьте настройку калибровки.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>Не удалось выбрать один из каналов DUT. Проверьте, что настройка калибровки содержит только допустимые каналы.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Не удалось прочитать значение опорного канала %1. Проверьте, назначен и подключён ли допустимый датчик.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Введите имя программы калибровки.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>Имя программы калибровки не может быть «.» или «..» и не может содержать ни один из символов %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Введите хотя бы один канал DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Введите значение стабильности.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Введите время стабилизации.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Введите время выдержки.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Введите хотя бы одну точку калибровки.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Введите не более %1 точек калибровки.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Точка калибровки %1 °C вне заданного диапазона [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Введите допустимый IP-адрес.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Введите допустимый порт.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Изменить программу</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Выбрать каналы DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Сменить канал DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Выбор канала</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Преобразователь USB – последовательный порт не найден. Убедитесь, что используется преобразователь на микросхеме FTDI. Может помочь повторное подключение преобразователя.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Проверьте, готов ли калибратор к обмену данными. Если уставка мигает, нажмите E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Преобразователь USB – последовательный порт не найден. Убедитесь, что используется преобразователь на микросхеме FTDI. Может помочь повторное подключение преобразователя.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>дд/мм/гггг</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>мм/дд/гггг</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Память заполнена на 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Нет файлов для загрузки.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>USB-накопитель не подключён!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Измеряемым каналам не назначены пользовательские датчики.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Загрузка датчиков SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>К прибору не подключены датчики SMART.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Ошибка при создании файла на USB-накопителе.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Файлы с коэффициентами датчиков не найдены.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Удалить выбранные элементы?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Загрузка завершена</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Обновление с версии %1 до версии %2. Продолжить?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Обновление ПО выполнено успешно. Сейчас прибор будет перезапущен.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Кан.</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Настройки графика</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>Значение «Макс.» должно быть больше значения «Мин.»!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Сканер</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>Серийный номер прибора</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>Серийный номер изм. системы</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>Серийный номер интерфейса</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Версия интерфейса</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Версия ОС</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Версия ПО</translation>
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
        <translation>Старт через</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Стоп через</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Не удалось записать файл журнала. Регистратор остановлен.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Введите допустимую дату.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Введите допустимое время.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Введите допустимую длительность!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Не удалось создать файл журнала: файл уже существует!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Не удалось создать файл журнала.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Введите допустимый интервал!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Загрузка датчиков SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Значение температуры</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Необработанное значение</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Разность температур</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Разность необработанных значений</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Датчики SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>Датчики PRT:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Термопары:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Термисторы:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>Выбранный файл журнала используется и не может быть удалён.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Действительно удалить выбранный файл журнала?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>дд/мм/гггг</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>мм/дд/гггг</translation>
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
        <translation>Произошла ошибка! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Датчик / ед. (кан. %1)</translation>
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
        <translation>3-проводная</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-проводная</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
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
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
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
        <translation>Авто</translation>
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
        <translation>Тип PRT: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Схема подключения: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Внутренний резистор: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Ток ожидания: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Преобразование: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Измерительный ток</translation>
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
        <translation>Кан.</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>ВНИМАНИЕ! Датчик %1 работает вне заданного диапазона температур!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Этот датчик несовместим с каналом %1 при текущих настройках.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Действительно удалить датчик %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Имя датчика</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Эталонный</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T мин.</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T макс.</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Последняя калибровка</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Схема подключения</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Внутренний резистор</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Тип PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Ток ожидания</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Измерительный ток</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент ITS 90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Тип термопары</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Компенсация холодного спая</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Опорный канал</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Ta мин.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Ta макс.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Tb мин.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Tb макс.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Tc мин.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент Tc макс.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент полинома C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент полинома C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент полинома C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Коэффициент полинома C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-проводная</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-проводная</translation>
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
        <translation>Авто</translation>
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
        <translation>Внутренняя</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>Внешняя</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Полином</translation>
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
        <translation>Нет</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>В приборе нет пользовательских датчиков.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Не удалось создать файл.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Имя датчика</translation>
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
        <translation>Термопара B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T мин</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T макс</translation>
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
        <translation>Термопара Ta мин</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара Ta макс</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара Tb мин</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара Tb макс</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара Tc мин</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара Tc макс</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термопара c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор полином c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор полином c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор полином c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Термистор полином c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Неверный формат файла импорта. Принимаются только файлы в кодировке UTF-16 с меткой порядка байтов!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>Файл импорта слишком большой.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Импорт прерван.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Импорт завершён.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Создано датчиков: %1. Обновлено датчиков: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Ошибка в строке %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Всего ошибок: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Недопустимое имя датчика: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Недопустимое значение Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Недопустимое значение Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Значение Tmin должно быть меньше Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Не удалось определить тип датчика</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Коэффициенты не заданы.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Найдены неоднозначные данные коэффициентов.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>Датчик %1 уже существует и имеет другой тип. Запись будет пропущена.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Найдены недопустимые коэффициенты. Введите коэффициенты CvD или ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Найдены недопустимые коэффициенты. Введите коэффициенты термопары.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Найдены недопустимые коэффициенты. Введите коэффициенты Steinhart-Hart или полинома.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Невозможно создать новый датчик: достигнуто максимальное число датчиков.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Достигнуто максимальное число датчиков. Сначала удалите один из датчиков.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>Память датчиков измерительной платы не удалось прочитать полностью. Новый датчик нельзя создать до перезапуска прибора.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Недопустимое значение коэффициента: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Посл. кал.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Введите имя датчика.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Введите значение Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Введите значение Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax должно быть больше Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Данные датчика невозможно восстановить: не совпадает тип датчика.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>Предыдущая версия данных датчика датирована %1. Восстановить данные датчика? Восстановленные данные не будут обновляться, пока вы их не сохраните.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>ВНИМАНИЕ: имя датчика изменилось после последней резервной копии, он будет переименован в %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>Не удалось сохранить датчик на измерительной плате.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Термометр сопротивления</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Термопара</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Выбор канала</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Выберите допустимый канал для компенсации холодного спая.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Термистор</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Кан.</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Введите допустимый IP-адрес</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Введите допустимую маску сети</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Введите допустимый шлюз</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Не удалось изменить настройку DHCP. Сетевая конфигурация осталась без изменений.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP выключен, но IPv4-адрес интерфейса неизвестен. Введите IP-адрес и маску сети.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>Линия не принимает эти настройки и остаётся закрытой.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Конфигурация блока сканера %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>Конфигурация каналов должна содержать не менее двух каналов!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Скан.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>Датчики SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Загрузка датчиков SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Отключить датчик %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Включить датчик %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>ВНИМАНИЕ: срок калибровки датчика %1 истёк %2!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
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
        <translation>Включён: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Следующая калибровка: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Источник калибровки: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Внутренний резистор: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Преобразование: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Рабочий диапазон: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Заблокирован: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Выбор канала</translation>
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
        <translation>внутренняя</translation>
    </message>
    <message>
        <source>external</source>
        <translation>внешняя</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>канал</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Полином</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Термопара</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Тип термопары: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Компенсация холодного спая: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Преобразование: </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta мин.: </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta макс.: </translation>
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
        <translation>Tb мин.: </translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb макс.: </translation>
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
        <translation>Tc мин.: </translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc макс.: </translation>
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
        <translation>Не удалось изменить системное время. Прибор не будет перезапущен.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>Не удалось сохранить системное время в аппаратных часах. Прибор не будет перезапущен.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Системное время успешно изменено. Сейчас прибор будет перезапущен.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Введите полные дату и время.</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>Будут восстановлены заводские настройки прибора. Продолжить?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Не удалось восстановить заводские данные калибровки, повторите попытку.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Доступ запрещён.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>Не удалось сбросить калибровку сенсорного экрана.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Перезапустите прибор, чтобы откалибровать сенсорный экран.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Сохр.</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Новая программа калибровки</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Новая программа</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Изменить программу</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>сброс</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Файлы калибровки</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Имя программы</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Стабильность [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Выдержка [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Точки кал. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Каналы DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Эталонный канал</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Время стаб. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Имя программы</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Эталонный датчик</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Поверяемые датчики (DUT)</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Конфигурация каналов</translation>
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
        <translation>все</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>снять</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Текущие данные</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Посл. кал.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Наклон</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>След. кал.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Номинальные значения</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Измеренные значения</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Новые данные</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Смещение [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Откл. подсв.</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Конф. каналов</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Модуль 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Модуль 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Модуль 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Модуль 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Время выдержки</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Выбранный вид</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Включить вид</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
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
        <translation>Шкала</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Польз.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Скан.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Файлы журнала</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Снимки экрана</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Измеряемые датчики</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Датчики SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Все датчики</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Сведения о приборе</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Загрузить коэффициенты датчиков</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Импорт коэффициентов датчиков</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Извлечь USB-накопитель</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Загрузить выбранные</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Удалить выбранные</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
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
        <translation>Интервал [s]</translation>
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
        <translation>Регистратор</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>ДУ</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Английский UK</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Английский USA</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Новый датчик</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Термометр сопротивления (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Термопара (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Термистор</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Изменить датчик</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Список подключённых датчиков SMART</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Станд. преобр. PRT</translation>
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
        <translation>Подключ.</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-проводная</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-проводная</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Преобр. термистора</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Полином</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Станд. преобр. TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Станд. холодный спай</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Внутр.</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Внешн.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Датчик по умолч.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Ток</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T мин. в °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Имя датчика</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Внутр. рез.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T макс. в °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Эталон</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
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
        <translation>Ток
ожидания</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Выкл.</translation>
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
        <translation>Измерит.
ток</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Преобразование</translation>
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
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Хол. спай</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>Полином TC</translation>
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
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
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
        <translation>Блок.</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R мин. в Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R макс. в Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Источник кал.</translation>
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
        <translation>IP / Маска сети</translation>
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
        <translation>Маска сети</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet – шлюз</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet – порт</translation>
    </message>
    <message>
        <source>LblEthernet_DHCP_Caption</source>
        <translation>LblEthernet_DHCP_Caption</translation>
    </message>
    <message>
        <source>Ethernet - DHCP</source>
        <translation>Ethernet – DHCP</translation>
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
        <translation>Скорость передачи</translation>
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
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Стоповый бит</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Адрес IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>Число отсчётов</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Станд. датчики</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Сохр. датчики</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Выбрать датчик</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Выбрать единицу</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>S/N интерфейса:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Версия интерфейса:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>S/N прибора:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>S/N изм. системы:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Версия ПО:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Память:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Дата изготовления прибора:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Версия ОС:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Сканер:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Сервис для пользователя</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Программировать датчик SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Войти в сервис ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Сервис ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Сброс сенсорного экрана</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Межкалибровочный интервал</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Время работы</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Калибровка прибора</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Выйти из сервиса ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Искать новую версию</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Объект калибровки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Откл. подсветки</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Десятичный разделитель</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Среднее значение</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Станд. датчики</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Настройки стандартных датчиков</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Тревога датчиков</translation>
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
        <translation>Формат</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>дд/мм/гггг</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>мм/дд/гггг</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Звук клавиш</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Звук тревоги</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (точка)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (запятая)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Интервал кал. (мес.)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>След. калибровка</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>Эталон 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC кан. 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC кан. 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC кан. 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>Эталон 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>Эталон 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>Эталон 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC кан. 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC внеш. кан.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Пик</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>Прибор находится в режиме дистанционного управления. Перейти в местный режим? ВНИМАНИЕ: все ожидающие команды будут отменены.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>СКАН</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>ДУ</translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation>Не удалось запустить сканирование. Выберите не менее двух каналов.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Внутренний резистор 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Внутренний резистор 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Внутренний резистор 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Внутренний резистор 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC канал 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC канал 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Калибровка прибора невозможна, пока активен режим сканирования. Выйти из режима сканирования?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Данные калибровки неполные. Убедитесь, что измерены обе точки калибровки!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Не удалось сохранить данные калибровки, повторите попытку.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Калибровка не завершена. Убедитесь, что точка калибровки измерена!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Данные калибровки сохранены.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Подключённый USB-накопитель не найден.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Каталог «%1» не найден на USB-накопителе. Файлы нового ПО должны находиться в нём.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>В папке «%1» не найдены файлы ПО.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Найдено несколько файлов ПО. Убедитесь, что на USB-накопителе только одна версия ПО.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>Обнаруженное ПО не является допустимым ПО интерфейса пользователя %1.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Файл контрольной суммы не найден.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Ошибка при копировании файлов ПО. Повторите попытку.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Не удалось открыть файл ПО. Повторите попытку.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Не удалось открыть файл контрольной суммы. Повторите попытку.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>Неверная контрольная сумма файла ПО. Проверьте, что используется правильный файл контрольной суммы, и повторите попытку.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Программирование датчика SMART выполнено успешно.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Датчики SMART нельзя программировать, пока активен режим сканирования. Выйти из режима сканирования?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>К выбранному каналу не подключён датчик SMART. Выберите на главном экране канал, к которому подключён программируемый датчик SMART.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Введите имя датчика!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Выберите внутренний резистор!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Выберите стандарт преобразования температуры!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>При программировании датчика SMART произошла ошибка. Датчик SMART больше не подключён.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>При программировании датчика SMART произошла ошибка. Проверьте отображаемые данные датчика и повторите попытку.</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>ЖУР</translation>
    </message>
</context>
<context>
    <name>TTamarindSettings</name>
    <message>
        <source>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</source>
        <translation>Не удалось прочитать файл настроек; прибор использует заводские настройки. Повреждённый файл сохранён как %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Полином</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Термистор</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Преобразование: </translation>
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
        <translation>Номинальное значение должно быть %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Введите номинальное значение для точки калибровки %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Подключите внешний эталон %1 к каналу %2 и нажмите OK для продолжения.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Прибору не удалось получить достоверный результат измерения. Калибровка будет прервана.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
</context>
</TS>
