<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_GB">
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
        <translation>Chan.</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>No. of meas.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Stability</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Thermovoltage</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Probe name: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Probe type: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Reference probe: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
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
        <translation>Last calibration: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermocouple (8 channels)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermocouple (16 channels)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 channels)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 channels)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 channels)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>You can now safely remove the USB stick.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Chan.</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Keystroke sound</translation>
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
        <translation>Please connect the CJC calibration adapter to channel 1 and channel %1. Make sure the probe with the adapter&apos;s coefficients is assigned to channel 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>The instrument could not produce a valid measuring result. Calibration will be aborted.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Reference value:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Stability:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Value channel %1:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Routine name</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Routine start</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Routine end</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Source (calibrator type)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stability [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Stability time [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Hold time [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Reference channel</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Reference probe</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Channel: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Calibration point [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Reference value [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Reference stability [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>DUT value [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>DUT raw value [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Calibration routine:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Stability time [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>Hold time [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Stability [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Calibration point:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Started: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Collecting samples</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Reading DUT channels</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Hold time running</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Completed: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Would you like to abort the calibration routine?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>A calibration routine named %1 already exists. Would you like to overwrite it?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Calibration file</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>DUT probe</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>DUT channel</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Cal. point:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Ref. value:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>DUT value:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Would you like to delete the calibration file %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Would you like to delete calibration routine %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>No USB stick connected!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>The result table could not be written to the USB stick.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Calibration routine completed successfully.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>The calibration routine has completed, but its result could not be stored.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Unable to select reference channel %1. Please make sure this is a valid reference channel.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>The calibrator did not accept one of the calibration points. Please check the calibration setup.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Please enter a calibration routine name.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Please enter at least one DUT channel.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Please enter a value for stability.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Please enter a value for stability time.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Please enter a value for hold time.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Please enter at least one calibration point.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Please enter no more than %1 calibration points.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Please enter a valid IP address.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Please enter a valid port.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Edit routine</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Select DUT channels</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Change DUT channel</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Channel selection</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>100 % storage used</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>There are no files available for downloading.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>No USB stick connected!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>The currently measured channels do not have any custom probes assigned.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Loading SMART probes...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>There are currently no SMART probes connected to the instrument.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Error while creating file on USB device.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>No files containing probe coefficients found.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Would you like to delete the selected items?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download complete</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Updating from version %1 to version %2. Would you like to proceed?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Firmware update successful. A restart of the instrument will now be done.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Chan.</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Graph settings</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Model</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>Instrument serial number</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>Measuring serial number</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>User interface serial number</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>User interface version</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>OS version</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware version</translation>
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
        <translation>Starts in</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Stops in</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Unable to write to logfile. Logger has been stopped.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Please enter a valid date.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Please enter a valid time.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Please enter a valid duration!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Unable to create logfile, the logfile already exists!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Unable to create logfile.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Please enter a valid interval!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Loading SMART probes...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Temperature value</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Raw value</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Temperature difference</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Raw value difference</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART probes</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>PRT probes:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Thermocouple probes:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Thermistor probes:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>The selected logfile is currently in use and cannot be deleted.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Would you really like to delete the selected logfile?</translation>
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
        <translation>An error has occurred! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Probe / Unit (Chan. %1)</translation>
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
        <translation>3-wire</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-wire</translation>
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
        <translation>yes</translation>
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
        <translation>PRT type: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Wiring: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Internal resistor: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Standby current: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Excitation current</translation>
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
        <translation>Chan.</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>CAUTION! Probe %1 is operating outside the defined temperature range!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>This probe is not compatible with channel %1 with the current settings.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Would you really like to delete probe %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Probe name</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Is reference</translation>
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
        <translation>Last calibration</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Wiring</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Internal resistor</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>PRT type</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Standby current</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Excitation current</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD coefficient R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD coefficient A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD coefficient B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD coefficient C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 coefficient Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Thermocouple type</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Cold junction compensation</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Reference channel</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH coefficient A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH coefficient B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH coefficient C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomial coefficient C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomial coefficient C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomial coefficient C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Polynomial coefficient C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-wire</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-wire</translation>
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
        <translation>Internal</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>External</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynomial</translation>
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
        <translation>None</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>The instrument does not contain any custom probes.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Could not create file.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Probe name</translation>
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
        <translation>Thermocouple B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple T</translation>
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
        <translation>Thermocouple Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermocouple c3</translation>
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
        <translation>Thermistor Polynomial c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynomial c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynomial c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistor Polynomial c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Unable to open file.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>The import file is too large.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Import aborted.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Import finished.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Probes created: %1. Probes updated: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Error in line %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Total error count: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Invalid probe name: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Invalid value for Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Invalid value for Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Value for Tmin must be smaller than Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Unable to detect probe type</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Coefficients are empty.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Ambiguous coefficient data found.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>Probe %1 already exists and has a different probe type. Dataset will be ignored.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Invalid coefficients found. Please enter thermocouple coefficients.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Cannot create new probe, maximum number of probes reached.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Maximum number of probes reached. Please delete an existing probe first.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Invalid coefficient value: %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Last cal.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Please enter a probe name.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Please enter a value for Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Please enter a value for Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax must be greater than Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>The probe data cannot be restored due to a probe type mismatch.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>The probe could not be stored on the measurement board.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Resistance thermometer</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>Channel selection</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Please select a valid channel for the cold junction compensation.</translation>
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
        <translation>Chan.</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Please enter a valid IP address</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Please enter a valid netmask</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Please enter a valid gateway</translation>
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
        <translation>None</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Even</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Odd</translation>
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
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Off</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>The DHCP setting could not be changed. The network configuration was left as it was.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>The line does not take these settings and stays closed.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Configuration for scanner box %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>The channel configuration must at least contain two channels!</translation>
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
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>SMART probes</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Loading SMART probes...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Would you like to disable probe %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Would you like to enable probe %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>WARNING: calibration of probe %1 was due on %2!</translation>
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
        <translation>Enabled: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Next calibration: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Calibration source: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Internal resistor: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Working range: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Locked: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Channel selection</translation>
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
        <translation>internal</translation>
    </message>
    <message>
        <source>external</source>
        <translation>external</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynomial</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Thermocouple type: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Cold junction compensation: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion: </translation>
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
        <translation>The system time could not be changed. The instrument will not be restarted.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>The system time could not be stored in the hardware clock. The instrument will not be restarted.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>System time change successful. A restart of the instrument will now be done.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Please enter a complete date and time.</translation>
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
        <translation>The instrument is going to be reset to factory defaults. Would you like to proceed?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>The factory calibration data could not be restored, please try again.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>The touchscreen calibration could not be reset.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Please restart the instrument to calibrate the touchscreen.</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>New calibration routine</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>New routine</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Configure existing routine</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Calibration files</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Routine name</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stability [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Hold time [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Cal. points [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>DUT channels</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Reference channel</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Stability time [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Routine name</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Reference probe</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Devices under test</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Channel configuration</translation>
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
        <translation>select all</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>deselect all</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Current calibration data</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Last cal.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Next cal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Nominal values</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>New calibration data</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Offset [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Backlight-Off</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Chan. config</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>Module 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>Module 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>Module 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>Module 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Hold time</translation>
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
        <translation>View</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Selected view</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Activate view</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
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
        <translation>Scale</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
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
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Duration time</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Logfiles</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Screenshots</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Measured probes</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART probes</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>All probes</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Instrument details</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Download probe coefficients</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Select file</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Import probe coefficients</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Eject USB stick</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Download selected</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
        <translation>Interval [s]</translation>
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
        <translation>Probes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>English (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>English (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>New probe</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Resistance thermometer (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Thermocouple (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Configure existing probe</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>List connected SMART probes</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Standard conversion PRT</translation>
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
        <translation>Wiring</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4-wire</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3-wire</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Std. conv. thermistor</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynomial</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Standard conversion TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Std. cold junction</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>External</source>
        <translation>External</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Default probe</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T min. in °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Probe name</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Int. resistor</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T max. in °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Probe type</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
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
        <translation>Standby
current</translation>
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
        <translation>Excitation
current</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
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
        <translation>Restore</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Cold junction</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>TC polynomial</translation>
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
        <translation>Range</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
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
        <translation>Locked</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R min. in Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R max. in Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Cal. source</translation>
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
        <translation>Data bits</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Stop bit</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>IEEE-488 address</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Odd</translation>
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
        <translation>Sample count</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Standard probes</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Stored probes</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Select probe</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Select unit</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>User interface S/N:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>User interface version:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>Instrument S/N:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>Measuring system S/N:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Storage:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Instrument manufacturing date:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>OS version:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Customer service level</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Program SMART probe</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Enter ZELK service level</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>ZELK service level</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Reset touchscreen</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Recalibration cycle</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Operating time</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Instrument calibration</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Leave ZELK service level</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>User interface</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Look for new version</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Apply update</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Calibration item</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Backlight-Off</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Decimal separator</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Average value</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Std. probe settings</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Standard probe settings</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarm for probes</translation>
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
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/yyyy</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Keystroke sound</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarm sound</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (point)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (comma)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Recal. cycle (months)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Next calibration</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>10 kΩ ref.</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC chan. 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC chan. 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC chan. 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>100 Ω ref.</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>25 Ω ref.</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>100 kΩ ref.</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC chan. 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC ext. chan.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be canceled.</translation>
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
        <translation>Unable to start scan mode. Please select at least two channels.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>25 Ω internal resistor</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>100 Ω internal resistor</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>10 kΩ internal resistor</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>100 kΩ internal resistor</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC channel 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC channel 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Calibration data are incomplete. Please make sure that both calibration points have been measured!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>The calibration data could not be stored, please try again.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Calibration incomplete. Please make sure that the calibration point has been measured!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Calibration data saved.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>No connected USB stick found.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>No firmware files found in folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>The detected firmware is not a valid %1 user interface firmware.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>No checksum file found.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Error while copying the firmware files. Please try again.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Cannot open firmware file. Please try again.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Cannot open checksum file. Please try again.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>SMART probe programming successful.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Please enter a probe name!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Please select an internal resistor!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Please select a temperature conversion standard!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</translation>
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
        <translation>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynomial</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistor</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion: </translation>
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
        <translation>Nominal value must be %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Please enter a nominal value for the %1 calibration point.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Please connect external reference %1 to channel %2 and press OK to continue.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>The instrument could not produce a valid measuring result. Calibration will be aborted.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
</context>
</TS>
