<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_GB">
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
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
</context>
</TS>
