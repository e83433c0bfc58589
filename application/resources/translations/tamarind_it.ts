<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
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
        <translation>Canale</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>N. misure</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Stabilità</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistenza</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Tens. termoel.</translation>
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
        <translation>ATTENZIONE: l&apos;ultima taratura della sonda %1 risale a più di un anno fa! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Nome sonda: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Tipo sonda: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Sonda di riferimento: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
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
        <translation>Ultima taratura: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termocoppia (8 canali)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termocoppia (16 canali)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 canali)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 canali)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 canali)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Impossibile copiare almeno un file sulla chiavetta USB. Verificare che sia collegata una chiavetta USB con spazio libero sufficiente!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Ora è possibile rimuovere la chiavetta USB in sicurezza.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Suono tasti</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>Collegare l&apos;adattatore di taratura CJC al canale 1 e al canale %1. Verificare che la sonda con i coefficienti dell&apos;adattatore sia assegnata al canale 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Lo strumento non ha potuto fornire un risultato di misura valido. La taratura verrà interrotta.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Valore di riferimento:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Stabilità:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Valore canale %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Nome routine</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Inizio routine</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Fine routine</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Sorgente (tipo di calibratore)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilità [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Tempo stab. [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>T. attesa [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Canale di riferimento</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda di riferimento</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Canale: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Punto di taratura [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Valore di riferimento [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Stabilità riferimento [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>Valore DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>Valore grezzo DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>Il punto di taratura %1 °C non può essere inviato al calibratore: non rientra nel registro del setpoint del calibratore.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Routine di taratura:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Tempo stab. [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>T. attesa [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Stabilità [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Punto di taratura:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Avviata: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Acquisizione valori</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Instabile</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Lettura canali DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Tempo di attesa in corso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Completata: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Interrompere la routine di taratura?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Esiste già una routine di taratura denominata %1. Sovrascriverla?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>File di taratura</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>Sonda DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>Canale DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Punto tar.:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Val. rif.:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>Valore DUT:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Eliminare il file di taratura %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Eliminare la routine di taratura %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nessuna chiavetta USB collegata!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Impossibile scrivere la tabella dei risultati sulla chiavetta USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Routine di taratura completata correttamente.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>La routine di taratura è terminata, ma non è stato possibile salvarne il risultato.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>La configurazione di taratura &quot;%1&quot; non è valida. Correggere la configurazione e riprovare.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Impossibile inizializzare il calibratore. Verificare che il calibratore di tipo %1 sia collegato e acceso.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Impossibile selezionare il canale di riferimento %1. Verificare che sia un canale di riferimento valido.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>Il calibratore non ha accettato uno dei punti di taratura. Verificare la configurazione di taratura.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>Impossibile selezionare uno dei canali DUT. Verificare che la configurazione di taratura contenga solo canali validi.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Impossibile leggere il valore del canale di riferimento %1. Verificare che sia assegnata e collegata una sonda valida.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Inserire un nome per la routine di taratura.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>Il nome di una routine di taratura non può essere &quot;.&quot; o &quot;..&quot; né contenere alcuno dei caratteri %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Inserire almeno un canale DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Inserire un valore di stabilità.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Inserire un tempo di stabilità.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Inserire un tempo di attesa.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Inserire almeno un punto di taratura.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Inserire al massimo %1 punti di taratura.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Il punto di taratura %1 °C è fuori dal campo specificato [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Inserire un indirizzo IP valido.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Inserire una porta valida.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Modifica routine</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Seleziona canali DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Cambia canale DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Selezione canali</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Nessun convertitore USB-seriale trovato. Utilizzare un convertitore con chip FTDI. Anche ricollegare il convertitore può aiutare.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Verificare che il calibratore sia pronto a comunicare. Se il valore di setpoint lampeggia, premere E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Nessun convertitore USB-seriale trovato. Utilizzare un convertitore con chip FTDI. Anche ricollegare il convertitore può aiutare.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>gg/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/gg/aaaa</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Memoria utilizzata al 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Nessun file disponibile per il download.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nessuna chiavetta USB collegata!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Ai canali attualmente misurati non sono assegnate sonde personalizzate.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Caricamento sonde SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>Al momento nessuna sonda SMART è collegata allo strumento.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Errore durante la creazione del file sul dispositivo USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Nessun file con coefficienti di sonda trovato.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download completato</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Aggiornamento dalla versione %1 alla versione %2. Continuare?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Aggiornamento firmware riuscito. Lo strumento verrà ora riavviato.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Impostazioni grafico</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>Il valore di &quot;Max.&quot; deve essere maggiore del valore di &quot;Min.&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Modello</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>Numero di serie strumento</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>Numero di serie sistema di misura</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>Numero di serie interfaccia</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Versione interfaccia</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Versione SO</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versione firmware</translation>
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
        <translation>Inizia tra</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Termina tra</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Impossibile scrivere nel file di log. Il logger è stato arrestato.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Inserire una data valida.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Inserire un&apos;ora valida.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Inserire una durata valida!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Impossibile creare il file di log, il file esiste già!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Impossibile creare il file di log.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Inserire un intervallo valido!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Caricamento sonde SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Valore di temperatura</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Valore grezzo</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Differenza di temperatura</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Differenza valore grezzo</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sonde SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>Sonde PRT:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Sonde termocoppia:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Sonde termistore:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>Il file di log selezionato è in uso e non può essere eliminato.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Eliminare davvero il file di log selezionato?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>gg/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/gg/aaaa</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>days</extracomment>
        <translation>g</translation>
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
        <translation>Si è verificato un errore! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Sonda / Unità (canale %1)</translation>
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
        <translation>3 fili</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fili</translation>
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
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
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
        <translation>Tipo PRT: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Collegamento: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistore interno: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Corrente di standby: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversione: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Corrente di eccitazione</translation>
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
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>ATTENZIONE! La sonda %1 opera fuori dal campo di temperatura definito!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Con le impostazioni attuali questa sonda non è compatibile con il canale %1.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Eliminare davvero la sonda %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Nome sonda</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>È riferimento</translation>
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
        <translation>Ultima taratura</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Resistore interno</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Tipo PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corrente di standby</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corrente di eccitazione</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente ITS-90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Tipo di termocoppia</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Compensazione del giunto freddo</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canale di riferimento</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente polinomiale C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente polinomiale C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente polinomiale C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficiente polinomiale C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fili</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fili</translation>
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
        <translation>Interna</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>Esterna</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinomio</translation>
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
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>Lo strumento non contiene sonde personalizzate.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Impossibile creare il file.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Nome sonda</translation>
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
        <translation>Termocoppia B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore</translation>
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
        <translation>Termocoppia Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termocoppia c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore polinomio c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore polinomio c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore polinomio c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistore polinomio c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Formato del file di importazione non valido. Sono accettati solo file con codifica UTF-16 con BOM!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>Il file di importazione è troppo grande.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Importazione interrotta.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Importazione terminata.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Sonde create: %1. Sonde aggiornate: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Errore alla riga %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Numero totale di errori: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Nome sonda non valido: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Valore non valido per Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Valore non valido per Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin deve essere minore di Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Impossibile rilevare il tipo di sonda</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>I coefficienti sono vuoti.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Dati dei coefficienti ambigui.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>La sonda %1 esiste già con un tipo di sonda diverso. Il record verrà ignorato.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Coefficienti non validi. Inserire coefficienti CvD o ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Coefficienti non validi. Inserire coefficienti di termocoppia.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Coefficienti non validi. Inserire coefficienti Steinhart-Hart o polinomiali.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Impossibile creare una nuova sonda, numero massimo di sonde raggiunto.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Numero massimo di sonde raggiunto. Eliminare prima una sonda esistente.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>Non è stato possibile leggere completamente la memoria sonde della scheda di misura. Nessuna nuova sonda può essere creata finché lo strumento non viene riavviato.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Valore del coefficiente non valido: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Ult. tar.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Inserire un nome sonda.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Inserire un valore per Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Inserire un valore per Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax deve essere maggiore di Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Impossibile ripristinare i dati della sonda: il tipo di sonda non corrisponde.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>La versione precedente dei dati della sonda è del %1. Ripristinare i dati della sonda? I dati ripristinati non verranno applicati finché non vengono salvati.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>ATTENZIONE: il nome della sonda è cambiato dall&apos;ultimo backup, verrà rinominata in %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>Impossibile salvare la sonda sulla scheda di misura.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Termometro a resistenza</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Termocoppia</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Selezione canali</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Selezionare un canale valido per la compensazione del giunto freddo.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Termistore</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Inserire un indirizzo IP valido</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Inserire una netmask valida</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Inserire un gateway valido</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Off</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Off</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Impossibile modificare l&apos;impostazione DHCP. La configurazione di rete è rimasta invariata.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>Il DHCP è disattivato, ma non è noto alcun indirizzo IPv4 dell&apos;interfaccia. Inserire l&apos;indirizzo IP e la netmask.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>La linea non accetta queste impostazioni e resta chiusa.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Configurazione scanner box %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>La configurazione dei canali deve contenere almeno due canali!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Taratura</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>Sonde SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Caricamento sonde SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Disattivare la sonda %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Attivare la sonda %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>ATTENZIONE: la taratura della sonda %1 era prevista il %2!</translation>
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
        <translation>Attiva: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Prossima taratura: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Sorgente taratura: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistore interno: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversione: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Campo di lavoro: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Bloccata: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Selezione canali</translation>
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
        <translation>interna</translation>
    </message>
    <message>
        <source>external</source>
        <translation>esterna</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canale</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinomio</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Termocoppia</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Tipo di termocoppia: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Compensazione giunto freddo: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversione: </translation>
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
        <translation>Impossibile modificare l&apos;ora di sistema. Lo strumento non verrà riavviato.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>Impossibile salvare l&apos;ora di sistema nell&apos;orologio hardware. Lo strumento non verrà riavviato.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Ora di sistema modificata. Lo strumento verrà ora riavviato.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Inserire data e ora complete.</translation>
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
        <translation>Lo strumento verrà riportato alle impostazioni di fabbrica. Continuare?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Impossibile ripristinare i dati di taratura di fabbrica, riprovare.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Accesso negato.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>Impossibile reimpostare la calibrazione del touchscreen.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Riavviare lo strumento per calibrare il touchscreen.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Nuova routine di taratura</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Nuova routine</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Modifica routine esistente</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>cancella</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>File di taratura</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Nome routine</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilità [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>T. attesa [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Punti tar. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Canali DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Canale di riferimento</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Tempo stab. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Nome routine</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda di riferimento</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Dispositivi in prova</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Configurazione canali</translation>
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
        <translation>sel. tutto</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>desel. tutto</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Dati di taratura attuali</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Ult. tar.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendenza</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Pross. tar.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Valori nominali</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Valori misurati</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Nuovi dati di taratura</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Offset [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Retroill. off</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Config. canali</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Modulo 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Modulo 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Modulo 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Modulo 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Tempo di attesa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Vista selezionata</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Attiva vista</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
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
        <translation>Scala</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Manuale</translation>
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
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Taratura</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>File di log</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Sonde misurate</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sonde SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Tutte le sonde</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Dettagli strumento</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Scarica coefficienti sonda</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Importa coefficienti sonda</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Espelli chiavetta USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Scarica selezione</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Elimina selezione</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
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
        <translation>Intervallo [s]</translation>
    </message>
    <message>
        <source>d</source>
        <comment>short for &quot;days&quot;</comment>
        <translation>g</translation>
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
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostaz.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglese (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Inglese (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Nuova sonda</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Termometro a resistenza (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Termocoppia (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistore</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Modifica sonda esistente</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Sonde SMART collegate</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Conv. std. PRT</translation>
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
        <translation>Collegam.</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fili</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fili</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Conv. std. termistore</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinomio</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Conv. std. TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Giunto freddo std.</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Interna</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Esterna</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Sonda predefinita</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T min. in °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Nome sonda</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Resist. int.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T max. in °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Tipo sonda</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Corrente
standby</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Off</translation>
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
        <translation>Corrente
ecc.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversione</translation>
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
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Giunto freddo</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>Polinomio TC</translation>
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
        <translation>Campo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
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
        <translation>Bloccata</translation>
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
        <translation>Sorg. tar.</translation>
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
        <translation>IP / Netmask</translation>
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
        <translation>Netmask</translation>
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
        <translation>Ethernet - Porta</translation>
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
        <translation>Baud rate</translation>
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
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Indirizzo IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>N. campioni</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Sonde standard</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Sonde salvate</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Seleziona sonda</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Seleziona unità</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>N/S interfaccia:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Versione interfaccia:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>N/S strumento:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>N/S sistema di misura:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Memoria:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Data di produzione:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Versione SO:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Livello assistenza clienti</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Programma sonda SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Accedi al livello assistenza ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Livello assistenza ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Reimposta touchscreen</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Ciclo di ritaratura</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Ore di funzionamento</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Taratura strumento</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Esci dal livello assistenza ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interfaccia utente</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Cerca nuova versione</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Punto di taratura</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Retroilluminazione off</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Valore medio</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Impost. sonde std.</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Impostazioni sonde standard</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Allarme sonde</translation>
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
        <translation>Formato</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>gg/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/gg/aaaa</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Suono tasti</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Suono allarme</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (punto)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (virgola)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Ciclo ritar. (mesi)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Prossima taratura</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>Rif. 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC canale 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC canale 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC canale 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>Rif. 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>Rif. 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>Rif. 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC canale 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC canale est.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Picco</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>Lo strumento è in modalità remota. Passare alla modalità locale? ATTENZIONE: tutti i comandi in sospeso verranno annullati.</translation>
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
        <translation>Impossibile avviare la modalità scansione. Selezionare almeno due canali.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Resistore interno 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Resistore interno 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Resistore interno 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Resistore interno 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC canale 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC canale 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>La taratura dello strumento non è possibile con la modalità scansione attiva. Uscire dalla modalità scansione?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Dati di taratura incompleti. Verificare che entrambi i punti di taratura siano stati misurati!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Impossibile salvare i dati di taratura, riprovare.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Taratura incompleta. Verificare che il punto di taratura sia stato misurato!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Dati di taratura salvati.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Nessuna chiavetta USB collegata.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Directory &quot;%1&quot; non trovata sulla chiavetta USB. I nuovi file firmware devono trovarsi lì.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>Nessun file firmware trovato nella cartella &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Trovati più file firmware. Verificare che sulla chiavetta USB sia presente una sola versione del firmware.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>Il firmware rilevato non è un firmware di interfaccia %1 valido.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Nessun file di checksum trovato.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Errore durante la copia dei file firmware. Riprovare.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Impossibile aprire il file firmware. Riprovare.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Impossibile aprire il file di checksum. Riprovare.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>Il checksum del file firmware non è corretto. Verificare che venga usato il file di checksum giusto e riprovare.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Programmazione della sonda SMART riuscita.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Le sonde SMART non possono essere programmate con la modalità scansione attiva. Uscire dalla modalità scansione?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>Nessuna sonda SMART collegata al canale selezionato. Selezionare nella schermata iniziale il canale a cui è collegata la sonda SMART da programmare.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Inserire un nome sonda!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Selezionare un resistore interno!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Selezionare uno standard di conversione della temperatura!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Si è verificato un errore durante la programmazione della sonda SMART. La sonda SMART non è più collegata.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Si è verificato un errore durante la programmazione della sonda SMART. Verificare i dati della sonda visualizzati e riprovare.</translation>
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
        <translation>Impossibile leggere il file delle impostazioni; lo strumento usa le impostazioni di fabbrica. Il file danneggiato è stato conservato come %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinomio</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistore</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversione: </translation>
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
        <translation>Il valore nominale deve essere %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Inserire un valore nominale per il punto di taratura %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Collegare il riferimento esterno %1 al canale %2 e premere OK per continuare.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>Lo strumento non ha potuto fornire un risultato di misura valido. La taratura verrà interrotta.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
</context>
</TS>
