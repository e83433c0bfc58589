<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
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
        <translation>Kanal</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>Anz. Messw.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Stabilität</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Thermospg.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>WARNUNG: Die letzte Kalibrierung von Fühler %1 liegt mehr als ein Jahr zurück! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Fühlername: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Fühlertyp: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Referenzfühler: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T min.: </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T max.: </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>Letzte Kalibrierung: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermoelement (8 Kanäle)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermoelement (16 Kanäle)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 Kanäle)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 Kanäle)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 Kanäle)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Mindestens eine Datei konnte nicht auf den USB-Stick kopiert werden. Bitte stellen Sie sicher, dass ein USB-Stick mit genügend freiem Speicher angeschlossen ist!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Sie können den USB-Stick jetzt sicher entfernen.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Tastenton</translation>
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
        <translation>Bitte schließen Sie den CJC-Kalibrieradapter an Kanal 1 und Kanal %1 an. Stellen Sie sicher, dass der Fühler mit den Koeffizienten des Adapters Kanal 1 zugeordnet ist.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Das Gerät konnte kein gültiges Messergebnis liefern. Die Kalibrierung wird abgebrochen.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Referenzwert:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Stabilität:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Wert Kanal %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Ablaufname</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Ablaufstart</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Ablaufende</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Quelle (Kalibratortyp)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilität [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Stab.-Zeit [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Haltezeit [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Referenzkanal</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Referenzfühler</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Kanal: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Kalibrierpunkt [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Referenzwert [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Referenzstabilität [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>DUT-Wert [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>DUT-Rohwert [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>Der Kalibrierpunkt %1 °C kann nicht an den Kalibrator gesendet werden: Er passt nicht in das Sollwertregister des Kalibrators.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Kalibrierablauf:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Stab.-Zeit [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>Haltezeit [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Stabilität [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Kalibrierpunkt:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Gestartet: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Messwerte werden erfasst</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Instabil</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>DUT-Kanäle werden gelesen</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Haltezeit läuft</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Abgeschlossen: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Möchten Sie den Kalibrierablauf abbrechen?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Ein Kalibrierablauf namens %1 existiert bereits. Möchten Sie ihn überschreiben?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Kalibrierdatei</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>DUT-Fühler</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>DUT-Kanal</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Kal.-Punkt:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Ref.-Wert:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>DUT-Wert:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Möchten Sie die Kalibrierdatei %1 löschen?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Möchten Sie den Kalibrierablauf %1 löschen?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Kein USB-Stick angeschlossen!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Die Ergebnistabelle konnte nicht auf den USB-Stick geschrieben werden.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Kalibrierablauf erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>Der Kalibrierablauf ist abgeschlossen, sein Ergebnis konnte jedoch nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>Die Kalibrierkonfiguration &quot;%1&quot; ist ungültig. Bitte korrigieren Sie die Konfiguration und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Der Kalibrator kann nicht initialisiert werden. Bitte prüfen Sie, ob der Kalibrator vom Typ %1 angeschlossen und eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Referenzkanal %1 kann nicht gewählt werden. Bitte stellen Sie sicher, dass dies ein gültiger Referenzkanal ist.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>Der Kalibrator hat einen der Kalibrierpunkte nicht angenommen. Bitte prüfen Sie die Kalibrierkonfiguration.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>Einer der DUT-Kanäle konnte nicht gewählt werden. Bitte prüfen Sie, ob die Kalibrierkonfiguration nur gültige Kanäle enthält.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Der Wert von Referenzkanal %1 kann nicht gelesen werden. Bitte prüfen Sie, ob ein gültiger Fühler zugeordnet und angeschlossen ist.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Bitte einen Namen für den Kalibrierablauf eingeben.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>Der Name eines Kalibrierablaufs darf nicht &quot;.&quot; oder &quot;..&quot; sein und keines dieser Zeichen enthalten: %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Bitte mindestens einen DUT-Kanal eingeben.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Bitte einen Wert für die Stabilität eingeben.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Bitte einen Wert für die Stabilitätszeit eingeben.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Bitte einen Wert für die Haltezeit eingeben.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Bitte mindestens einen Kalibrierpunkt eingeben.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Bitte höchstens %1 Kalibrierpunkte eingeben.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Kalibrierpunkt %1 °C liegt außerhalb des zulässigen Bereichs [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Bitte eine gültige IP-Adresse eingeben.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Bitte einen gültigen Port eingeben.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Ablauf bearbeiten</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>DUT-Kanäle wählen</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>DUT-Kanal ändern</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Kanalauswahl</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Kein USB-Seriell-Wandler gefunden. Bitte verwenden Sie einen Wandler mit FTDI-Chip. Erneutes Anschließen des Wandlers kann ebenfalls helfen.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Bitte prüfen Sie, ob der Kalibrator kommunikationsbereit ist. Blinkt der Sollwert, drücken Sie bitte E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Kein USB-Seriell-Wandler gefunden. Bitte verwenden Sie einen Wandler mit FTDI-Chip. Erneutes Anschließen des Wandlers kann ebenfalls helfen.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Speicher zu 100 % belegt</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Es sind keine Dateien zum Herunterladen vorhanden.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Kein USB-Stick angeschlossen!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Den aktuell gemessenen Kanälen sind keine benutzerdefinierten Fühler zugeordnet.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART-Fühler werden geladen...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>Zurzeit sind keine SMART-Fühler am Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Fehler beim Anlegen der Datei auf dem USB-Gerät.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Keine Dateien mit Fühlerkoeffizienten gefunden.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Möchten Sie die gewählten Einträge löschen?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Herunterladen...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Update von Version %1 auf Version %2. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Firmware-Update erfolgreich. Das Gerät wird jetzt neu gestartet.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Grafikeinstellungen</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>Der Wert für &quot;Max.&quot; muss größer sein als der Wert für &quot;Min.&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>Seriennummer Gerät</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>Seriennummer Messsystem</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>Seriennummer Bedienoberfläche</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Version Bedienoberfläche</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>BS-Version</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
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
        <translation>Start in</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Stopp in</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Logdatei kann nicht beschrieben werden. Der Logger wurde gestoppt.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte ein gültiges Datum eingeben.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Bitte eine gültige Uhrzeit eingeben.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Bitte eine gültige Dauer eingeben!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Logdatei kann nicht erstellt werden, die Logdatei existiert bereits!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Logdatei kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Bitte ein gültiges Intervall eingeben!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART-Fühler werden geladen...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Temperaturwert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Rohwert</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Temperaturdifferenz</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Rohwertdifferenz</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART-Fühler</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>PRT-Fühler:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Thermoelement-Fühler:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Thermistor-Fühler:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>Die gewählte Logdatei wird gerade verwendet und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Möchten Sie die gewählte Logdatei wirklich löschen?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
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
        <translation>Ein Fehler ist aufgetreten! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Fühler / Einheit (Kanal %1)</translation>
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
        <translation>3-Leiter</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-Leiter</translation>
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
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
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
        <translation>PRT-Typ: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Anschluss: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Interner Widerstand: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Standby-Strom: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Umrechnung: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Messstrom</translation>
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
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>ACHTUNG! Fühler %1 wird außerhalb des definierten Temperaturbereichs betrieben!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Dieser Fühler ist mit den aktuellen Einstellungen nicht mit Kanal %1 kompatibel.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Möchten Sie Fühler %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Fühlername</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Ist Referenz</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T min.</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T max.</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Letzte Kalibrierung</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Interner Widerstand</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>PRT-Typ</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Standby-Strom</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Messstrom</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD-Koeffizient R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD-Koeffizient A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD-Koeffizient B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD-Koeffizient C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS-90-Koeffizient Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Thermoelementtyp</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Referenzkanal</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Koeffizient C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH-Koeffizient A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH-Koeffizient B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH-Koeffizient C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomkoeffizient C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomkoeffizient C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomkoeffizient C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomkoeffizient C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-Leiter</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-Leiter</translation>
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
        <translation>Intern</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>Extern</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynom</translation>
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
        <translation>Keine</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>Das Gerät enthält keine benutzerdefinierten Fühler.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Fühlername</translation>
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
        <translation>Thermoelement B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T min</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T max</translation>
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
        <translation>Thermoelement Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermoelement c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynom c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynom c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynom c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynom c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Ungültiges Format der Importdatei. Es werden nur UTF-16-codierte Dateien mit Byte Order Mark akzeptiert!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>Die Importdatei ist zu groß.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Import beendet.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Fühler angelegt: %1. Fühler aktualisiert: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Fehler in Zeile %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Fehler insgesamt: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Ungültiger Fühlername: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Ungültiger Wert für Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Ungültiger Wert für Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin muss kleiner als Tmax sein</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Fühlertyp nicht erkennbar</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Koeffizienten sind leer.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Mehrdeutige Koeffizientendaten gefunden.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>Fühler %1 existiert bereits mit anderem Fühlertyp. Datensatz wird ignoriert.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Ungültige Koeffizienten gefunden. Bitte CvD- oder ITS90-Koeffizienten eingeben.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Ungültige Koeffizienten gefunden. Bitte Thermoelement-Koeffizienten eingeben.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Ungültige Koeffizienten gefunden. Bitte Steinhart-Hart- oder Polynomkoeffizienten eingeben.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Neuer Fühler nicht möglich, maximale Anzahl an Fühlern erreicht.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Maximale Anzahl an Fühlern erreicht. Bitte zuerst einen vorhandenen Fühler löschen.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>Der Fühlerspeicher der Messplatine konnte nicht vollständig gelesen werden. Bis zum Neustart des Geräts kann kein neuer Fühler angelegt werden.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Ungültiger Koeffizientenwert: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Letzte Kal.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Bitte einen Fühlernamen eingeben.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Bitte einen Wert für Tmin eingeben.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Bitte einen Wert für Tmax eingeben.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax muss größer als Tmin sein.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Die Fühlerdaten können wegen abweichendem Fühlertyp nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>Die vorherige Version der Fühlerdaten ist vom %1. Möchten Sie die Fühlerdaten wiederherstellen? Die wiederhergestellten Fühlerdaten werden erst beim Speichern übernommen.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>WARNUNG: Der Fühlername hat sich seit der letzten Sicherung geändert, er wird in %1 umbenannt!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>Der Fühler konnte nicht auf der Messplatine gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Widerstandsthermometer</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Thermoelement</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Kanalauswahl</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Bitte einen gültigen Kanal für die Vergleichsstellenkompensation wählen.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Bitte eine gültige IP-Adresse eingeben</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Bitte eine gültige Netzmaske eingeben</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Bitte ein gültiges Gateway eingeben</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Ungerade</translation>
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
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Die DHCP-Einstellung konnte nicht geändert werden. Die Netzwerkkonfiguration blieb unverändert.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP ist aus, aber keine IPv4-Adresse der Schnittstelle ist bekannt. Bitte IP-Adresse und Netzmaske eingeben.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>Die Schnittstelle übernimmt diese Einstellungen nicht und bleibt geschlossen.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Konfiguration für Scannerbox %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>Die Kanalkonfiguration muss mindestens zwei Kanäle enthalten!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>SMART-Fühler</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART-Fühler werden geladen...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Möchten Sie Fühler %1 deaktivieren?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Möchten Sie Fühler %1 aktivieren?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>WARNUNG: Die Kalibrierung von Fühler %1 war am %2 fällig!</translation>
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
        <translation>Aktiviert: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Nächste Kalibrierung: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Kalibrierquelle: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Interner Widerstand: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Umrechnung: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Arbeitsbereich: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Gesperrt: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Kanalauswahl</translation>
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
        <translation>intern</translation>
    </message>
    <message>
        <source>external</source>
        <translation>extern</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynom</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Thermoelement</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Thermoelementtyp: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Vergleichsstelle: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Umrechnung: </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta min.: </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta max.: </translation>
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
        <translation>Tb max.: </translation>
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
        <translation>Tc max.: </translation>
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
        <translation>Die Systemzeit konnte nicht geändert werden. Das Gerät wird nicht neu gestartet.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>Die Systemzeit konnte nicht in der Hardware-Uhr gespeichert werden. Das Gerät wird nicht neu gestartet.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Systemzeit erfolgreich geändert. Das Gerät wird jetzt neu gestartet.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Bitte Datum und Uhrzeit vollständig eingeben.</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>Das Gerät wird auf Werkseinstellungen zurückgesetzt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Die Werkskalibrierdaten konnten nicht wiederhergestellt werden, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>Die Touchscreen-Kalibrierung konnte nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Bitte das Gerät neu starten, um den Touchscreen zu kalibrieren.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Neuer Kalibrierablauf</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Neuer Ablauf</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Ablauf bearbeiten</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Kalibrierdateien</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Ablaufname</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilität [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Haltezeit [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Kal.-Punkte [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>DUT-Kanäle</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Referenzkanal</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Stab.-Zeit [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Ablaufname</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Referenzfühler</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Prüflinge</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Kanalkonfiguration</translation>
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
        <translation>alle</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Aktuelle Kalibrierdaten</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Letzte Kal.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Nächste Kal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Sollwerte</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Neue Kalibrierdaten</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Offset [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Licht aus</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Kanalkonfig.</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Modul 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Modul 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Modul 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Modul 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Gewählte Ansicht</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Ansicht aktivieren</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
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
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibr.</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Logdateien</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Screenshots</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Gemessene Fühler</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART-Fühler</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Alle Fühler</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Gerätedaten</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Fühlerkoeffizienten herunterladen</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Fühlerkoeffizienten importieren</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>USB-Stick auswerfen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Keine wählen</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Auswahl herunterladen</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
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
        <translation>Intervall [s]</translation>
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
        <translation>Logger</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstell.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fernbed.</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Englisch (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Neuer Fühler</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Widerstandsthermometer (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Thermoelement (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Fühler bearbeiten</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Angeschl. SMART-Fühler</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Std.-Umr. PRT</translation>
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
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-Leiter</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-Leiter</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Std.-Umr. Thermistor</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynom</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Std.-Umr. TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Std.-Vergleichsstelle</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Extern</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Standardfühler</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T min. in °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Fühlername</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Int. Widerst.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T max. in °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Fühlertyp</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Standby-
Strom</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Aus</translation>
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
        <translation>Mess-
strom</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
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
        <translation>Wiederherst.</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Vgl.-Stelle</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>TC-Polynom</translation>
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
        <translation>Bereich</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
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
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R min. in Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R max. in Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Kal.-Quelle</translation>
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
        <translation>IP / Netzmaske</translation>
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
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - Gateway</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet - Port</translation>
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
        <translation>Baudrate</translation>
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
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Stoppbit</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>IEEE-488-Adresse</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
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
        <translation>Anz. Messwerte</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Standardfühler</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Gespeich. Fühler</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Fühler wählen</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Einheit wählen</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>S/N Bedienoberfl.:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Version Bedienoberfl.:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>S/N Gerät:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>S/N Messsystem:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Speicher:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Herstelldatum Gerät:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>BS-Version:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Kundendienst-Ebene</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>SMART-Fühler programm.</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>ZELK-Service-Ebene öffnen</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>ZELK-Service-Ebene</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Touchscreen zurücksetzen</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Rekalibrierintervall</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Gerätekalibrierung</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>ZELK-Service-Ebene verlassen</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Bedienoberfläche</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Neue Version suchen</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Update ausführen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Kalibrierpunkt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Licht aus</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Std.-Fühlereinst.</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Standardfühler-Einstellungen</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarm für Fühler</translation>
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
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmton</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (Punkt)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (Komma)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Rekal.-Zyklus [Mon.]</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Nächste Kalibrierung</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>10 kΩ Ref.</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC Kanal 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC Kanal 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC Kanal 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>100 Ω Ref.</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>25 Ω Ref.</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>100 kΩ Ref.</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC Kanal 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC ext. Kanal</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Einfrieren</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>Das Gerät ist derzeit im Fernbedienungsmodus. Möchten Sie in den lokalen Modus wechseln? WARNUNG: Alle ausstehenden Befehle werden abgebrochen.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>REM</translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation>Scanmodus kann nicht gestartet werden. Bitte mindestens zwei Kanäle wählen.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Interner Widerstand 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Interner Widerstand 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Interner Widerstand 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Interner Widerstand 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC Kanal 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC Kanal 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Die Gerätekalibrierung ist im Scanmodus nicht möglich. Möchten Sie den Scanmodus verlassen?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Die Kalibrierdaten sind unvollständig. Bitte stellen Sie sicher, dass beide Kalibrierpunkte gemessen wurden!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Die Kalibrierdaten konnten nicht gespeichert werden, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Kalibrierung unvollständig. Bitte stellen Sie sicher, dass der Kalibrierpunkt gemessen wurde!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Kalibrierdaten gespeichert.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Kein USB-Stick angeschlossen.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Verzeichnis &quot;%1&quot; auf dem USB-Stick nicht gefunden. Die neuen Firmware-Dateien müssen dort liegen.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>Keine Firmware-Dateien im Ordner &quot;%1&quot; gefunden.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Mehrere Firmware-Dateien gefunden. Bitte stellen Sie sicher, dass sich nur eine Firmware-Version auf dem USB-Stick befindet.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>Die gefundene Firmware ist keine gültige %1-Firmware für die Bedienoberfläche.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Keine Prüfsummendatei gefunden.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Fehler beim Kopieren der Firmware-Dateien. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Firmware-Datei kann nicht geöffnet werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Prüfsummendatei kann nicht geöffnet werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>Die Prüfsumme der Firmware-Datei ist nicht korrekt. Bitte prüfen Sie, ob die richtige Prüfsummendatei verwendet wird, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>SMART-Fühler erfolgreich programmiert.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>SMART-Fühler können im Scanmodus nicht programmiert werden. Möchten Sie den Scanmodus verlassen?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>Am gewählten Kanal ist kein SMART-Fühler angeschlossen. Bitte wählen Sie im Startbildschirm den Kanal, an dem der zu programmierende SMART-Fühler angeschlossen ist.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Bitte einen Fühlernamen eingeben!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Bitte einen internen Widerstand wählen!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Bitte eine Standard-Temperaturumrechnung wählen!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Beim Programmieren des SMART-Fühlers ist ein Fehler aufgetreten. Der SMART-Fühler ist nicht mehr angeschlossen.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Beim Programmieren des SMART-Fühlers ist ein Fehler aufgetreten. Bitte prüfen Sie die angezeigten Fühlerdaten und versuchen Sie es erneut.</translation>
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
        <translation>Die Einstellungsdatei konnte nicht gelesen werden; das Gerät verwendet seine Werkseinstellungen. Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynom</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Umrechnung: </translation>
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
        <translation>Sollwert muss %1 sein</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Bitte einen Sollwert für den Kalibrierpunkt %1 eingeben.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Bitte externe Referenz %1 an Kanal %2 anschließen und zum Fortfahren OK drücken.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Das Gerät konnte kein gültiges Messergebnis liefern. Die Kalibrierung wird abgebrochen.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
</context>
</TS>
