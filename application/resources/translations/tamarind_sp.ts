<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
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
        <translation>Canal</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>N.º de med.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Estabilidad</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Tensión term.</translation>
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
        <translation>ADVERTENCIA: ¡la última calibración de la sonda %1 fue hace más de un año! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Nombre de sonda: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Tipo de sonda: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Sonda de referencia: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
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
        <translation>Última calibración: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termopar (8 canales)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termopar (16 canales)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 canales)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 canales)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 canales)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>No se pudo copiar al menos un archivo en la memoria USB. ¡Asegúrese de que hay conectada una memoria USB con suficiente espacio libre!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Ya puede retirar la memoria USB con seguridad.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Sonido de teclas</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>Conecte el adaptador de calibración CJC al canal 1 y al canal %1. Asegúrese de que la sonda con los coeficientes del adaptador está asignada al canal 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>El instrumento no pudo obtener un resultado de medición válido. Se cancelará la calibración.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Valor de referencia:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Estabilidad:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Valor canal %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Nombre de la rutina</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Inicio de la rutina</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Fin de la rutina</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Fuente (tipo de calibrador)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Estabilidad [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>T. estab. [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>T. espera [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Canal de referencia</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda de referencia</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Canal: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Punto de calibración [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Valor de referencia [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Estabilidad de referencia [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>Valor DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>Valor bruto DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>El punto de calibración %1 °C no se puede enviar al calibrador: no cabe en el registro del valor de consigna del calibrador.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Rutina de calibración:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>T. estab. [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>T. espera [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Estabilidad [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Punto de calibración:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Iniciada: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Adquiriendo valores</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Inestable</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Leyendo canales DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Tiempo de espera en curso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Finalizada: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>¿Desea cancelar la rutina de calibración?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Ya existe una rutina de calibración llamada %1. ¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Archivo de calibración</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>Sonda DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>Canal DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Punto cal.:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Valor ref.:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>Valor DUT:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>¿Desea eliminar el archivo de calibración %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>¿Desea eliminar la rutina de calibración %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>¡No hay ninguna memoria USB conectada!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>No se pudo escribir la tabla de resultados en la memoria USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Rutina de calibración completada correctamente.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>La rutina de calibración ha finalizado, pero no se pudo guardar su resultado.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>La configuración de calibración &quot;%1&quot; no es válida. Corrija la configuración e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>No se puede inicializar el calibrador. Compruebe si el calibrador de tipo %1 está conectado y encendido.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>No se puede seleccionar el canal de referencia %1. Asegúrese de que es un canal de referencia válido.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>El calibrador no aceptó uno de los puntos de calibración. Compruebe la configuración de calibración.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>No se pudo seleccionar uno de los canales DUT. Compruebe si la configuración de calibración contiene solo canales válidos.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>No se puede leer el valor del canal de referencia %1. Compruebe si hay una sonda válida asignada y conectada.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Introduzca un nombre para la rutina de calibración.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>El nombre de una rutina de calibración no puede ser &quot;.&quot; ni &quot;..&quot; ni contener ninguno de %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Introduzca al menos un canal DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Introduzca un valor de estabilidad.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Introduzca un tiempo de estabilidad.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Introduzca un tiempo de espera.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Introduzca al menos un punto de calibración.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Introduzca como máximo %1 puntos de calibración.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>El punto de calibración %1 °C está fuera del rango especificado [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Introduzca una dirección IP válida.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Introduzca un puerto válido.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Editar rutina</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Seleccionar canales DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Cambiar canal DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Selección de canales</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>No se encontró ningún convertidor USB-serie. Utilice un convertidor con chip FTDI. Volver a conectar el convertidor también puede ayudar.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Compruebe si el calibrador está listo para comunicarse. Si el valor de consigna parpadea, pulse E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>No se encontró ningún convertidor USB-serie. Utilice un convertidor con chip FTDI. Volver a conectar el convertidor también puede ayudar.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Memoria usada al 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>No hay archivos disponibles para descargar.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>¡No hay ninguna memoria USB conectada!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Los canales medidos actualmente no tienen asignada ninguna sonda personalizada.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Cargando sondas SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>Actualmente no hay sondas SMART conectadas al instrumento.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Error al crear el archivo en el dispositivo USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>No se encontraron archivos con coeficientes de sonda.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>¿Desea eliminar los elementos seleccionados?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completada</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Actualización de la versión %1 a la versión %2. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Actualización de firmware correcta. El instrumento se reiniciará ahora.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Ajustes del gráfico</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>¡El valor de &quot;Máx.&quot; debe ser mayor que el valor de &quot;Mín.&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Escáner</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>N.º de serie del instrumento</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>N.º de serie del sistema de medición</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>N.º de serie de la interfaz</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Versión de la interfaz</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Versión del SO</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versión de firmware</translation>
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
        <translation>Empieza en</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Termina en</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>No se puede escribir en el archivo de registro. Se ha detenido el registrador.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Introduzca una fecha válida.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Introduzca una hora válida.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>¡Introduzca una duración válida!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>No se puede crear el archivo de registro, ¡ya existe!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>No se puede crear el archivo de registro.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>¡Introduzca un intervalo válido!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Cargando sondas SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Valor de temperatura</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Valor bruto</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Diferencia de temperatura</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Diferencia de valor bruto</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sondas SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>Sondas PRT:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Sondas termopar:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Sondas termistor:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>El archivo de registro seleccionado está en uso y no se puede eliminar.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>¿Desea realmente eliminar el archivo de registro seleccionado?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
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
        <translation>¡Se ha producido un error! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Sonda / Unidad (canal %1)</translation>
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
        <translation>3 hilos</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 hilos</translation>
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
        <translation>sí</translation>
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
        <translation>Tipo de PRT: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Conexión: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistencia interna: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Corriente en reposo: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversión: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Corriente de excitación</translation>
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
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>¡PRECAUCIÓN! ¡La sonda %1 funciona fuera del rango de temperatura definido!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Esta sonda no es compatible con el canal %1 con los ajustes actuales.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>¿Desea realmente eliminar la sonda %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Nombre de sonda</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Es referencia</translation>
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
        <translation>Última calibración</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Resistencia interna</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Tipo de PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corriente en reposo</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corriente de excitación</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente ITS-90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Tipo de termopar</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Compensación de unión fría</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canal de referencia</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Ta mín.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Ta máx.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Tb mín.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Tb máx.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Tc mín.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente Tc máx.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinómico C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinómico C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinómico C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinómico C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 hilos</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 hilos</translation>
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
        <translation>Externa</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Canal</translation>
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
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>El instrumento no contiene sondas personalizadas.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Nombre</translation>
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
        <translation>Termopar B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar T</translation>
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
        <translation>Termopar Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termopar c3</translation>
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
        <translation>Termistor polinomio c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor polinomio c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor polinomio c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termistor polinomio c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Formato de archivo de importación no válido. ¡Solo se aceptan archivos codificados en UTF-16 con BOM!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>El archivo de importación es demasiado grande.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Importación finalizada.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Sondas creadas: %1. Sondas actualizadas: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Error en la línea %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Total de errores: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Nombre de sonda no válido: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Valor no válido para Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Valor no válido para Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin debe ser menor que Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>No se puede detectar el tipo de sonda</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Los coeficientes están vacíos.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Datos de coeficientes ambiguos.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>La sonda %1 ya existe con otro tipo de sonda. Se ignorará el registro.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Coeficientes no válidos. Introduzca coeficientes CvD o ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Coeficientes no válidos. Introduzca coeficientes de termopar.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Coeficientes no válidos. Introduzca coeficientes Steinhart-Hart o polinómicos.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>No se puede crear una sonda nueva, se alcanzó el número máximo de sondas.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Número máximo de sondas alcanzado. Elimine primero una sonda existente.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>No se pudo leer por completo la memoria de sondas de la placa de medición. No se puede crear ninguna sonda nueva hasta que se reinicie el instrumento.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Valor de coeficiente no válido: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Últ. cal.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Introduzca un nombre de sonda.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Introduzca un valor para Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Introduzca un valor para Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax debe ser mayor que Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>No se pueden restaurar los datos de la sonda porque el tipo de sonda no coincide.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>La versión anterior de los datos de la sonda es del %1. ¿Desea restaurar los datos de la sonda? Los datos restaurados no se aplicarán hasta que los guarde.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>ADVERTENCIA: el nombre de la sonda ha cambiado desde la última copia de seguridad, ¡se renombrará a %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>No se pudo guardar la sonda en la placa de medición.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Termómetro de resistencia</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Termopar</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Selección de canales</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Seleccione un canal válido para la compensación de unión fría.</translation>
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
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Introduzca una dirección IP válida</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Introduzca una máscara de red válida</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Introduzca una puerta de enlace válida</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Marca</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>No se pudo cambiar el ajuste DHCP. La configuración de red no se ha modificado.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP está desactivado, pero no se conoce ninguna dirección IPv4 de la interfaz. Introduzca la dirección IP y la máscara de red.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>La línea no acepta estos ajustes y permanece cerrada.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Configuración de la caja de escáner %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>¡La configuración de canales debe contener al menos dos canales!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>Sondas SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Cargando sondas SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>¿Desea desactivar la sonda %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>¿Desea activar la sonda %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>ADVERTENCIA: ¡la calibración de la sonda %1 vencía el %2!</translation>
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
        <translation>Activada: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Próxima calibración: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Fuente de calibración: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistencia interna: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversión: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Rango de trabajo: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Bloqueada: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Selección de canales</translation>
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
        <translation>externa</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
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
        <translation>Termopar</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Tipo de termopar: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Compensación de unión fría: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversión: </translation>
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
        <translation>No se pudo cambiar la hora del sistema. El instrumento no se reiniciará.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>No se pudo guardar la hora del sistema en el reloj de hardware. El instrumento no se reiniciará.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Hora del sistema cambiada correctamente. El instrumento se reiniciará ahora.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Introduzca una fecha y hora completas.</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>El instrumento se restablecerá a los ajustes de fábrica. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>No se pudieron restaurar los datos de calibración de fábrica, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Acceso denegado.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>No se pudo restablecer la calibración de la pantalla táctil.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Reinicie el instrumento para calibrar la pantalla táctil.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Nueva rutina de calibración</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Nueva rutina</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Editar rutina existente</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Archivos de calibración</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Nombre de la rutina</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Estabilidad [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>T. espera [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Puntos cal. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Canales DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Canal de referencia</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>T. estab. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Nombre de la rutina</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda de referencia</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Equipos bajo prueba</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Configuración de canales</translation>
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
        <translation>todo</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Datos actuales</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Últ. cal.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Próx. cal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Valores nominales</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Valores medidos</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Datos nuevos</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Offset [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Retroil. apag.</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Config. canales</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Módulo 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Módulo 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Módulo 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Módulo 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Tiempo de espera</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Vista seleccionada</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Activar vista</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
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
        <translation>Escala</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Archivos de registro</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Capturas de pantalla</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Sondas medidas</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sondas SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Todas las sondas</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Detalles del instrumento</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Descargar coeficientes de sonda</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Importar coeficientes de sonda</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Expulsar memoria USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Descargar selección</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
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
        <translation>Intervalo [s]</translation>
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
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Sondas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
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
        <translation>Inglés (RU)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Nueva sonda</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Termómetro de resistencia (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Termopar (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termistor</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Editar sonda existente</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Sondas SMART conectadas</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Conv. estándar PRT</translation>
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
        <translation>Conexión</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 hilos</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 hilos</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Conv. estándar termistor</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
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
        <translation>Conv. estándar TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Unión fría estándar</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Interna</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Externa</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Sonda predeterminada</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T mín. en °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Resist. int.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T máx. en °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Corriente
en reposo</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>No</translation>
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
        <translation>Corriente
excit.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
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
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Unión fría</translation>
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
        <translation>Rango</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
        <translation>Bloqueada</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R mín. en Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R máx. en Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Fuente cal.</translation>
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
        <translation>IP / Máscara</translation>
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
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - Puerta de enlace</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet - Puerto</translation>
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
        <translation>Velocidad en baudios</translation>
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
        <translation>Bits de datos</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Bit de parada</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Dirección IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>N.º de muestras</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Sondas estándar</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Sondas guardadas</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Seleccionar sonda</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Seleccionar unidad</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>N.º serie interfaz:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Versión interfaz:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>N.º serie instrumento:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>N.º serie sistema medición:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Memoria:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Fecha de fabricación:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Versión del SO:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Escáner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Nivel servicio al cliente</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Programar sonda SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Entrar en nivel servicio ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Nivel servicio ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Restablecer pantalla táctil</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Ciclo de recalibración</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Tiempo de funcionamiento</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Calibración del instrumento</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Salir del nivel servicio ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interfaz de usuario</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Versión nueva:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Buscar versión nueva</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Aplicar actualización</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Punto de calibración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Retroiluminación apagada</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Ajustes de fábrica</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Valor medio</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Ajustes sondas est.</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Ajustes de sondas estándar</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarma de sondas</translation>
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
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Sonido de teclas</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de alarma</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (punto)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (coma)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Ciclo recal. (meses)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Próxima calibración</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>Ref. 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC canal 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC canal 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC canal 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>Ref. 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>Ref. 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>Ref. 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC canal 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC canal ext.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Congelar</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>El instrumento está en modo remoto. ¿Desea cambiar al modo local? ADVERTENCIA: se cancelarán todos los comandos pendientes.</translation>
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
        <translation>No se puede iniciar el modo de escaneo. Seleccione al menos dos canales.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Resistencia interna de 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Resistencia interna de 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Resistencia interna de 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Resistencia interna de 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC canal 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC canal 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>No se puede calibrar el instrumento con el modo de escaneo activo. ¿Desea salir del modo de escaneo?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Los datos de calibración están incompletos. ¡Asegúrese de que se han medido ambos puntos de calibración!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>No se pudieron guardar los datos de calibración, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Calibración incompleta. ¡Asegúrese de que se ha medido el punto de calibración!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Datos de calibración guardados.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>No se encontró ninguna memoria USB conectada.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>No se encontró el directorio &quot;%1&quot; en la memoria USB. Los nuevos archivos de firmware deben estar allí.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>No se encontraron archivos de firmware en la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Se encontraron varios archivos de firmware. Asegúrese de que solo hay una versión de firmware en la memoria USB.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>El firmware detectado no es un firmware de interfaz %1 válido.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>No se encontró ningún archivo de suma de comprobación.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Error al copiar los archivos de firmware. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>No se puede abrir el archivo de firmware. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>No se puede abrir el archivo de suma de comprobación. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>La suma de comprobación del archivo de firmware no es correcta. Compruebe que se usa el archivo de suma de comprobación correcto e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Sonda SMART programada correctamente.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>No se pueden programar sondas SMART con el modo de escaneo activo. ¿Desea salir del modo de escaneo?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>No hay ninguna sonda SMART conectada al canal seleccionado. Seleccione en la pantalla de inicio el canal al que está conectada la sonda SMART que desea programar.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>¡Introduzca un nombre de sonda!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>¡Seleccione una resistencia interna!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>¡Seleccione una norma de conversión de temperatura!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Se produjo un error al programar la sonda SMART. La sonda SMART ya no está conectada.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Se produjo un error al programar la sonda SMART. Compruebe los datos de sonda mostrados e inténtelo de nuevo.</translation>
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
        <translation>No se pudo leer el archivo de ajustes; el instrumento usa sus ajustes de fábrica. El archivo dañado se conservó como %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>ninguna</translation>
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
        <translation>Termistor</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversión: </translation>
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
        <translation>El valor nominal debe ser %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Introduzca un valor nominal para el punto de calibración %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Conecte la referencia externa %1 al canal %2 y pulse OK para continuar.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>El instrumento no pudo obtener un resultado de medición válido. Se cancelará la calibración.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
</context>
</TS>
