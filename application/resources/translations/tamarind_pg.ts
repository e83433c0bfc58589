<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_GB">
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
        <translation>Média</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Estabilidade</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistência</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Tensão term.</translation>
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
        <translation>AVISO: a última calibração da sonda %1 foi há mais de um ano! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Nome da sonda: </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Tipo de sonda: </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Sonda de referência: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
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
        <translation>Última calibração: </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termopar (8 canais)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Termopar (16 canais)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 canais)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 canais)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 canais)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Não foi possível copiar pelo menos um ficheiro para a pen USB. Certifique-se de que está ligada uma pen USB com espaço livre suficiente!</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Já pode remover a pen USB em segurança.</translation>
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
        <translation>Som das teclas</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
</context>
<context>
    <name>TCJCCalibrationItem</name>
    <message>
        <source>Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the adaptor&apos;s coefficients is assigned to channel 1.</source>
        <translation>Ligue o adaptador de calibração CJC ao canal 1 e ao canal %1. Certifique-se de que a sonda com os coeficientes do adaptador está atribuída ao canal 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>O instrumento não conseguiu obter um resultado de medição válido. A calibração será interrompida.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Valor de referência:</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Estabilidade:</translation>
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
        <translation>Interromper</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Nome da rotina</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Início da rotina</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Fim da rotina</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Fonte (tipo de calibrador)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Estabilidade [K]</translation>
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
        <translation>Canal de referência</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda de referência</translation>
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
        <translation>Ponto de calibração [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Valor de referência [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Estabilidade de referência [K]</translation>
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
        <translation>Não é possível enviar o ponto de calibração %1 °C ao calibrador: não cabe no registo do valor nominal do calibrador.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Rotina de calibração:</translation>
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
        <translation>Estabilidade [K]:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Ponto de calibração:</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Iniciada: %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>A recolher valores</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Instável</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>A ler canais DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Tempo de espera a decorrer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Concluída: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Pretende interromper a rotina de calibração?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Já existe uma rotina de calibração com o nome %1. Pretende substituí-la?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Ficheiro de calibração</translation>
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
        <translation>Ponto cal.:</translation>
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
        <translation>Pretende eliminar o ficheiro de calibração %1?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Pretende eliminar a rotina de calibração %1?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nenhuma pen USB ligada!</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Não foi possível escrever a tabela de resultados na pen USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Rotina de calibração concluída com êxito.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>A rotina de calibração terminou, mas não foi possível guardar o seu resultado.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>A configuração de calibração &quot;%1&quot; não é válida. Corrija a configuração e tente novamente.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Não é possível inicializar o calibrador. Verifique se o calibrador do tipo %1 está ligado e em funcionamento.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Não é possível selecionar o canal de referência %1. Certifique-se de que é um canal de referência válido.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>O calibrador não aceitou um dos pontos de calibração. Verifique a configuração de calibração.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>Não foi possível selecionar um dos canais DUT. Verifique se a configuração de calibração contém apenas canais válidos.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Não é possível ler o valor do canal de referência %1. Verifique se está atribuída e ligada uma sonda válida.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Introduza um nome para a rotina de calibração.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>O nome de uma rotina de calibração não pode ser &quot;.&quot; nem &quot;..&quot; nem conter nenhum de %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Introduza pelo menos um canal DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Introduza um valor de estabilidade.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Introduza um tempo de estabilidade.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Introduza um tempo de espera.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Introduza pelo menos um ponto de calibração.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Introduza no máximo %1 pontos de calibração.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>O ponto de calibração %1 °C está fora da gama especificada [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Introduza um endereço IP válido.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Introduza uma porta válida.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Editar rotina</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Selecionar canais DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Alterar canal DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Seleção de canais</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
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
        <translation>Nenhum conversor USB-série encontrado. Utilize um conversor com chip FTDI. Voltar a ligar o conversor também pode ajudar.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Verifique se o calibrador está pronto para comunicar. Se o valor nominal estiver a piscar, prima E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Nenhum conversor USB-série encontrado. Utilize um conversor com chip FTDI. Voltar a ligar o conversor também pode ajudar.</translation>
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
        <translation>Memória 100 % utilizada</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Não existem ficheiros disponíveis para transferir.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Nenhuma pen USB ligada!</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Os canais atualmente medidos não têm sondas personalizadas atribuídas.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>A carregar sondas SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>De momento não há sondas SMART ligadas ao instrumento.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Erro ao criar o ficheiro no dispositivo USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Não foram encontrados ficheiros com coeficientes de sonda.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Pretende eliminar os itens selecionados?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>A transferir...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Transferência concluída</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Atualização da versão %1 para a versão %2. Pretende continuar?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Atualização de firmware bem-sucedida. O instrumento vai ser reiniciado.</translation>
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
        <translation>Definições do gráfico</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>O valor de &quot;Máx.&quot; tem de ser maior do que o valor de &quot;Mín.&quot;!</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
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
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>N.º de série do instrumento</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>N.º de série do sistema de medição</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>N.º de série da interface</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Versão da interface</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Versão do SO</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versão do firmware</translation>
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
        <translation>Inicia em</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>Termina em</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Não é possível escrever no ficheiro de registo. O registador foi parado.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Introduza uma data válida.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Introduza uma hora válida.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Introduza uma duração válida!</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Não é possível criar o ficheiro de registo, o ficheiro já existe!</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Não é possível criar o ficheiro de registo.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Introduza um intervalo válido!</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>A carregar sondas SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Valor bruto</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Diferença de temperatura</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Diferença de valor bruto</translation>
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
        <translation>Sondas termístor:</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>O ficheiro de registo selecionado está em utilização e não pode ser eliminado.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Pretende mesmo eliminar o ficheiro de registo selecionado?</translation>
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
        <translation>Ocorreu um erro! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Sonda / Unidade (canal %1)</translation>
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
        <translation>3 fios</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fios</translation>
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
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
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
        <translation>Ligação: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistência interna: </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Corrente em repouso: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversão: </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Corrente de excitação</translation>
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
        <translation>CUIDADO! A sonda %1 está a funcionar fora da gama de temperatura definida!</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Esta sonda não é compatível com o canal %1 com as definições atuais.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Pretende mesmo eliminar a sonda %1?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Nome da sonda</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>É referência</translation>
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
        <translation>Última calibração</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Resistência interna</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Tipo de PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corrente em repouso</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Corrente de excitação</translation>
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
        <translation>Compensação da junção fria</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Canal de referência</translation>
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
        <translation>Coeficiente polinomial C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinomial C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinomial C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coeficiente polinomial C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fios</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fios</translation>
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
        <translation>Polinómio</translation>
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
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>O instrumento não contém sondas personalizadas.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Não foi possível criar o ficheiro.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Nome</translation>
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
        <translation>Termístor</translation>
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
        <translation>Termístor Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor polinómio c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor polinómio c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor polinómio c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Termístor polinómio c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Não é possível abrir o ficheiro.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Formato de ficheiro de importação inválido. Só são aceites ficheiros codificados em UTF-16 com BOM!</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>O ficheiro de importação é demasiado grande.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Importação interrompida.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Importação concluída.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Sondas criadas: %1. Sondas atualizadas: %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Erro na linha %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Total de erros: %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Nome de sonda inválido: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Valor inválido para Tmin: %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Valor inválido para Tmax: %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin tem de ser menor do que Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Não é possível detetar o tipo de sonda</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Os coeficientes estão vazios.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Dados de coeficientes ambíguos.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>A sonda %1 já existe com outro tipo de sonda. O registo será ignorado.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Coeficientes inválidos. Introduza coeficientes CvD ou ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Coeficientes inválidos. Introduza coeficientes de termopar.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Coeficientes inválidos. Introduza coeficientes Steinhart-Hart ou polinomiais.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Não é possível criar uma nova sonda, número máximo de sondas atingido.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Número máximo de sondas atingido. Elimine primeiro uma sonda existente.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>Não foi possível ler completamente a memória de sondas da placa de medição. Nenhuma sonda nova pode ser criada até o instrumento ser reiniciado.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Valor de coeficiente inválido: %1</translation>
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
        <translation>Introduza um nome de sonda.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Introduza um valor para Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Introduza um valor para Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax tem de ser maior do que Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Os dados da sonda não podem ser restaurados porque o tipo de sonda não corresponde.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>A versão anterior dos dados da sonda é de %1. Pretende restaurar os dados da sonda? Os dados restaurados só serão aplicados depois de os guardar.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>AVISO: o nome da sonda mudou desde a última cópia de segurança, será renomeada para %1!</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>Não foi possível guardar a sonda na placa de medição.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Termómetro de resistência</translation>
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
        <translation>Seleção de canais</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Selecione um canal válido para a compensação da junção fria.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Termístor</translation>
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
        <translation>Introduza um endereço IP válido</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Introduza uma máscara de rede válida</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Introduza um gateway válido</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Desl.</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Marca</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Desl.</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Não foi possível alterar a definição de DHCP. A configuração de rede ficou inalterada.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>O DHCP está desligado, mas não é conhecido nenhum endereço IPv4 da interface. Introduza o endereço IP e a máscara de rede.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>A linha não aceita estas configurações e permanece fechada.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Configuração da caixa de scanner %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>A configuração de canais tem de conter pelo menos dois canais!</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Varrimento</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
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
        <translation>A carregar sondas SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Pretende desativar a sonda %1?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Pretende ativar a sonda %1?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>AVISO: a calibração da sonda %1 devia ter sido feita em %2!</translation>
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
        <translation>Ativada: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Próxima calibração: </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Fonte de calibração: </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Resistência interna: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversão: </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Gama de trabalho: </translation>
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
        <translation>Seleção de canais</translation>
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
        <translation>Polinómio</translation>
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
        <translation>Compensação da junção fria: </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversão: </translation>
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
        <translation>Não foi possível alterar a hora do sistema. O instrumento não será reiniciado.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>Não foi possível guardar a hora do sistema no relógio de hardware. O instrumento não será reiniciado.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Hora do sistema alterada com êxito. O instrumento vai ser reiniciado.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Introduza uma data e hora completas.</translation>
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
        <translation>O instrumento vai ser reposto nas predefinições de fábrica. Pretende continuar?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Não foi possível restaurar os dados de calibração de fábrica, tente novamente.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Acesso negado.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>Não foi possível repor a calibração do ecrã tátil.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Reinicie o instrumento para calibrar o ecrã tátil.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
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
        <translation>Nova rotina de calibração</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Nova rotina</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Editar rotina existente</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>limpar</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Ficheiros de calibração</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Nome da rotina</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Estabilidade [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>T. espera [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Pontos cal. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Canais DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Canal de referência</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>T. estab. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Nome da rotina</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonda de referência</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Equipamentos em teste</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Configuração de canais</translation>
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
        <translation>todos</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Dados atuais</translation>
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
        <translation>Declive</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Próx. cal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Valores nominais</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Valores medidos</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Novos dados</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Offset [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Retroilum. desl.</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Config. canais</translation>
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
        <translation>Tempo de espera</translation>
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
        <translation>Vista selecionada</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Ativar vista</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
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
        <translation>Varrimento</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Ficheiros de registo</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Capturas de ecrã</translation>
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
        <translation>Todas as sondas</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Detalhes do instrumento</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Transferir coeficientes de sonda</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Selecionar ficheiro</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Importar coeficientes de sonda</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Ejetar pen USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Desselecionar tudo</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Transferir seleção</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Eliminar seleção</translation>
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
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desl.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Registador</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Assistência</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Sondas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
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
        <translation>Inglês (RU)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Inglês (EUA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
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
        <translation>Russo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Nova sonda</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Termómetro de resistência (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Termopar (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termístor</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Editar sonda existente</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Sondas SMART ligadas</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Conversão padrão PRT</translation>
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
        <translation>Ligação</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fios</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fios</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Conv. padrão termístor</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinómio</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Conversão padrão TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Junção fria padrão</translation>
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
        <translation>Sonda predefinida</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T mín. em °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Resist. int.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T máx. em °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
repouso</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Lig.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Desl.</translation>
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
excitação</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversão</translation>
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
        <translation>Junção fria</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>Polinómio TC</translation>
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
        <translation>Gama</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
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
        <translation>R mín. em Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R máx. em Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Fonte cal.</translation>
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
        <translation>Máscara de rede</translation>
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
        <translation>Taxa de baud</translation>
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
        <translation>Bits de dados</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Bit de paragem</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Endereço IEEE-488</translation>
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
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>N.º de amostras</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Sondas padrão</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Sondas guardadas</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Selecionar sonda</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Selecionar unidade</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>N/S interface:</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Versão interface:</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>N/S instrumento:</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>N/S sistema de medição:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Versão firmware:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Memória:</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Data de fabrico:</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Versão SO:</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Nível assistência cliente</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Programar sonda SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Entrar no nível assistência ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Nível assistência ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Repor ecrã tátil</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Ciclo de recalibração</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Tempo de funcionamento</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Calibração do instrumento</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Sair do nível assistência ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interface do utilizador</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Procurar nova versão</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Aplicar atualização</translation>
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
        <translation>Dias</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Ponto de calibração</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Retroiluminação desl.</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Repor fábrica</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ecrã</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Valor médio</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Defin. sondas padrão</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Definições de sondas padrão</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarme de sondas</translation>
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
        <translation>Som das teclas</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Som de alarme</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (ponto)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (vírgula)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Ciclo recal. (meses)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Próxima calibração</translation>
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
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>O instrumento está em modo remoto. Pretende mudar para o modo local? AVISO: todos os comandos pendentes serão cancelados.</translation>
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
        <translation>Não é possível iniciar o modo de varrimento. Selecione pelo menos dois canais.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Resistência interna de 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Resistência interna de 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Resistência interna de 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Resistência interna de 100 kΩ</translation>
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
        <translation>A calibração do instrumento não é possível com o modo de varrimento ativo. Pretende sair do modo de varrimento?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Os dados de calibração estão incompletos. Certifique-se de que ambos os pontos de calibração foram medidos!</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Não foi possível guardar os dados de calibração, tente novamente.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Calibração incompleta. Certifique-se de que o ponto de calibração foi medido!</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Dados de calibração guardados.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Nenhuma pen USB ligada.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Diretório &quot;%1&quot; não encontrado na pen USB. Os novos ficheiros de firmware têm de estar aí.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>Nenhum ficheiro de firmware encontrado na pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Foram encontrados vários ficheiros de firmware. Certifique-se de que existe apenas uma versão de firmware na pen USB.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>O firmware detetado não é um firmware de interface %1 válido.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Nenhum ficheiro de soma de verificação encontrado.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Erro ao copiar os ficheiros de firmware. Tente novamente.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Não é possível abrir o ficheiro de firmware. Tente novamente.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Não é possível abrir o ficheiro de soma de verificação. Tente novamente.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>A soma de verificação do ficheiro de firmware não está correta. Verifique se está a ser usado o ficheiro de soma de verificação correto e tente novamente.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Sonda SMART programada com êxito.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Não é possível programar sondas SMART com o modo de varrimento ativo. Pretende sair do modo de varrimento?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>Não existe nenhuma sonda SMART ligada ao canal selecionado. Selecione no ecrã inicial o canal ao qual está ligada a sonda SMART a programar.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Introduza um nome de sonda!</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Selecione uma resistência interna!</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Selecione uma norma de conversão de temperatura!</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Ocorreu um erro ao programar a sonda SMART. A sonda SMART já não está ligada.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Ocorreu um erro ao programar a sonda SMART. Verifique os dados de sonda apresentados e tente novamente.</translation>
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
        <translation>Não foi possível ler o ficheiro de definições; o instrumento usa as definições de fábrica. O ficheiro danificado foi guardado como %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível guardar as definições.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polinómio</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Termístor</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversão: </translation>
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
        <translation>O valor nominal tem de ser %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Introduza um valor nominal para o ponto de calibração %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Ligue a referência externa %1 ao canal %2 e prima OK para continuar.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>O instrumento não conseguiu obter um resultado de medição válido. A calibração será interrompida.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
</context>
</TS>
