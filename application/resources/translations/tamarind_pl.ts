<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
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
        <translation>Kan.</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>Liczba pom.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Stabilność</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Rezystancja</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Nap. termoel.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>UWAGA: ostatnia kalibracja czujnika %1 odbyła się ponad rok temu! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Nazwa czujnika: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Typ czujnika: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Czujnik wzorcowy: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T min.: </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T maks.: </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>Ostatnia kalibracja: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termoelement (8 kanałów)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termoelement (16 kanałów)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 kanałów)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 kanałów)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 kanałów)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Co najmniej jednego pliku nie udało się skopiować na pamięć USB. Upewnij się, że podłączona jest pamięć USB z wystarczającą ilością wolnego miejsca!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Można teraz bezpiecznie odłączyć pamięć USB.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Kan.</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>Podłącz adapter kalibracyjny CJC do kanału 1 i kanału %1. Upewnij się, że do kanału 1 przypisano czujnik ze współczynnikami adaptera.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Przyrząd nie mógł uzyskać prawidłowego wyniku pomiaru. Kalibracja zostanie przerwana.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Wartość wzorcowa:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Stabilność:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Wartość kanału %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Przerwij</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Nazwa procedury</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Początek procedury</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Koniec procedury</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Źródło (typ kalibratora)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilność [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Czas stab. [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Czas utrz. [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Kanał wzorcowy</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Czujnik wzorcowy</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Kanał: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Punkt kalibracji [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Wartość wzorcowa [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Stabilność wzorca [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>Wartość DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>Surowa wartość DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>Punktu kalibracji %1 °C nie można wysłać do kalibratora: nie mieści się w rejestrze wartości zadanej kalibratora.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Procedura kalibracji:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Czas stab. [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>Czas utrz. [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Stabilność [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Punkt kalibracji:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Rozpoczęto: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Zbieranie próbek</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Niestabilne</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Odczyt kanałów DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Trwa czas utrzymania</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Zakończono: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Czy przerwać procedurę kalibracji?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Procedura kalibracji o nazwie %1 już istnieje. Czy ją zastąpić?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Plik kalibracji</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>Czujnik DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>Kanał DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Pkt. kal.:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Wart. wzorc.:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>Wartość DUT:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Czy usunąć plik kalibracji %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Czy usunąć procedurę kalibracji %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nie podłączono pamięci USB!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Nie można zapisać tabeli wyników na pamięci USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Procedura kalibracji zakończona pomyślnie.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>Procedura kalibracji została zakończona, ale nie można zapisać jej wyniku.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>Konfiguracja kalibracji „%1” jest nieprawidłowa, popraw konfigurację i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Nie można zainicjować kalibratora. Sprawdź, czy kalibrator typu %1 jest podłączony i włączony.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Nie można wybrać kanału odniesienia %1. Upewnij się, że jest to prawidłowy kanał odniesienia.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>Kalibrator nie przyjął jednego z punktów kalibracji. Sprawdź konfigurację kalibracji.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>Nie można wybrać jednego z kanałów DUT. Sprawdź, czy konfiguracja kalibracji zawiera tylko prawidłowe kanały.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Nie można odczytać wartości z kanału odniesienia %1. Sprawdź, czy przypisano i podłączono prawidłowy czujnik.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Wprowadź nazwę procedury kalibracji.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>Nazwa procedury kalibracji nie może być „.” ani „..” ani zawierać żadnego z %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Wprowadź co najmniej jeden kanał DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Wprowadź wartość stabilności.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Wprowadź czas stabilizacji.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Wprowadź czas utrzymania.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Wprowadź co najmniej jeden punkt kalibracji.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Wprowadź co najwyżej %1 punktów kalibracji.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Punkt kalibracji %1 °C leży poza określonym zakresem [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Wprowadź prawidłowy adres IP.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Wprowadź prawidłowy port.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Edytuj procedurę</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Wybierz kanały DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Zmień kanał DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Wybór kanału</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Nie znaleziono konwertera USB–RS232. Upewnij się, że używany jest konwerter z układem FTDI. Może też pomóc ponowne podłączenie konwertera.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Sprawdź, czy kalibrator jest gotowy do komunikacji. Jeśli wartość zadana miga, naciśnij E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Nie znaleziono konwertera USB–RS232. Upewnij się, że używany jest konwerter z układem FTDI. Może też pomóc ponowne podłączenie konwertera.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/rrrr</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/rrrr</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Pamięć zajęta w 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Brak plików do pobrania.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nie podłączono pamięci USB!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Do aktualnie mierzonych kanałów nie przypisano czujników użytkownika.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Wczytywanie czujników SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>Do przyrządu nie są obecnie podłączone żadne czujniki SMART.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Błąd podczas tworzenia pliku w pamięci USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Nie znaleziono plików ze współczynnikami czujników.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Czy usunąć zaznaczone elementy?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Pobieranie...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Pobieranie zakończone</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Aktualizacja z wersji %1 do wersji %2. Czy kontynuować?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Aktualizacja oprogramowania zakończona pomyślnie. Przyrząd zostanie teraz uruchomiony ponownie.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Ustawienia wykresu</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>Wartość „Maks.” musi być większa od wartości „Min.”!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Skaner</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>Numer seryjny przyrządu</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>Numer seryjny ukł. pomiarowego</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>Numer seryjny interfejsu</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Wersja interfejsu użytkownika</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Wersja systemu</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Wersja oprogramowania</translation>
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
        <translation>Start za</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Stop za</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Nie można zapisać pliku dziennika. Rejestrator został zatrzymany.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Wprowadź prawidłową datę.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Wprowadź prawidłową godzinę.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Wprowadź prawidłowy czas trwania!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Nie można utworzyć pliku dziennika, plik już istnieje!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Nie można utworzyć pliku dziennika.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Wprowadź prawidłowy interwał!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Wczytywanie czujników SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Wartość temperatury</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Wartość surowa</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Różnica temperatur</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Różnica wartości surowych</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Czujniki SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>Czujniki PRT:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Termoelementy:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Termistory:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>Wybrany plik dziennika jest w użyciu i nie można go usunąć.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Czy na pewno usunąć wybrany plik dziennika?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/rrrr</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/rrrr</translation>
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
        <translation>Wystąpił błąd! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Czujnik / jedn. (kan. %1)</translation>
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
        <translation>3-przewodowy</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-przewodowy</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
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
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
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
        <translation>Auto</translation>
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
        <translation>Typ PRT: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Połączenie: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Rezystor wewnętrzny: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Prąd spoczynkowy: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Konwersja: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Prąd pomiarowy</translation>
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
        <translation>Kan.</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>UWAGA! Czujnik %1 pracuje poza zdefiniowanym zakresem temperatur!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Ten czujnik nie jest zgodny z kanałem %1 przy bieżących ustawieniach.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Czy na pewno usunąć czujnik %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Nazwa czujnika</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Wzorcowy</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T min.</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T maks.</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Ostatnia kalibracja</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Rezystor wewnętrzny</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Typ PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Prąd spoczynkowy</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Prąd pomiarowy</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik ITS 90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Typ termoelementu</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Kanał odniesienia</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Ta maks.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Tb maks.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik Tc maks.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik wielomianu C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik wielomianu C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik wielomianu C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Współczynnik wielomianu C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-przewodowy</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-przewodowy</translation>
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
        <translation>Auto</translation>
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
        <translation>Wewnętrzna</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>Zewnętrzna</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Wielomian</translation>
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
        <translation>Brak</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>Przyrząd nie zawiera żadnych czujników użytkownika.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Nie można utworzyć pliku.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Nazwa</translation>
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
        <translation>Termoelement B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T min</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T maks</translation>
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
        <translation>Termoelement Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement Ta maks</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement Tb maks</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement Tc maks</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termoelement c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor wielomian c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor wielomian c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor wielomian c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor wielomian c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Nieprawidłowy format pliku importu. Akceptowane są tylko pliki w kodowaniu UTF-16 ze znacznikiem kolejności bajtów!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>Plik importu jest za duży.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Import przerwany.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Import zakończony.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Utworzone czujniki: %1. Zaktualizowane czujniki: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Błąd w wierszu %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Łączna liczba błędów: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Nieprawidłowa nazwa czujnika: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Nieprawidłowa wartość Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Nieprawidłowa wartość Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Wartość Tmin musi być mniejsza od Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Nie można rozpoznać typu czujnika</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Brak współczynników.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Znaleziono niejednoznaczne dane współczynników.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>Czujnik %1 już istnieje i ma inny typ. Rekord zostanie pominięty.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Znaleziono nieprawidłowe współczynniki. Wprowadź współczynniki CvD lub ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Znaleziono nieprawidłowe współczynniki. Wprowadź współczynniki termoelementu.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Znaleziono nieprawidłowe współczynniki. Wprowadź współczynniki Steinhart-Hart lub wielomianu.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Nie można utworzyć nowego czujnika, osiągnięto maksymalną liczbę czujników.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Czujnik</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Osiągnięto maksymalną liczbę czujników. Najpierw usuń istniejący czujnik.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>Nie można było w całości odczytać pamięci czujników płyty pomiarowej. Do ponownego uruchomienia przyrządu nie można utworzyć nowego czujnika.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Nieprawidłowa wartość współczynnika: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Ost. kal.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Wprowadź nazwę czujnika.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Wprowadź wartość Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Wprowadź wartość Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax musi być większe od Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Nie można przywrócić danych czujnika z powodu niezgodności typu czujnika.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>Poprzednia wersja danych czujnika pochodzi z %1. Czy przywrócić dane czujnika? Przywrócone dane nie zostaną zaktualizowane, dopóki ich nie zapiszesz.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>UWAGA: nazwa czujnika zmieniła się od ostatniej kopii zapasowej, zostanie zmieniona na %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>Nie można zapisać czujnika na płycie pomiarowej.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Termometr rezystancyjny</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Termoelement</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Wybór kanału</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Wybierz prawidłowy kanał do kompensacji spoiny odniesienia.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Termistor</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Kan.</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Wprowadź prawidłowy adres IP</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Wprowadź prawidłową maskę sieci</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Wprowadź prawidłową bramę</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Nieparzysta</translation>
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
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Nie można zmienić ustawienia DHCP. Konfiguracja sieci pozostała bez zmian.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP jest wyłączone, ale nie jest znany żaden adres IPv4 interfejsu. Wprowadź adres IP i maskę sieci.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>Łącze nie przyjmuje tych ustawień i pozostaje zamknięte.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Konfiguracja skrzynki skanera %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>Konfiguracja kanałów musi zawierać co najmniej dwa kanały!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skan</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>Czujniki SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Wczytywanie czujników SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Czy wyłączyć czujnik %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Czy włączyć czujnik %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>UWAGA: termin kalibracji czujnika %1 upłynął %2!</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
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
        <translation>Włączony: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Następna kalibracja: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Źródło kalibracji: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Rezystor wewnętrzny: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Konwersja: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Zakres pracy: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Zablokowany: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Wybór kanału</translation>
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
        <translation>wewnętrzna</translation>
    </message>
    <message>
        <source>external</source>
        <translation>zewnętrzna</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>kanał</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Wielomian</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Termoelement</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Typ termoelementu: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Kompensacja spoiny odniesienia: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Konwersja: </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta min.: </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta maks.: </translation>
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
        <translation>Tb min.: </translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb maks.: </translation>
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
        <translation>Tc min.: </translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc maks.: </translation>
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
        <translation>Nie można zmienić czasu systemowego. Przyrząd nie zostanie uruchomiony ponownie.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>Nie można zapisać czasu systemowego w zegarze sprzętowym. Przyrząd nie zostanie uruchomiony ponownie.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Czas systemowy zmieniony pomyślnie. Przyrząd zostanie teraz uruchomiony ponownie.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Wprowadź pełną datę i godzinę.</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>Przyrząd zostanie przywrócony do ustawień fabrycznych. Czy kontynuować?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Nie można przywrócić fabrycznych danych kalibracji, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Odmowa dostępu.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>Nie można zresetować kalibracji ekranu dotykowego.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Uruchom ponownie przyrząd, aby skalibrować ekran dotykowy.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Nowa procedura kalibracji</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Nowa procedura</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Edytuj istniejącą procedurę</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtr:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>wyczyść</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Pliki kalibracji</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Nazwa procedury</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilność [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Czas utrz. [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Pkt. kal. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Kanały DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Kanał wzorcowy</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Czas stab. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Nazwa procedury</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Czujnik wzorcowy</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Badane przyrządy (DUT)</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Konfiguracja kanałów</translation>
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
        <translation>wszystkie</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>żadne</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Bieżące dane kalibracji</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Przesunięcie</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Ost. kal.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Nachylenie</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Nast. kal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Wartości nominalne</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Wartości zmierzone</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Nowe dane kalibracji</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Przesunięcie [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Wył. podśw.</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Konf. kanałów</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Moduł 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Moduł 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Moduł 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Moduł 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Czas utrzymania</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Wybrany widok</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Aktywuj widok</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
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
        <translation>Skala</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własna</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skan</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interwał</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Czas startu</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Pliki dziennika</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Zrzuty ekranu</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Mierzone czujniki</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Czujniki SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Wszystkie czujniki</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Dane przyrządu</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Pobierz współczynniki czujników</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Importuj współczynniki czujników</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Odłącz pamięć USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Odznacz wszystko</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Pobierz zaznaczone</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Usuń zaznaczone</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
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
        <translation>Interwał [s]</translation>
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
        <translation>Rejestrator</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Serwis</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Czujniki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Zdalne</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Angielski (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Angielski (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Nowy czujnik</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Termometr rezystancyjny (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Termoelement (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistor</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Edytuj istniejący czujnik</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Lista podłączonych czujników SMART</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Std. konw. PRT</translation>
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
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-przewodowy</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-przewodowy</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Std. konw. termistora</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Wielomian</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Std. konw. TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Std. spoina odn.</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Wewn.</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Zewn.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Czujnik domyślny</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T min. w °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Rez. wewn.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T maks. w °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Wzorcowy</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Prąd
spocz.</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Wył.</translation>
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
        <translation>Prąd
pomiarowy</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Konwersja</translation>
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
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Spoina odn.</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>Wielomian TC</translation>
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
        <translation>Zakres</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
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
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R min. w Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R maks. w Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Źródło kal.</translation>
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
        <translation>IP / Maska sieci</translation>
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
        <translation>Maska sieci</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet – brama</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet – port</translation>
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
        <translation>Prędkość transmisji</translation>
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
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Bit stopu</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Adres IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Język</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
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
        <translation>Liczba próbek</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Czujniki standardowe</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Zapisane czujniki</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Wybierz czujnik</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Wybierz jednostkę</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>Nr ser. interfejsu:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Wersja interfejsu:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>Nr ser. przyrządu:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>Nr ser. ukł. pomiar.:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Wersja oprogramowania:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Pamięć:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Data produkcji przyrządu:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Wersja systemu:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Skaner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Poziom serwisu klienta</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Programuj czujnik SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Wejdź do serwisu ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Serwis ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Resetuj ekran dotykowy</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Cykl rekalibracji</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Czas pracy</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Kalibracja przyrządu</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Opuść serwis ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interfejs użytkownika</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Szukaj nowej wersji</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Element kalibracji</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Wyłączenie podświetlenia</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separator dziesiętny</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlacz</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Wartość średnia</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Ust. czujn. std.</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Ustawienia czujników standardowych</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarm czujników</translation>
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
        <translation>Format</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/rrrr</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/rrrr</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Dźwięk alarmu</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (kropka)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (przecinek)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Cykl rekal. (miesiące)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Następna kalibracja</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>Wzorzec 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC kan. 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC kan. 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC kan. 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>Wzorzec 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>Wzorzec 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>Wzorzec 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC kan. 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC kan. zewn.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Czujnik</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Szczyt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>Przyrząd jest w trybie zdalnym. Czy przejść do trybu lokalnego? UWAGA: wszystkie oczekujące polecenia zostaną anulowane.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SKAN</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>ZDAL</translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation>Nie można uruchomić skanowania. Wybierz co najmniej dwa kanały.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Rezystor wewnętrzny 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Rezystor wewnętrzny 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Rezystor wewnętrzny 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Rezystor wewnętrzny 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC kanał 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC kanał 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Kalibracji przyrządu nie można wykonać, gdy aktywny jest tryb skanowania. Czy opuścić tryb skanowania?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Dane kalibracji są niekompletne. Upewnij się, że oba punkty kalibracji zostały zmierzone!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Nie można zapisać danych kalibracji, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Kalibracja niekompletna. Upewnij się, że punkt kalibracji został zmierzony!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Dane kalibracji zapisane.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Nie znaleziono podłączonej pamięci USB.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Nie znaleziono katalogu „%1” na pamięci USB. Pliki nowego oprogramowania muszą się w nim znajdować.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>Nie znaleziono plików oprogramowania w katalogu „%1”.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Znaleziono wiele plików oprogramowania. Upewnij się, że na pamięci USB znajduje się tylko jedna wersja oprogramowania.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>Wykryte oprogramowanie nie jest prawidłowym oprogramowaniem interfejsu użytkownika %1.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Nie znaleziono pliku sumy kontrolnej.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Błąd podczas kopiowania plików oprogramowania. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Nie można otworzyć pliku oprogramowania. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Nie można otworzyć pliku sumy kontrolnej. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>Suma kontrolna pliku oprogramowania jest nieprawidłowa. Sprawdź, czy użyto właściwego pliku sumy kontrolnej, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Programowanie czujnika SMART zakończone pomyślnie.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Czujników SMART nie można programować, gdy aktywny jest tryb skanowania. Czy opuścić tryb skanowania?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>Do wybranego kanału nie podłączono czujnika SMART. Na ekranie głównym wybierz kanał, do którego podłączony jest programowany czujnik SMART.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Wprowadź nazwę czujnika!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Wybierz rezystor wewnętrzny!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Wybierz normę przetwarzania temperatury!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Podczas programowania czujnika SMART wystąpił błąd. Czujnik SMART nie jest już podłączony.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Podczas programowania czujnika SMART wystąpił błąd. Sprawdź wyświetlone dane czujnika i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>LOG</translation>
    </message>
</context>
<context>
    <name>TTamarindSettings</name>
    <message>
        <source>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</source>
        <translation>Nie można odczytać pliku ustawień; przyrząd używa ustawień fabrycznych. Uszkodzony plik zachowano jako %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Wielomian</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistor</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Konwersja: </translation>
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
        <translation>Wartość nominalna musi wynosić %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Wprowadź wartość nominalną dla punktu kalibracji %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Podłącz wzorzec zewnętrzny %1 do kanału %2 i naciśnij OK, aby kontynuować.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Przyrząd nie mógł uzyskać prawidłowego wyniku pomiaru. Kalibracja zostanie przerwana.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
</context>
</TS>
