<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>TAbstractChannel</name>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>Kelvin</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbstractChannelViewController</name>
    <message>
        <source>Chan.</source>
        <comment>Translation for channel selection button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDWK4400_1100_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInstrumentInfo</name>
    <message>
        <source>Scanner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMessageDialog</name>
    <message>
        <source>An error has occurred! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPRTProbe</name>
    <message>
        <source>Pt25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callendar-Van Dusen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <comment>PRT excitation current setting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mA</source>
        <comment>PRT excitation current setting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT type: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R001: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ap: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPhysicalChannel</name>
    <message>
        <source>Chan.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 Ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Ohm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal</source>
        <comment>Cold junction compensation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>Thermistor conversion</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT25</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple B</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT CvD R0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT CvD A</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT CvD B</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT CvD C</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 R0.01</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 an</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 bn</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 ap</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 bp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 cp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT ITS90 dp</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Ta min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callendar-Van Dusen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C: </source>
        <comment>CvD coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R001: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ap: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dp: </source>
        <comment>ITS 90 coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTCProbe</name>
    <message>
        <source>B</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T</source>
        <comment>thermocouple type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>external</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A0: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb min.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B0: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B1: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B2: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B3: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc min.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C0: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C1: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C2: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C3: </source>
        <comment>TC coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTamarindClock</name>
    <message>
        <source>The system time could not be changed. The instrument will not be restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRT 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d</source>
        <comment>short for &quot;days&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <comment>short for &quot;hours&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <comment>short for &quot;minutes&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN 60751</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CvD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITS 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pt100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby
current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excitation
current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callendar-van-Dusen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R0.01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tb max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tc max.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblEthernet_IP_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP / Netmask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblEthernet_Netmask_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblEthernet_DHCP_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet - DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblRS232_BaudRate_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblRS232_CTS_RTS_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTS / RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblRS232_DataBits_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTamarindSettings</name>
    <message>
        <source>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c: </source>
        <comment>Steinhart-Hart coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c0: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c1: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c2: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c3: </source>
        <comment>Thermistor polynomial coefficient</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTwoPointCalibrationItem</name>
    <message>
        <source>Nominal value must be %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
