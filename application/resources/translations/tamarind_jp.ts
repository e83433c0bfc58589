<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_GB">
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
        <translation>CH</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>測定回数</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>安定度</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>抵抗</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>熱起電力</translation>
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
        <translation>警告：プローブ %1 の前回の校正から1年以上経過しています！(%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>プローブ名: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>プローブタイプ: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>基準プローブ: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>T min.: </source>
        <translation>T 最小: </translation>
    </message>
    <message>
        <source>T max.: </source>
        <translation>T 最大: </translation>
    </message>
    <message>
        <source>Last calibration: </source>
        <translation>前回の校正: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>熱電対（8チャンネル）</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>熱電対（16チャンネル）</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300（8チャンネル）</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300（16チャンネル）</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100（10チャンネル）</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>少なくとも1つのファイルを USB メモリにコピーできませんでした。十分な空き容量のある USB メモリが接続されていることを確認してください！</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>USB メモリを安全に取り外せます。</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>CH</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>キー操作音</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>CJC 校正アダプタをチャンネル 1 とチャンネル %1 に接続してください。アダプタの係数を持つプローブがチャンネル 1 に割り当てられていることを確認してください。</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>有効な測定結果が得られませんでした。校正を中止します。</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>基準値:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>安定度:</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>チャンネル %1 の値:</translation>
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
        <translation>ルーチン名</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>ルーチン開始</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>ルーチン終了</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>ソース（校正器タイプ）</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>安定度 [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>安定時間 [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>保持時間 [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>基準チャンネル</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>基準プローブ</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>チャンネル: </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>校正点 [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>基準値 [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>基準安定度 [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>DUT 値 [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>DUT 生値 [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>校正点 %1 °C を校正器に送信できません：校正器の設定値レジスタに収まりません。</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>校正ルーチン:</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>安定時間 [min]:</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>保持時間 [min]:</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>安定度 [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>校正点:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>開始：%1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>サンプル収集中</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>不安定</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>DUT チャンネル読取中</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>保持時間中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>完了：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>校正ルーチンを中止しますか？</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>%1 という名前の校正ルーチンは既に存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>校正ファイル</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>DUT プローブ</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>DUT チャンネル</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>校正点:</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>基準値:</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>DUT 値:</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>校正ファイル %1 を削除しますか？</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>校正ルーチン %1 を削除しますか？</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>USB メモリが接続されていません！</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>結果表を USB メモリに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>校正ルーチンが正常に完了しました。</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>校正ルーチンは完了しましたが、結果を保存できませんでした。</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>校正設定「%1」は無効です。設定を修正してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>校正器を初期化できません。タイプ %1 の校正器が接続され、電源が入っているか確認してください。</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>基準チャンネル %1 を選択できません。有効な基準チャンネルであることを確認してください。</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>校正器が校正点の1つを受け付けませんでした。校正設定を確認してください。</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>DUT チャンネルの1つを選択できませんでした。校正設定に有効なチャンネルのみが含まれているか確認してください。</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>基準チャンネル %1 から値を読み取れません。有効なプローブが割り当てられ接続されているか確認してください。</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>校正ルーチン名を入力してください。</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>校正ルーチン名を「.」または「..」にすることはできず、%1 のいずれも含めることはできません</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>DUT チャンネルを少なくとも1つ入力してください。</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>安定度の値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>安定時間の値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>保持時間の値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>校正点を少なくとも1つ入力してください。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>校正点は %1 個以内で入力してください。</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>校正点 %1 °C は規定範囲 [%2 °C, %3 °C] の外です。</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>有効な IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>有効なポートを入力してください。</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>ルーチン編集</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>DUT チャンネル選択</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>DUT チャンネル変更</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>チャンネル選択</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>USB シリアル変換器が見つかりません。FTDI チップ搭載の変換器を使用していることを確認してください。変換器を再接続すると解決する場合もあります。</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>校正器が通信可能な状態か確認してください。設定値が点滅している場合は E を押してください。</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>USB シリアル変換器が見つかりません。FTDI チップ搭載の変換器を使用していることを確認してください。変換器を再接続すると解決する場合もあります。</translation>
    </message>
</context>
<context>
    <name>TDateDialog</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>ストレージ使用率 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>ダウンロードできるファイルはありません。</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>USB メモリが接続されていません！</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>現在測定中のチャンネルにユーザー定義プローブが割り当てられていません。</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART プローブを読み込み中...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>現在、機器に SMART プローブは接続されていません。</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>USB デバイスへのファイル作成中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>プローブ係数を含むファイルが見つかりません。</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>選択した項目を削除しますか？</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>ダウンロード中...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>ダウンロード完了</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>バージョン %1 からバージョン %2 に更新します。続行しますか？</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>ファームウェアの更新に成功しました。機器を再起動します。</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>グラフ設定</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>「最大」の値は「最小」の値より大きくしてください！</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>スキャナ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>機器シリアル番号</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>測定部シリアル番号</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>UI シリアル番号</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>ユーザーインターフェースのバージョン</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>OS バージョン</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>ファームウェアバージョン</translation>
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
        <translation>開始まで</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>停止まで</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>ログファイルに書き込めません。ロガーを停止しました。</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>有効な日付を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>有効な時刻を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>有効な継続時間を入力してください！</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>ログファイルを作成できません。ログファイルは既に存在します！</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>ログファイルを作成できません。</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>有効な間隔を入力してください！</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART プローブを読み込み中...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>温度値</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>生値</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>温度差</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>生値の差</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART プローブ</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>PRT プローブ:</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>熱電対プローブ:</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>サーミスタプローブ:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>選択したログファイルは使用中のため削除できません。</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>選択したログファイルを削除してもよろしいですか？</translation>
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
        <translation>エラーが発生しました！ </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>プローブ / 単位 (CH %1)</translation>
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
        <translation>3線式</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4線式</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
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
        <translation>自動</translation>
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
        <translation>PRT タイプ: </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>結線: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>内部抵抗: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>待機電流: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>変換: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>励起電流</translation>
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
        <translation>CH</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>注意！プローブ %1 が規定の温度範囲外で動作しています！</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>現在の設定では、このプローブはチャンネル %1 と互換性がありません。</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>プローブ %1 を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>プローブ名</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>基準</translation>
    </message>
    <message>
        <source>T min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T 最小</translation>
    </message>
    <message>
        <source>T max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>T 最大</translation>
    </message>
    <message>
        <source>Last calibration</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>前回の校正</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>結線</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>内部抵抗</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>変換</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>PRT タイプ</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>待機電流</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>励起電流</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 係数 R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 係数 A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 係数 B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>CvD 係数 C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>ITS 90 係数 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>熱電対タイプ</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>冷接点補償</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>基準チャンネル</translation>
    </message>
    <message>
        <source>Coefficient Ta min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Ta min.</translation>
    </message>
    <message>
        <source>Coefficient Ta max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Ta max.</translation>
    </message>
    <message>
        <source>Coefficient A0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 A0</translation>
    </message>
    <message>
        <source>Coefficient A1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 A1</translation>
    </message>
    <message>
        <source>Coefficient A2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 A2</translation>
    </message>
    <message>
        <source>Coefficient A3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 A3</translation>
    </message>
    <message>
        <source>Coefficient Tb min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Tb min.</translation>
    </message>
    <message>
        <source>Coefficient Tb max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Tb max.</translation>
    </message>
    <message>
        <source>Coefficient B0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 B0</translation>
    </message>
    <message>
        <source>Coefficient B1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 B1</translation>
    </message>
    <message>
        <source>Coefficient B2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 B2</translation>
    </message>
    <message>
        <source>Coefficient B3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 B3</translation>
    </message>
    <message>
        <source>Coefficient Tc min.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Tc min.</translation>
    </message>
    <message>
        <source>Coefficient Tc max.</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 Tc max.</translation>
    </message>
    <message>
        <source>Coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 C0</translation>
    </message>
    <message>
        <source>Coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 C1</translation>
    </message>
    <message>
        <source>Coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 C2</translation>
    </message>
    <message>
        <source>Coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>係数 C3</translation>
    </message>
    <message>
        <source>SH coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 係数 A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 係数 B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>SH 係数 C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多項式係数 C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多項式係数 C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多項式係数 C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>多項式係数 C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3線式</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4線式</translation>
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
        <translation>自動</translation>
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
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多項式</translation>
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
        <translation>なし</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>機器にユーザー定義プローブはありません。</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>プローブ名</translation>
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
        <translation>熱電対 B</translation>
    </message>
    <message>
        <source>Thermocouple E</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 E</translation>
    </message>
    <message>
        <source>Thermocouple J</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 J</translation>
    </message>
    <message>
        <source>Thermocouple K</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 K</translation>
    </message>
    <message>
        <source>Thermocouple N</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 N</translation>
    </message>
    <message>
        <source>Thermocouple R</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 R</translation>
    </message>
    <message>
        <source>Thermocouple S</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 S</translation>
    </message>
    <message>
        <source>Thermocouple T</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 T</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ</translation>
    </message>
    <message>
        <source>T min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T 最小</translation>
    </message>
    <message>
        <source>T max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>T 最大</translation>
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
        <translation>熱電対 Ta min</translation>
    </message>
    <message>
        <source>Thermocouple Ta max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 Ta max</translation>
    </message>
    <message>
        <source>Thermocouple a0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 a0</translation>
    </message>
    <message>
        <source>Thermocouple a1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 a1</translation>
    </message>
    <message>
        <source>Thermocouple a2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 a2</translation>
    </message>
    <message>
        <source>Thermocouple a3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 a3</translation>
    </message>
    <message>
        <source>Thermocouple Tb min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 Tb min</translation>
    </message>
    <message>
        <source>Thermocouple Tb max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 Tb max</translation>
    </message>
    <message>
        <source>Thermocouple b0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 b0</translation>
    </message>
    <message>
        <source>Thermocouple b1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 b1</translation>
    </message>
    <message>
        <source>Thermocouple b2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 b2</translation>
    </message>
    <message>
        <source>Thermocouple b3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 b3</translation>
    </message>
    <message>
        <source>Thermocouple Tc min</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 Tc min</translation>
    </message>
    <message>
        <source>Thermocouple Tc max</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 Tc max</translation>
    </message>
    <message>
        <source>Thermocouple c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 c0</translation>
    </message>
    <message>
        <source>Thermocouple c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 c1</translation>
    </message>
    <message>
        <source>Thermocouple c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 c2</translation>
    </message>
    <message>
        <source>Thermocouple c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>熱電対 c3</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart a</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ多項式 c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ多項式 c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ多項式 c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>サーミスタ多項式 c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>インポートファイルの形式が無効です。バイトオーダーマーク付きの UTF-16 ファイルのみ受け付けます！</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>インポートファイルが大きすぎます。</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>インポートを中止しました。</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>作成されたプローブ：%1。更新されたプローブ：%2。</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>%1 行目にエラー</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>エラー総数：%1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>無効なプローブ名：%1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Tmin の値が無効です：%1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Tmax の値が無効です：%1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin の値は Tmax より小さくしてください</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>プローブタイプを判別できません</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>係数が空です。</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>あいまいな係数データが見つかりました。</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>プローブ %1 は既に存在し、タイプが異なります。このデータセットは無視されます。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>無効な係数が見つかりました。CvD または ITS90 の係数を入力してください。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>無効な係数が見つかりました。熱電対の係数を入力してください。</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>無効な係数が見つかりました。Steinhart-Hart または多項式の係数を入力してください。</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>プローブ数が上限に達したため、新しいプローブを作成できません。</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>プローブ</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>プローブ数が上限に達しました。先に既存のプローブを削除してください。</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>測定ボードのプローブメモリを完全に読み取れませんでした。機器を再起動するまで新しいプローブは作成できません。</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>無効な係数値：%1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>前回校正</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>プローブ名を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Tmin の値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Tmax の値を入力してください。</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax は Tmin より大きくしてください。</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>プローブタイプが一致しないため、プローブデータを復元できません。</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>プローブデータの以前のバージョンの日付は %1 です。プローブデータを復元しますか？復元したデータは保存するまで更新されません。</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>警告：前回のバックアップ以降にプローブ名が変更されています。%1 に名前が変更されます！</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>プローブを測定ボードに保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>測温抵抗体</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_TC</name>
    <message>
        <source>Thermocouple</source>
        <translation>熱電対</translation>
    </message>
    <message>
        <source>Channel selection</source>
        <translation>チャンネル選択</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>冷接点補償に有効なチャンネルを選択してください。</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>サーミスタ</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>CH</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>有効な IP アドレスを入力してください</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>有効なネットマスクを入力してください</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>有効なゲートウェイを入力してください</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>マーク</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>DHCP 設定を変更できませんでした。ネットワーク設定は変更されていません。</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>DHCP はオフですが、インターフェースの IPv4 アドレスが不明です。IP アドレスとネットマスクを入力してください。</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>回線はこの設定を受け付けず、閉じたままです。</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>スキャナボックス %1 の設定（%2）</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>チャンネル設定には少なくとも2つのチャンネルが必要です！</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>SMART プローブ</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>SMART プローブを読み込み中...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>プローブ %1 を無効にしますか？</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>プローブ %1 を有効にしますか？</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>警告：プローブ %1 の校正期限は %2 でした！</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
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
        <translation>有効: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>次回校正: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>校正ソース: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>内部抵抗: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>変換: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>使用範囲: </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>ロック: </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>チャンネル選択</translation>
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
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多項式</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>熱電対</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>熱電対タイプ: </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>冷接点補償: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>変換: </translation>
    </message>
    <message>
        <source>Ta min.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta 最小: </translation>
    </message>
    <message>
        <source>Ta max.: </source>
        <comment>TC coefficient</comment>
        <translation>Ta 最大: </translation>
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
        <translation>Tb 最小: </translation>
    </message>
    <message>
        <source>Tb max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tb 最大: </translation>
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
        <translation>Tc 最小: </translation>
    </message>
    <message>
        <source>Tc max.: </source>
        <comment>TC coefficient</comment>
        <translation>Tc 最大: </translation>
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
        <translation>システム時刻を変更できませんでした。機器は再起動されません。</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>システム時刻をハードウェアクロックに保存できませんでした。機器は再起動されません。</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>システム時刻を変更しました。機器を再起動します。</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>日付と時刻をすべて入力してください。</translation>
    </message>
</context>
<context>
    <name>TTamarindMainForm</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>The instrument is going to be reset to factory defaults. Would you like to proceed?</source>
        <translation>機器を工場出荷時の設定に戻します。続行しますか？</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>工場校正データを復元できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>タッチスクリーンの校正をリセットできませんでした。</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>タッチスクリーンを校正するには機器を再起動してください。</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
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
        <translation>新規校正ルーチン</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>新規ルーチン</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>既存ルーチンの設定</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>検索...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>フィルタ:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>校正ファイル</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>ルーチン名</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>安定度 [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>保持時間 [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>校正点 [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>DUT チャンネル</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>基準チャンネル</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>安定時間 [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>ルーチン名</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>基準プローブ</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>被校正器（DUT）</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>チャンネル設定</translation>
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
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>現在の校正データ</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>前回校正</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>次回校正</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>公称値</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>測定値</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>新しい校正データ</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>オフセット [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>バックライトオフ</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>CH 設定</translation>
    </message>
    <message>
        <source>Module 1</source>
        <translation>モジュール 1</translation>
    </message>
    <message>
        <source>Module 2</source>
        <translation>モジュール 2</translation>
    </message>
    <message>
        <source>Module 3</source>
        <translation>モジュール 3</translation>
    </message>
    <message>
        <source>Module 4</source>
        <translation>モジュール 4</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>保持時間</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>選択した表示</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>表示を有効化</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
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
        <translation>スケール</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max.</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>継続時間</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>ログファイル</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>測定中のプローブ</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>SMART プローブ</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>全プローブ</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>機器の詳細</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>プローブ係数のダウンロード</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>ファイル選択</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>プローブ係数のインポート</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>USB メモリの取り外し</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>選択項目をダウンロード</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24h</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>午前</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>午後</translation>
    </message>
    <message>
        <source>Interval [s]</source>
        <translation>間隔 [s]</translation>
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
        <translation>ロガー</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>サービス</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>プローブ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>リモート</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英語（UK）</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>英語（USA）</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>新規プローブ</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>測温抵抗体（PRT、SPRT）</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>熱電対（TC）</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>サーミスタ</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>既存プローブの設定</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>接続中の SMART プローブ一覧</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>PRT 標準変換</translation>
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
        <translation>結線</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4線式</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3線式</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>サーミスタ標準変換</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多項式</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>TC 標準変換</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>標準冷接点</translation>
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
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>デフォルトプローブ</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>電流</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T 最小 (°C)</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>プローブ名</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>内部抵抗</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T 最大 (°C)</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>基準</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>プローブタイプ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>待機
電流</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>オフ</translation>
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
        <translation>励起
電流</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>変換</translation>
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
        <translation>復元</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>冷接点</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>TC 多項式</translation>
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
        <translation>レンジ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
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
        <translation>ロック</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R 最小 (Ω)</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R 最大 (Ω)</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>校正ソース</translation>
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
        <translation>IP / ネットマスク</translation>
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
        <translation>ネットマスク</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - ゲートウェイ</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Ethernet - Port</source>
        <translation>Ethernet - ポート</translation>
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
        <translation>ボーレート</translation>
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
        <translation>データビット</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>IEEE-488 アドレス</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>言語</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>サンプル数</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>標準プローブ</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>保存済みプローブ</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>プローブ選択</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>単位選択</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>UI S/N:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>UI バージョン:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>機器 S/N:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>測定部 S/N:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>ファームウェア:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>モデル:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>ストレージ:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>機器製造日:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>OS バージョン:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>スキャナ:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>カスタマーサービスレベル</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェア更新</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>SMART プローブのプログラム</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>ZELK サービスレベルに入る</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>ZELK サービスレベル</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>タッチスクリーンのリセット</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>再校正周期</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>稼働時間</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>機器校正</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>ZELK サービスレベルを終了</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>ユーザーインターフェース</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新しいバージョン:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>新バージョンを検索</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>更新を適用</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>校正項目</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>バックライトオフ</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>小数点記号</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>工場出荷時設定</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>平均値</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>標準プローブ設定</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>標準プローブ設定</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>プローブアラーム</translation>
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
        <translation>形式</translation>
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
        <translation>キー操作音</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>アラーム音</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (ピリオド)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (カンマ)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>再校正周期 (月)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>次回校正</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>10 kΩ 基準</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC CH 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC CH 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC CH 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>100 Ω 基準</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>25 Ω 基準</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>100 kΩ 基準</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC CH 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC 外部 CH</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>プローブ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分解能</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>ピーク</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>機器は現在リモートモードです。ローカルモードに切り替えますか？警告：保留中のコマンドはすべて取り消されます。</translation>
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
        <translation>スキャンモードを開始できません。少なくとも2つのチャンネルを選択してください。</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>25 Ω 内部抵抗</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>100 Ω 内部抵抗</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>10 kΩ 内部抵抗</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>100 kΩ 内部抵抗</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC チャンネル 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC チャンネル 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>スキャンモードが有効な間は機器校正を実行できません。スキャンモードを終了しますか？</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>校正データが不完全です。両方の校正点が測定されていることを確認してください！</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>校正データを保存できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>校正が不完全です。校正点が測定されていることを確認してください！</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>校正データを保存しました。</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>接続された USB メモリが見つかりません。</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>USB メモリにディレクトリ「%1」が見つかりません。新しいファームウェアファイルはそこに置く必要があります。</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>フォルダ「%1」にファームウェアファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>複数のファームウェアファイルが見つかりました。USB メモリにファームウェアのバージョンが1つだけであることを確認してください。</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>検出されたファームウェアは有効な %1 ユーザーインターフェースのファームウェアではありません。</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>チェックサムファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>ファームウェアファイルのコピー中にエラーが発生しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>ファームウェアファイルを開けません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>チェックサムファイルを開けません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>ファームウェアファイルのチェックサムが正しくありません。正しいチェックサムファイルを使用しているか確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>SMART プローブのプログラムに成功しました。</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>スキャンモードが有効な間は SMART プローブをプログラムできません。スキャンモードを終了しますか？</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>選択したチャンネルに SMART プローブが接続されていません。ホーム画面で、プログラムする SMART プローブが接続されているチャンネルを選択してください。</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>プローブ名を入力してください！</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>内部抵抗を選択してください！</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>温度変換規格を選択してください！</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>SMART プローブのプログラム中にエラーが発生しました。SMART プローブが接続されていません。</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>SMART プローブのプログラム中にエラーが発生しました。表示されたプローブデータを確認して、もう一度お試しください。</translation>
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
        <translation>設定ファイルを読み込めませんでした。機器は工場出荷時の設定を使用します。破損したファイルは %1 として保存されています。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>多項式</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>サーミスタ</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>変換: </translation>
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
        <translation>公称値は %1 である必要があります</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>%1 校正点の公称値を入力してください。</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>外部基準 %1 をチャンネル %2 に接続し、OK を押して続行してください。</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>有効な測定結果が得られませんでした。校正を中止します。</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
</context>
</TS>
