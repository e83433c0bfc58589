<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_GB">
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
        <translation>通道</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>测量次数</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>稳定度</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>电阻</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>热电势</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>警告：探头 %1 的上次校准已超过一年！(%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>探头名称： </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>探头类型： </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>参考探头： </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T 最小值： </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T 最大值： </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>上次校准： </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>热电偶（8 通道）</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>热电偶（16 通道）</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300（8 通道）</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300（16 通道）</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100（10 通道）</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>至少有一个文件无法复制到 USB 存储设备。请确认已连接具有足够可用空间的 USB 存储设备！</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>现在可以安全移除 USB 存储设备。</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>通道</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>请将 CJC 校准适配器连接到通道 1 和通道 %1。请确认带有适配器系数的探头已分配给通道 1。</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>仪器无法得到有效的测量结果。校准将中止。</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>参考值:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>稳定度:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>通道 %1 的值:</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>程序名称</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>程序开始</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>程序结束</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>源（校准器类型）</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>稳定度 [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>稳定时间 [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>保持时间 [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>参考通道</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>参考探头</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>通道： </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>校准点 [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>参考值 [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>参考稳定度 [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>DUT 值 [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>DUT 原始值 [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>无法将校准点 %1 °C 发送到校准器：该值超出校准器设定值寄存器的范围。</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>校准程序:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>稳定时间 [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>保持时间 [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>稳定度 [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>校准点:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>开始于：%1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>正在采样</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>不稳定</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>正在读取 DUT 通道</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>保持时间进行中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>完成于：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>是否中止校准程序？</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>名为 %1 的校准程序已存在。是否覆盖？</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>校准文件</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>DUT 探头</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>DUT 通道</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>校准点:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>参考值:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>DUT 值:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>是否删除校准文件 %1？</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>是否删除校准程序 %1？</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>未连接 USB 存储设备！</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>无法将结果表写入 USB 存储设备。</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>校准程序已成功完成。</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>校准程序已完成，但无法保存其结果。</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>校准设置“%1”无效，请更正设置后重试。</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>无法初始化校准器。请检查类型为 %1 的校准器是否已连接并打开。</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>无法选择参考通道 %1。请确认这是有效的参考通道。</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>校准器未接受其中一个校准点。请检查校准设置。</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>无法选择其中一个 DUT 通道。请检查校准设置是否只包含有效通道。</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>无法读取参考通道 %1 的值。请检查是否已分配并连接有效的探头。</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>请输入校准程序名称。</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>校准程序名称不能为“.”或“..”，也不能包含 %1 中的任何字符</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>请至少输入一个 DUT 通道。</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>请输入稳定度的值。</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>请输入稳定时间的值。</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>请输入保持时间的值。</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>请至少输入一个校准点。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>请输入不超过 %1 个校准点。</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>校准点 %1 °C 超出规定范围 [%2 °C, %3 °C]。</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>请输入有效的 IP 地址。</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>请输入有效的端口。</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>编辑程序</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>选择 DUT 通道</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>更改 DUT 通道</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>通道选择</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TDWK4400_1100_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>未找到 USB 转串口转换器。请确认使用基于 FTDI 芯片的转换器。重新连接转换器也可能有帮助。</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>请检查校准器是否已准备好通信。如果设定值在闪烁，请按 E。</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>未找到 USB 转串口转换器。请确认使用基于 FTDI 芯片的转换器。重新连接转换器也可能有帮助。</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>存储已用 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>没有可供下载的文件。</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>未连接 USB 存储设备！</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>当前测量的通道未分配自定义探头。</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>正在加载 SMART 探头...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>当前没有 SMART 探头连接到仪器。</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>在 USB 设备上创建文件时出错。</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>未找到包含探头系数的文件。</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>是否删除所选项目？</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>从版本 %1 更新到版本 %2。是否继续？</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>固件更新成功。仪器现在将重新启动。</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>图表设置</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>“最大值”必须大于“最小值”！</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TInstrumentInfo</name>
    <message>
        <source>Scanner</source>
        <translation>扫描器</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>仪器序列号</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>测量系统序列号</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>用户界面序列号</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>用户界面版本</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>操作系统版本</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>固件版本</translation>
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
        <translation>开始倒计时</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>停止倒计时</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>无法写入日志文件。记录器已停止。</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>请输入有效的日期。</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>请输入有效的时间。</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>请输入有效的持续时间！</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>无法创建日志文件，该日志文件已存在！</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>无法创建日志文件。</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>请输入有效的间隔！</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>正在加载 SMART 探头...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>温度值</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>原始值</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>温差</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>原始值差</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART 探头</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>PRT 探头:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>热电偶探头:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>热敏电阻探头:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>所选日志文件正在使用，无法删除。</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>确实要删除所选日志文件吗？</translation>
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
        <translation>发生错误！ </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>探头 / 单位（通道 %1）</translation>
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
        <translation>三线制</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>四线制</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
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
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
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
        <translation>自动</translation>
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
        <translation>PRT 类型： </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>接线： </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>内部电阻： </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>待机电流： </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>转换： </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>激励电流</translation>
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
        <translation>通道</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>注意！探头 %1 正在规定的温度范围之外工作！</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>在当前设置下，此探头与通道 %1 不兼容。</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>确实要删除探头 %1 吗？</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>探头名称</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>通道</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>是否参考</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T 最小值</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T 最大值</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>上次校准</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>接线</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>内部电阻</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>转换</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>PRT 类型</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>待机电流</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>激励电流</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 系数 R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 系数 A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 系数 B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 系数 C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 系数 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>热电偶类型</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>冷端补偿</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>参考通道</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>系数 C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 系数 A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 系数 B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 系数 C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多项式系数 C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多项式系数 C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多项式系数 C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多项式系数 C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>三线制</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>四线制</translation>
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
        <translation>自动</translation>
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
        <translation>内部</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>外部</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>通道</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多项式</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>仪器中没有自定义探头。</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>无法创建文件。</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>探头名称</translation>
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
        <translation>热电偶 B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T 最小值</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T 最大值</translation>
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
        <translation>热电偶 Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热电偶 c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻 Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻 Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻 Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻多项式 c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻多项式 c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻多项式 c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>热敏电阻多项式 c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>无法打开文件。</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>导入文件格式无效。仅接受带字节顺序标记的 UTF-16 编码文件！</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>导入文件过大。</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>导入已中止。</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>导入完成。</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>已创建探头：%1。已更新探头：%2。</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>第 %1 行出错</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>错误总数：%1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>探头名称无效：%1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Tmin 的值无效：%1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Tmax 的值无效：%1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin 的值必须小于 Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>无法识别探头类型</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>系数为空。</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>发现含糊不清的系数数据。</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>探头 %1 已存在且类型不同。该数据记录将被忽略。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>发现无效系数。请输入 CvD 或 ITS90 系数。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>发现无效系数。请输入热电偶系数。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>发现无效系数。请输入 Steinhart-Hart 或多项式系数。</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>无法创建新探头，已达到探头的最大数量。</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>已达到探头的最大数量。请先删除一个现有探头。</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>无法完整读取测量板的探头存储器。在仪器重新启动之前无法创建新探头。</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>系数值无效：%1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>上次校准</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>请输入探头名称。</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>请输入 Tmin 的值。</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>请输入 Tmax 的值。</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax 必须大于 Tmin。</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>由于探头类型不匹配，无法恢复探头数据。</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>探头数据的上一版本日期为 %1。是否恢复探头数据？恢复的探头数据在您保存之前不会更新。</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>警告：自上次备份以来探头名称已更改，将重命名为 %1！</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>无法将探头保存到测量板。</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>电阻温度计</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>热电偶</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>通道选择</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>请为冷端补偿选择有效的通道。</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>热敏电阻</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>通道</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>请输入有效的 IP 地址</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>请输入有效的子网掩码</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>请输入有效的网关</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>关</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>空格</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>标记</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>关</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>无法更改 DHCP 设置。网络配置保持不变。</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP 已关闭，但接口的 IPv4 地址未知。请输入 IP 地址和子网掩码。</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>线路不接受这些设置，保持关闭。</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>扫描器箱 %1 的配置（%2）</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>通道配置必须至少包含两个通道！</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>SMART 探头</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>正在加载 SMART 探头...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>是否禁用探头 %1？</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>是否启用探头 %1？</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>警告：探头 %1 的校准已于 %2 到期！</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
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
        <translation>已启用： </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>下次校准： </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>校准来源： </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>内部电阻： </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>转换： </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>工作范围： </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>已锁定： </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>通道选择</translation>
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
        <translation>内部</translation>
    </message>
    <message>
        <source>external</source>
        <translation>外部</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多项式</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>热电偶</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>热电偶类型： </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>冷端补偿： </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>转换： </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta 最小值： </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta 最大值： </translation>
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
        <translation>Tb 最小值： </translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb 最大值： </translation>
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
        <translation>Tc 最小值： </translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc 最大值： </translation>
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
        <translation>无法更改系统时间。仪器将不会重新启动。</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>无法将系统时间保存到硬件时钟。仪器将不会重新启动。</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>系统时间更改成功。仪器现在将重新启动。</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>请输入完整的日期和时间。</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>仪器将恢复出厂设置。是否继续？</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>无法恢复出厂校准数据，请重试。</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>拒绝访问。</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>无法重置触摸屏校准。</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>请重新启动仪器以校准触摸屏。</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>新建校准程序</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>新建程序</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>配置现有程序</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>搜索...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>筛选:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>校准文件</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>程序名称</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>稳定度 [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>保持时间 [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>校准点 [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>DUT 通道</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>参考通道</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>稳定时间 [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>程序名称</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>参考探头</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>被测设备</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>通道配置</translation>
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
        <translation>全选</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>当前校准数据</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>上次校准</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>下次校准</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>标称值</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>新校准数据</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>偏移 [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>背光关闭</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>通道配置</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>模块 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>模块 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>模块 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>模块 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>保持时间</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>所选视图</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>激活视图</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
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
        <translation>刻度</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>屏幕截图</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>测量的探头</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART 探头</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>所有探头</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>仪器详细信息</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>下载探头系数</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>导入探头系数</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>弹出 USB 存储设备</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>下载所选项</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>删除所选项</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24h</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>Interval [s]</source>
        <translation>间隔 [s]</translation>
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
        <translation>记录器</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>服务</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英语（UK）</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>英语（USA）</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>新建探头</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>电阻温度计（PRT、SPRT）</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>热电偶（TC）</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>热敏电阻</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>配置现有探头</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>列出已连接的 SMART 探头</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>PRT 标准转换</translation>
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
        <translation>接线</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>四线制</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>三线制</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>热敏电阻标准转换</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多项式</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>TC 标准转换</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>标准冷端</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>内部</translation>
    </message>
    <message>
        <source>External</source>
        <translation>外部</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>默认探头</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T 最小值 °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>探头名称</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>内部电阻</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T 最大值 °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>探头类型</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
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
        <translation>待机
电流</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>关</translation>
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
        <translation>激励
电流</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>转换</translation>
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
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>冷端</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>TC 多项式</translation>
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
        <translation>量程</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
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
        <translation>已锁定</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R 最小值 Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R 最大值 Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>校准来源</translation>
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
        <translation>IP / 子网掩码</translation>
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
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - 网关</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet - 端口</translation>
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
        <translation>波特率</translation>
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
        <translation>数据位</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>IEEE-488 地址</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>语言</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>采样数</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>标准探头</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>已存探头</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>选择探头</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>选择单位</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>用户界面 S/N:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>用户界面版本:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>仪器 S/N:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>测量系统 S/N:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>固件版本:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>存储:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>仪器生产日期:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>操作系统版本:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>扫描器:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>客户服务级别</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>编程 SMART 探头</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>进入 ZELK 服务级别</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>ZELK 服务级别</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>重置触摸屏</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>再校准周期</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>仪器校准</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>退出 ZELK 服务级别</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>用户界面</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>查找新版本</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>应用更新</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>校准项目</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>背光关闭</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>小数分隔符</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>标准探头设置</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>标准探头设置</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>探头报警</translation>
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
        <translation>格式</translation>
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
        <translation>按键音</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>报警声音</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. （点）</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, （逗号）</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>再校准周期（月）</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>下次校准</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>10 kΩ 参考</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC 通道 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC 通道 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC 通道 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>100 Ω 参考</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>25 Ω 参考</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>100 kΩ 参考</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC 通道 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC 外部通道</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>峰值</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>仪器当前处于远程模式。是否切换到本地模式？警告：所有待处理的命令都将被取消。</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>REM</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>Unable to start scan mode. Please select at least two channels.</source>
        <translation>无法启动扫描模式。请至少选择两个通道。</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>25 Ω 内部电阻</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>100 Ω 内部电阻</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>10 kΩ 内部电阻</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>100 kΩ 内部电阻</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC 通道 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC 通道 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>扫描模式激活时无法进行仪器校准。是否退出扫描模式？</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>校准数据不完整。请确认两个校准点均已测量！</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>无法保存校准数据，请重试。</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>校准不完整。请确认校准点已测量！</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>校准数据已保存。</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>未找到已连接的 USB 存储设备。</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>在 USB 存储设备上未找到目录“%1”。新固件文件必须位于该目录中。</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>在文件夹“%1”中未找到固件文件。</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>找到多个固件文件。请确认 USB 存储设备上只有一个固件版本。</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>检测到的固件不是有效的 %1 用户界面固件。</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>未找到校验和文件。</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>复制固件文件时出错。请重试。</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>无法打开固件文件。请重试。</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>无法打开校验和文件。请重试。</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>固件文件的校验和不正确。请检查是否使用了正确的校验和文件，然后重试。</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>SMART 探头编程成功。</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>扫描模式激活时无法对 SMART 探头编程。是否退出扫描模式？</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>所选通道未连接 SMART 探头。请在主屏幕中选择连接了待编程 SMART 探头的通道。</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>请输入探头名称！</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>请选择内部电阻！</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>请选择温度转换标准！</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>对 SMART 探头编程时出错。SMART 探头已断开连接。</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>对 SMART 探头编程时出错。请检查显示的探头数据，然后重试。</translation>
    </message>
    <message>
        <source>LOG</source>
        <translation>记录</translation>
    </message>
</context>
<context>
    <name>TTamarindSettings</name>
    <message>
        <source>The settings file could not be read; the instrument uses its factory settings. The damaged file was kept as %1.</source>
        <translation>无法读取设置文件；仪器使用出厂设置。损坏的文件已保留为 %1。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多项式</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>热敏电阻</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>转换： </translation>
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
        <translation>标称值必须为 %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>请输入 %1 校准点的标称值。</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>请将外部参考 %1 连接到通道 %2，然后按“确定”继续。</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>仪器无法得到有效的测量结果。校准将中止。</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
</context>
</TS>
