<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
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
        <translation>Voie</translation>
    </message>
    <message>
        <source>No. of meas.</source>
        <comment>Number of values on which average value and stability are based on</comment>
        <translation>Nb de mes.</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Stability</source>
        <comment>Stability of average value</comment>
        <translation>Stabilité</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Thermovoltage</source>
        <translation>Tens. thermo.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
</context>
<context>
    <name>TAbstractProbe</name>
    <message>
        <source>WARNING: the last calibration of probe %1 is longer than one year ago! (%2)</source>
        <translation>ATTENTION : le dernier étalonnage de la sonde %1 date de plus d&apos;un an ! (%2)</translation>
    </message>
    <message>
        <source>Probe name: </source>
        <translation>Nom de sonde : </translation>
    </message>
    <message>
        <source>Probe type: </source>
        <translation>Type de sonde : </translation>
    </message>
    <message>
        <source>Reference probe: </source>
        <translation>Sonde de référence : </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
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
        <translation>Dernier étalonnage : </translation>
    </message>
</context>
<context>
    <name>TAbstractSwitchBox</name>
    <message>
        <source>Thermocouple (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermocouple (8 voies)</translation>
    </message>
    <message>
        <source>Thermocouple (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>Thermocouple (16 voies)</translation>
    </message>
    <message>
        <source>SWX6300 (8 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (8 voies)</translation>
    </message>
    <message>
        <source>SWX6300 (16 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6300 (16 voies)</translation>
    </message>
    <message>
        <source>SWX6100 (10 channels)</source>
        <extracomment>switch box type</extracomment>
        <translation>SWX6100 (10 voies)</translation>
    </message>
</context>
<context>
    <name>TAbstractUSBStickController</name>
    <message>
        <source>At least one file could not be copied to the USB stick. Please make sure that a USB stick with enough free space is connected!</source>
        <translation>Au moins un fichier n&apos;a pas pu être copié sur la clé USB. Vérifiez qu&apos;une clé USB disposant d&apos;assez d&apos;espace libre est connectée !</translation>
    </message>
    <message>
        <source>You can now safely remove the USB stick.</source>
        <translation>Vous pouvez maintenant retirer la clé USB en toute sécurité.</translation>
    </message>
</context>
<context>
    <name>TBinaryDerivedChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Voie</translation>
    </message>
</context>
<context>
    <name>TBuzzerGUIController</name>
    <message>
        <source>Keystroke sound</source>
        <translation>Son des touches</translation>
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
        <translation>Connectez l&apos;adaptateur d&apos;étalonnage CJC aux voies 1 et %1. Vérifiez que la sonde portant les coefficients de l&apos;adaptateur est affectée à la voie 1.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>L&apos;appareil n&apos;a pas pu fournir de résultat de mesure valide. L&apos;étalonnage va être interrompu.</translation>
    </message>
</context>
<context>
    <name>TCalPointControls</name>
    <message>
        <source>Reference value:</source>
        <translation>Valeur de référence :</translation>
    </message>
    <message>
        <source>Stability:</source>
        <translation>Stabilité :</translation>
    </message>
    <message>
        <source>Value channel %1:</source>
        <translation>Valeur voie %1 :</translation>
    </message>
</context>
<context>
    <name>TCalibrationProgressDialog</name>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutine</name>
    <message>
        <source>Routine name</source>
        <translation>Nom de la routine</translation>
    </message>
    <message>
        <source>Routine start</source>
        <translation>Début de la routine</translation>
    </message>
    <message>
        <source>Routine end</source>
        <translation>Fin de la routine</translation>
    </message>
    <message>
        <source>Source (calibrator type)</source>
        <translation>Source (type de calibrateur)</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilité [K]</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Durée stab. [min]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Maintien [min]</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Voie de référence</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonde de référence</translation>
    </message>
    <message>
        <source>DUT</source>
        <translation>DUT</translation>
    </message>
    <message>
        <source>Channel: </source>
        <translation>Voie : </translation>
    </message>
    <message>
        <source>Calibration point [°C]</source>
        <translation>Point d&apos;étalonnage [°C]</translation>
    </message>
    <message>
        <source>Reference value [°C]</source>
        <translation>Valeur de référence [°C]</translation>
    </message>
    <message>
        <source>Reference stability [K]</source>
        <translation>Stabilité de référence [K]</translation>
    </message>
    <message>
        <source>DUT value [°C]</source>
        <translation>Valeur DUT [°C]</translation>
    </message>
    <message>
        <source>DUT raw value [%1]</source>
        <translation>Valeur brute DUT [%1]</translation>
    </message>
    <message>
        <source>The calibration point %1 °C cannot be sent to the calibrator: it does not fit the calibrator&apos;s set point register.</source>
        <translation>Le point d&apos;étalonnage %1 °C ne peut pas être envoyé au calibrateur : il ne tient pas dans le registre de consigne du calibrateur.</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutineView</name>
    <message>
        <source>Calibration routine:</source>
        <translation>Routine d&apos;étalonnage :</translation>
    </message>
    <message>
        <source>Stability time [min]:</source>
        <translation>Durée stab. [min] :</translation>
    </message>
    <message>
        <source>Hold time [min]:</source>
        <translation>Maintien [min] :</translation>
    </message>
    <message>
        <source>Stability [K]:</source>
        <translation>Stabilité [K] :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Calibration point:</source>
        <translation>Point d&apos;étalonnage :</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>Calibration routine is running since...</comment>
        <translation>Démarrée : %1</translation>
    </message>
    <message>
        <source>Collecting samples</source>
        <translation>Acquisition des mesures</translation>
    </message>
    <message>
        <source>Unstable</source>
        <translation>Instable</translation>
    </message>
    <message>
        <source>Reading DUT channels</source>
        <translation>Lecture des voies DUT</translation>
    </message>
    <message>
        <source>Hold time running</source>
        <translation>Maintien en cours</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <comment>Calibration routine has completed at this point of time</comment>
        <translation>Terminée : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Would you like to abort the calibration routine?</source>
        <translation>Voulez-vous interrompre la routine d&apos;étalonnage ?</translation>
    </message>
</context>
<context>
    <name>TCalibrationRoutinesGUIController</name>
    <message>
        <source>A calibration routine named %1 already exists. Would you like to overwrite it?</source>
        <translation>Une routine d&apos;étalonnage nommée %1 existe déjà. Voulez-vous la remplacer ?</translation>
    </message>
    <message>
        <source>Calibration file</source>
        <translation>Fichier d&apos;étalonnage</translation>
    </message>
    <message>
        <source>DUT probe</source>
        <translation>Sonde DUT</translation>
    </message>
    <message>
        <source>DUT channel</source>
        <translation>Voie DUT</translation>
    </message>
    <message>
        <source>Cal. point:</source>
        <translation>Point d&apos;étal. :</translation>
    </message>
    <message>
        <source>Ref. value:</source>
        <translation>Val. réf. :</translation>
    </message>
    <message>
        <source>DUT value:</source>
        <translation>Valeur DUT :</translation>
    </message>
    <message>
        <source>Would you like to delete the calibration file %1?</source>
        <translation>Voulez-vous supprimer le fichier d&apos;étalonnage %1 ?</translation>
    </message>
    <message>
        <source>Would you like to delete calibration routine %1?</source>
        <translation>Voulez-vous supprimer la routine d&apos;étalonnage %1 ?</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Aucune clé USB connectée !</translation>
    </message>
    <message>
        <source>The result table could not be written to the USB stick.</source>
        <translation>Le tableau des résultats n&apos;a pas pu être écrit sur la clé USB.</translation>
    </message>
    <message>
        <source>Calibration routine completed successfully.</source>
        <translation>Routine d&apos;étalonnage terminée avec succès.</translation>
    </message>
    <message>
        <source>The calibration routine has completed, but its result could not be stored.</source>
        <translation>La routine d&apos;étalonnage est terminée, mais son résultat n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Calibration setup &quot;%1&quot; is not valid, please correct the setup and try again.</source>
        <translation>La configuration d&apos;étalonnage « %1 » n&apos;est pas valide. Corrigez la configuration et réessayez.</translation>
    </message>
    <message>
        <source>Unable to initialize the calibrator. Please check if the calibrator of type %1 is connected and switched on.</source>
        <translation>Impossible d&apos;initialiser le calibrateur. Vérifiez que le calibrateur de type %1 est connecté et sous tension.</translation>
    </message>
    <message>
        <source>Unable to select reference channel %1. Please make sure this is a valid reference channel.</source>
        <translation>Impossible de sélectionner la voie de référence %1. Vérifiez qu&apos;il s&apos;agit d&apos;une voie de référence valide.</translation>
    </message>
    <message>
        <source>The calibrator did not accept one of the calibration points. Please check the calibration setup.</source>
        <translation>Le calibrateur n&apos;a pas accepté l&apos;un des points d&apos;étalonnage. Vérifiez la configuration d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>One of the DUT channels could not be selected. Please check if the calibration setup contains only valid channels.</source>
        <translation>L&apos;une des voies DUT n&apos;a pas pu être sélectionnée. Vérifiez que la configuration d&apos;étalonnage ne contient que des voies valides.</translation>
    </message>
    <message>
        <source>Unable to read value from reference channel %1. Please check if there is a valid probe assigned and connected.</source>
        <translation>Impossible de lire la valeur de la voie de référence %1. Vérifiez qu&apos;une sonde valide est affectée et connectée.</translation>
    </message>
    <message>
        <source>Please enter a calibration routine name.</source>
        <translation>Saisissez un nom de routine d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>A calibration routine name must not be &quot;.&quot; or &quot;..&quot; nor contain any of %1</source>
        <translation>Le nom d&apos;une routine d&apos;étalonnage ne doit pas être « . » ni « .. » ni contenir l&apos;un des caractères %1</translation>
    </message>
    <message>
        <source>Please enter at least one DUT channel.</source>
        <translation>Saisissez au moins une voie DUT.</translation>
    </message>
    <message>
        <source>Please enter a value for stability.</source>
        <translation>Saisissez une valeur de stabilité.</translation>
    </message>
    <message>
        <source>Please enter a value for stability time.</source>
        <translation>Saisissez une durée de stabilité.</translation>
    </message>
    <message>
        <source>Please enter a value for hold time.</source>
        <translation>Saisissez un temps de maintien.</translation>
    </message>
    <message>
        <source>Please enter at least one calibration point.</source>
        <translation>Saisissez au moins un point d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 calibration points.</source>
        <translation>Saisissez au plus %1 points d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>Calibration point %1 °C is outside the specified range [%2 °C, %3 °C].</source>
        <translation>Le point d&apos;étalonnage %1 °C est hors de la plage spécifiée [%2 °C, %3 °C].</translation>
    </message>
    <message>
        <source>Please enter a valid IP address.</source>
        <translation>Saisissez une adresse IP valide.</translation>
    </message>
    <message>
        <source>Please enter a valid port.</source>
        <comment>TCP port for TCP/IP connection!</comment>
        <translation>Saisissez un port valide.</translation>
    </message>
    <message>
        <source>Edit routine</source>
        <translation>Modifier routine</translation>
    </message>
    <message>
        <source>Select DUT channels</source>
        <translation>Choisir voies DUT</translation>
    </message>
    <message>
        <source>Change DUT channel</source>
        <translation>Changer voie DUT</translation>
    </message>
</context>
<context>
    <name>TChannelController</name>
    <message>
        <source>Channel selection</source>
        <translation>Sélection des voies</translation>
    </message>
</context>
<context>
    <name>TChannelSelectDialog</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Aucun convertisseur USB-série trouvé. Utilisez un convertisseur à puce FTDI. Reconnecter le convertisseur peut aussi aider.</translation>
    </message>
    <message>
        <source>Please check if the calibrator is ready to communicate. If the setpoint value is blinking, please press E.</source>
        <translation>Vérifiez que le calibrateur est prêt à communiquer. Si la consigne clignote, appuyez sur E.</translation>
    </message>
</context>
<context>
    <name>TDWK46XX_Connector</name>
    <message>
        <source>No USB to serial converter found. Please make sure that a converter based on an FTDI chip is used. Reconnecting the converter might also help.</source>
        <translation>Aucun convertisseur USB-série trouvé. Utilisez un convertisseur à puce FTDI. Reconnecter le convertisseur peut aussi aider.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
</context>
<context>
    <name>TDiskSpaceController</name>
    <message>
        <source>100 % storage used</source>
        <translation>Mémoire utilisée à 100 %</translation>
    </message>
</context>
<context>
    <name>TDownloadController</name>
    <message>
        <source>There are no files available for downloading.</source>
        <translation>Aucun fichier disponible pour le téléchargement.</translation>
    </message>
    <message>
        <source>No USB stick connected!</source>
        <translation>Aucune clé USB connectée !</translation>
    </message>
    <message>
        <source>The currently measured channels do not have any custom probes assigned.</source>
        <translation>Aucune sonde personnalisée n&apos;est affectée aux voies actuellement mesurées.</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Chargement des sondes SMART...</translation>
    </message>
    <message>
        <source>There are currently no SMART probes connected to the instrument.</source>
        <translation>Aucune sonde SMART n&apos;est actuellement connectée à l&apos;appareil.</translation>
    </message>
    <message>
        <source>Error while creating file on USB device.</source>
        <translation>Erreur lors de la création du fichier sur le périphérique USB.</translation>
    </message>
    <message>
        <source>No files containing probe coefficients found.</source>
        <translation>Aucun fichier de coefficients de sonde trouvé.</translation>
    </message>
</context>
<context>
    <name>TDownloadListController</name>
    <message>
        <source>Would you like to delete the selected items?</source>
        <translation>Voulez-vous supprimer les éléments sélectionnés ?</translation>
    </message>
</context>
<context>
    <name>TDownloadProgressDialog</name>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
</context>
<context>
    <name>TFirmwareUpdaterUI</name>
    <message>
        <source>Updating from version %1 to version %2. Would you like to proceed?</source>
        <translation>Mise à jour de la version %1 vers la version %2. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Firmware update successful. A restart of the instrument will now be done.</source>
        <translation>Mise à jour du firmware réussie. L&apos;appareil va maintenant redémarrer.</translation>
    </message>
</context>
<context>
    <name>TGraphViewController</name>
    <message>
        <source>Chan.</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Graph settings</source>
        <translation>Réglages du graphique</translation>
    </message>
    <message>
        <source>Value for &quot;Max.&quot; must be greater than value for &quot;Min.&quot;!</source>
        <translation>La valeur « Max. » doit être supérieure à la valeur « Min. » !</translation>
    </message>
</context>
<context>
    <name>TIPAddressDialog</name>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Instrument serial number</source>
        <translation>N° de série de l&apos;appareil</translation>
    </message>
    <message>
        <source>Measuring serial number</source>
        <translation>N° de série du système de mesure</translation>
    </message>
    <message>
        <source>User interface serial number</source>
        <translation>N° de série de l&apos;interface</translation>
    </message>
    <message>
        <source>User interface version</source>
        <translation>Version de l&apos;interface</translation>
    </message>
    <message>
        <source>OS version</source>
        <translation>Version du SE</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version du firmware</translation>
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
        <translation>Démarre dans</translation>
    </message>
    <message>
        <source>Stops in</source>
        <translation>S&apos;arrête dans</translation>
    </message>
    <message>
        <source>Unable to write to logfile. Logger has been stopped.</source>
        <translation>Impossible d&apos;écrire dans le fichier journal. L&apos;enregistreur a été arrêté.</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Saisissez une date valide.</translation>
    </message>
    <message>
        <source>Please enter a valid time.</source>
        <translation>Saisissez une heure valide.</translation>
    </message>
    <message>
        <source>Please enter a valid duration!</source>
        <translation>Saisissez une durée valide !</translation>
    </message>
    <message>
        <source>Unable to create logfile, the logfile already exists!</source>
        <translation>Impossible de créer le fichier journal, il existe déjà !</translation>
    </message>
    <message>
        <source>Unable to create logfile.</source>
        <translation>Impossible de créer le fichier journal.</translation>
    </message>
    <message>
        <source>Please enter a valid interval!</source>
        <translation>Saisissez un intervalle valide !</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Chargement des sondes SMART...</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Temperature value</source>
        <translation>Valeur de température</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Raw value</source>
        <translation>Valeur brute</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Différence de température</translation>
    </message>
    <message>
        <source>Raw value difference</source>
        <translation>Différence de valeur brute</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sondes SMART</translation>
    </message>
    <message>
        <source>PRT probes:</source>
        <translation>Sondes PRT :</translation>
    </message>
    <message>
        <source>Thermocouple probes:</source>
        <translation>Sondes thermocouple :</translation>
    </message>
    <message>
        <source>Thermistor probes:</source>
        <translation>Sondes thermistance :</translation>
    </message>
    <message>
        <source>The selected logfile is currently in use and cannot be deleted.</source>
        <translation>Le fichier journal sélectionné est en cours d&apos;utilisation et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Would you really like to delete the selected logfile?</source>
        <translation>Voulez-vous vraiment supprimer le fichier journal sélectionné ?</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>days</extracomment>
        <translation>j</translation>
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
        <translation>Une erreur s&apos;est produite ! </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TMultiChannelViewController</name>
    <message>
        <source>Probe / Unit (Chan. %1)</source>
        <translation>Sonde / Unité (voie %1)</translation>
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
        <translation>3 fils</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fils</translation>
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
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
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
        <translation>Type de PRT : </translation>
    </message>
    <message>
        <source>Wiring: </source>
        <translation>Câblage : </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Résistance interne : </translation>
    </message>
    <message>
        <source>Standby current: </source>
        <translation>Courant de veille : </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion : </translation>
    </message>
    <message>
        <source>Excitation current</source>
        <translation>Courant de mesure</translation>
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
        <translation>Voie</translation>
    </message>
</context>
<context>
    <name>TProbeAlarmController</name>
    <message>
        <source>CAUTION! Probe %1 is operating outside the defined temperature range!</source>
        <translation>ATTENTION ! La sonde %1 fonctionne hors de la plage de température définie !</translation>
    </message>
</context>
<context>
    <name>TProbeController</name>
    <message>
        <source>This probe is not compatible with channel %1 with the current settings.</source>
        <translation>Cette sonde n&apos;est pas compatible avec la voie %1 avec les réglages actuels.</translation>
    </message>
    <message>
        <source>Would you really like to delete probe %1?</source>
        <translation>Voulez-vous vraiment supprimer la sonde %1 ?</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Probe name</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Nom de sonde</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Is reference</source>
        <comment>Header for logfile export of probe data. Indicates if the probe is a reference probe.</comment>
        <translation>Est référence</translation>
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
        <translation>Dernier étalonnage</translation>
    </message>
    <message>
        <source>Wiring</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Câblage</translation>
    </message>
    <message>
        <source>Internal resistor</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Résistance interne</translation>
    </message>
    <message>
        <source>Conversion</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>PRT type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Type de PRT</translation>
    </message>
    <message>
        <source>Standby current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Courant de veille</translation>
    </message>
    <message>
        <source>Excitation current</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Courant de mesure</translation>
    </message>
    <message>
        <source>CvD coefficient R0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient CvD R0</translation>
    </message>
    <message>
        <source>CvD coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient CvD A</translation>
    </message>
    <message>
        <source>CvD coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient CvD B</translation>
    </message>
    <message>
        <source>CvD coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient CvD C</translation>
    </message>
    <message>
        <source>ITS 90 coefficient R001</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 R001</translation>
    </message>
    <message>
        <source>ITS 90 coefficient A</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 A</translation>
    </message>
    <message>
        <source>ITS 90 coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 B</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Ap</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 Ap</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Bp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 Bp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Cp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 Cp</translation>
    </message>
    <message>
        <source>ITS 90 coefficient Dp</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient ITS-90 Dp</translation>
    </message>
    <message>
        <source>Thermocouple type</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Type de thermocouple</translation>
    </message>
    <message>
        <source>Cold junction compensation</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Compensation de soudure froide</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Voie de référence</translation>
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
        <translation>Coefficient SH A</translation>
    </message>
    <message>
        <source>SH coefficient B</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient SH B</translation>
    </message>
    <message>
        <source>SH coefficient C</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient SH C</translation>
    </message>
    <message>
        <source>Polynomial coefficient C0</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient polynomial C0</translation>
    </message>
    <message>
        <source>Polynomial coefficient C1</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient polynomial C1</translation>
    </message>
    <message>
        <source>Polynomial coefficient C2</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient polynomial C2</translation>
    </message>
    <message>
        <source>Polynomial coefficient C3</source>
        <comment>Header for logfile export of probe data</comment>
        <translation>Coefficient polynomial C3</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fils</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fils</translation>
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
        <translation>Interne</translation>
    </message>
    <message>
        <source>External</source>
        <comment>Cold junction compensation</comment>
        <translation>Externe</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>Cold junction compensation</comment>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynôme</translation>
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
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The instrument does not contain any custom probes.</source>
        <translation>L&apos;appareil ne contient aucune sonde personnalisée.</translation>
    </message>
    <message>
        <source>Could not create file.</source>
        <translation>Impossible de créer le fichier.</translation>
    </message>
    <message>
        <source>Probe name</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Nom</translation>
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
        <translation>Thermistance</translation>
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
        <translation>Thermistance Steinhart-Hart a</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart b</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance Steinhart-Hart b</translation>
    </message>
    <message>
        <source>Thermistor Steinhart-Hart c</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance Steinhart-Hart c</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c0</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance polynôme c0</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c1</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance polynôme c1</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c2</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance polynôme c2</translation>
    </message>
    <message>
        <source>Thermistor Polynomial c3</source>
        <extracomment>Probe export CSV file header</extracomment>
        <translation>Thermistance polynôme c3</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Invalid import file format. Only UTF-16 encoded files with byte order mark will be accepted!</source>
        <translation>Format de fichier d&apos;import invalide. Seuls les fichiers codés en UTF-16 avec BOM sont acceptés !</translation>
    </message>
    <message>
        <source>The import file is too large.</source>
        <translation>Le fichier d&apos;import est trop volumineux.</translation>
    </message>
    <message>
        <source>Import aborted.</source>
        <translation>Import interrompu.</translation>
    </message>
    <message>
        <source>Import finished.</source>
        <translation>Import terminé.</translation>
    </message>
    <message>
        <source>Probes created: %1. Probes updated: %2.</source>
        <translation>Sondes créées : %1. Sondes mises à jour : %2.</translation>
    </message>
    <message>
        <source>Error in line %1</source>
        <translation>Erreur à la ligne %1</translation>
    </message>
    <message>
        <source>Total error count: %1</source>
        <translation>Nombre total d&apos;erreurs : %1</translation>
    </message>
    <message>
        <source>Invalid probe name: %1</source>
        <translation>Nom de sonde invalide : %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmin: %1</source>
        <translation>Valeur invalide pour Tmin : %1</translation>
    </message>
    <message>
        <source>Invalid value for Tmax: %1</source>
        <translation>Valeur invalide pour Tmax : %1</translation>
    </message>
    <message>
        <source>Value for Tmin must be smaller than Tmax</source>
        <translation>Tmin doit être inférieure à Tmax</translation>
    </message>
    <message>
        <source>Unable to detect probe type</source>
        <translation>Type de sonde non détectable</translation>
    </message>
    <message>
        <source>Coefficients are empty.</source>
        <translation>Les coefficients sont vides.</translation>
    </message>
    <message>
        <source>Ambiguous coefficient data found.</source>
        <translation>Données de coefficients ambiguës.</translation>
    </message>
    <message>
        <source>Probe %1 already exists and has a different probe type. Dataset will be ignored.</source>
        <translation>La sonde %1 existe déjà avec un autre type de sonde. Enregistrement ignoré.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter CvD or ITS90 coefficients.</source>
        <translation>Coefficients invalides. Saisissez des coefficients CvD ou ITS90.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter thermocouple coefficients.</source>
        <translation>Coefficients invalides. Saisissez des coefficients de thermocouple.</translation>
    </message>
    <message>
        <source>Invalid coefficients found. Please enter Steinhart-Hart or polynomial coefficients.</source>
        <translation>Coefficients invalides. Saisissez des coefficients Steinhart-Hart ou polynomiaux.</translation>
    </message>
    <message>
        <source>Cannot create new probe, maximum number of probes reached.</source>
        <translation>Impossible de créer une sonde, nombre maximal de sondes atteint.</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Maximum number of probes reached. Please delete an existing probe first.</source>
        <translation>Nombre maximal de sondes atteint. Supprimez d&apos;abord une sonde existante.</translation>
    </message>
    <message>
        <source>The probe memory of the measurement board could not be read completely. No new probe can be created until the instrument has been restarted.</source>
        <translation>La mémoire des sondes de la carte de mesure n&apos;a pas pu être lue entièrement. Aucune nouvelle sonde ne peut être créée avant le redémarrage de l&apos;instrument.</translation>
    </message>
    <message>
        <source>Invalid coefficient value: %1</source>
        <translation>Valeur de coefficient invalide : %1</translation>
    </message>
</context>
<context>
    <name>TProbeEditController</name>
    <message>
        <source>Last cal.</source>
        <translation>Dern. étal.</translation>
    </message>
    <message>
        <source>Please enter a probe name.</source>
        <translation>Saisissez un nom de sonde.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmin.</source>
        <translation>Saisissez une valeur pour Tmin.</translation>
    </message>
    <message>
        <source>Please enter a value for Tmax.</source>
        <translation>Saisissez une valeur pour Tmax.</translation>
    </message>
    <message>
        <source>Tmax must be greater than Tmin.</source>
        <translation>Tmax doit être supérieure à Tmin.</translation>
    </message>
    <message>
        <source>The probe data cannot be restored due to a probe type mismatch.</source>
        <translation>Les données de sonde ne peuvent pas être restaurées : type de sonde différent.</translation>
    </message>
    <message>
        <source>The previous version of the probe data is dated %1. Would you like to restore the probe data? The restored probe data will not be updated until you store them.</source>
        <translation>La version précédente des données de sonde date du %1. Voulez-vous restaurer les données de sonde ? Les données restaurées ne seront appliquées qu&apos;après leur enregistrement.</translation>
    </message>
    <message>
        <source>WARNING: the probe name has changed since the last backup, it will be renamed to %1!</source>
        <translation>ATTENTION : le nom de la sonde a changé depuis la dernière sauvegarde, elle sera renommée en %1 !</translation>
    </message>
    <message>
        <source>The probe could not be stored on the measurement board.</source>
        <translation>La sonde n&apos;a pas pu être enregistrée sur la carte de mesure.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_PRT</name>
    <message>
        <source>Resistance thermometer</source>
        <translation>Thermomètre à résistance</translation>
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
        <translation>Sélection des voies</translation>
    </message>
    <message>
        <source>Please select a valid channel for the cold junction compensation.</source>
        <translation>Sélectionnez une voie valide pour la compensation de soudure froide.</translation>
    </message>
</context>
<context>
    <name>TProbeEditController_Thermistor</name>
    <message>
        <source>Thermistor</source>
        <translation>Thermistance</translation>
    </message>
</context>
<context>
    <name>TReciprocalChannel</name>
    <message>
        <source>Chan.</source>
        <translation>Voie</translation>
    </message>
</context>
<context>
    <name>TRemoteSettingsController</name>
    <message>
        <source>Please enter a valid IP address</source>
        <translation>Saisissez une adresse IP valide</translation>
    </message>
    <message>
        <source>Please enter a valid netmask</source>
        <translation>Saisissez un masque de réseau valide</translation>
    </message>
    <message>
        <source>Please enter a valid gateway</source>
        <translation>Saisissez une passerelle valide</translation>
    </message>
    <message>
        <source>On</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>RS232 hardware flow control</comment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>None</source>
        <comment>RS232 parity</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>RS232 parity</comment>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>RS232 parity</comment>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>RS232 parity</comment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Mark</source>
        <comment>RS232 parity</comment>
        <translation>Marque</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Ethernet - DHCP setting</comment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>The DHCP setting could not be changed. The network configuration was left as it was.</source>
        <translation>Le réglage DHCP n&apos;a pas pu être modifié. La configuration réseau est restée inchangée.</translation>
    </message>
    <message>
        <source>DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and netmask.</source>
        <translation>Le DHCP est désactivé, mais aucune adresse IPv4 de l&apos;interface n&apos;est connue. Saisissez l&apos;adresse IP et le masque de réseau.</translation>
    </message>
    <message>
        <source>The line does not take these settings and stays closed.</source>
        <translation>La ligne n&apos;accepte pas ces réglages et reste fermée.</translation>
    </message>
</context>
<context>
    <name>TScanModeController</name>
    <message>
        <source>Configuration for scanner box %1 (%2)</source>
        <translation>Configuration du boîtier scanner %1 (%2)</translation>
    </message>
    <message>
        <source>The channel configuration must at least contain two channels!</source>
        <translation>La configuration doit contenir au moins deux voies !</translation>
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
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>TSmartProbeEnablingController</name>
    <message>
        <source>SMART probes</source>
        <translation>Sondes SMART</translation>
    </message>
    <message>
        <source>Loading SMART probes...</source>
        <translation>Chargement des sondes SMART...</translation>
    </message>
    <message>
        <source>Would you like to disable probe %1?</source>
        <translation>Voulez-vous désactiver la sonde %1 ?</translation>
    </message>
    <message>
        <source>Would you like to enable probe %1?</source>
        <translation>Voulez-vous activer la sonde %1 ?</translation>
    </message>
</context>
<context>
    <name>TSmartProbePRT</name>
    <message>
        <source>WARNING: calibration of probe %1 was due on %2!</source>
        <translation>ATTENTION : l&apos;étalonnage de la sonde %1 était dû le %2 !</translation>
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
        <translation>Activée : </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Next calibration: </source>
        <translation>Prochain étalonnage : </translation>
    </message>
    <message>
        <source>Calibration source: </source>
        <translation>Source d&apos;étalonnage : </translation>
    </message>
    <message>
        <source>Internal resistor: </source>
        <translation>Résistance interne : </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion : </translation>
    </message>
    <message>
        <source>Working range: </source>
        <translation>Plage d&apos;utilisation : </translation>
    </message>
    <message>
        <source>Locked: </source>
        <translation>Verrouillée : </translation>
    </message>
</context>
<context>
    <name>TStandardProbeSettingController</name>
    <message>
        <source>Channel selection</source>
        <translation>Sélection des voies</translation>
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
        <translation>interne</translation>
    </message>
    <message>
        <source>external</source>
        <translation>externe</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>voie</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynôme</translation>
    </message>
    <message>
        <source>Thermocouple</source>
        <translation>Thermocouple</translation>
    </message>
    <message>
        <source>Thermocouple type: </source>
        <translation>Type de thermocouple : </translation>
    </message>
    <message>
        <source>Cold junction compensation: </source>
        <translation>Soudure froide : </translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion : </translation>
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
        <translation>L&apos;heure système n&apos;a pas pu être modifiée. L&apos;appareil ne sera pas redémarré.</translation>
    </message>
    <message>
        <source>The system time could not be stored in the hardware clock. The instrument will not be restarted.</source>
        <translation>L&apos;heure système n&apos;a pas pu être enregistrée dans l&apos;horloge matérielle. L&apos;appareil ne sera pas redémarré.</translation>
    </message>
    <message>
        <source>System time change successful. A restart of the instrument will now be done.</source>
        <translation>Heure système modifiée. L&apos;appareil va maintenant redémarrer.</translation>
    </message>
    <message>
        <source>Please enter a complete date and time.</source>
        <translation>Saisissez une date et une heure complètes.</translation>
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
        <translation>L&apos;appareil va être réinitialisé aux réglages d&apos;usine. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The factory calibration data could not be restored, please try again.</source>
        <translation>Les données d&apos;étalonnage d&apos;usine n&apos;ont pas pu être restaurées, réessayez.</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>The touchscreen calibration could not be reset.</source>
        <translation>L&apos;étalonnage de l&apos;écran tactile n&apos;a pas pu être réinitialisé.</translation>
    </message>
    <message>
        <source>Please restart the instrument to calibrate the touchscreen.</source>
        <translation>Redémarrez l&apos;appareil pour étalonner l&apos;écran tactile.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharg.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>New calibration routine</source>
        <translation>Nouvelle routine d&apos;étalonnage</translation>
    </message>
    <message>
        <source>New routine</source>
        <translation>Nouvelle routine</translation>
    </message>
    <message>
        <source>Configure existing routine</source>
        <translation>Modifier une routine</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>Calibration files</source>
        <translation>Fichiers d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Routine name</source>
        <translation>Nom de la routine</translation>
    </message>
    <message>
        <source>Stability [K]</source>
        <translation>Stabilité [K]</translation>
    </message>
    <message>
        <source>Hold time [min]</source>
        <translation>Maintien [min]</translation>
    </message>
    <message>
        <source>Cal. points [°C]</source>
        <translation>Points d&apos;étal. [°C]</translation>
    </message>
    <message>
        <source>DUT channels</source>
        <translation>Voies DUT</translation>
    </message>
    <message>
        <source>Reference channel</source>
        <translation>Voie de référence</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Stability time [min]</source>
        <translation>Durée stab. [min]</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Routine name</source>
        <comment>View of a stored routine</comment>
        <translation>Nom de la routine</translation>
    </message>
    <message>
        <source>Reference probe</source>
        <translation>Sonde de référence</translation>
    </message>
    <message>
        <source>Devices under test</source>
        <translation>Instruments à étalonner</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Configuration des voies</translation>
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
        <translation>tout</translation>
    </message>
    <message>
        <source>deselect all</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Current calibration data</source>
        <translation>Données actuelles</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Last cal.</source>
        <translation>Dern. étal.</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Next cal.</source>
        <translation>Proch. étal.</translation>
    </message>
    <message>
        <source>Nominal values</source>
        <translation>Valeurs nominales</translation>
    </message>
    <message>
        <source>Measured values</source>
        <translation>Valeurs mesurées</translation>
    </message>
    <message>
        <source>New calibration data</source>
        <translation>Nouvelles données</translation>
    </message>
    <message>
        <source>Offset [K]</source>
        <translation>Décalage [K]</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <comment>LblSettings_BacklightOff_shortform</comment>
        <translation>Rétroécl. off</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Chan. config</source>
        <translation>Config. voies</translation>
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
        <translation>Temps de maintien</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Selected view</source>
        <translation>Vue sélectionnée</translation>
    </message>
    <message>
        <source>Activate view</source>
        <translation>Activer la vue</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
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
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Manuel</translation>
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
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Duration time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Logfiles</source>
        <translation>Fichiers journaux</translation>
    </message>
    <message>
        <source>Screenshots</source>
        <translation>Captures d&apos;écran</translation>
    </message>
    <message>
        <source>Measured probes</source>
        <translation>Sondes mesurées</translation>
    </message>
    <message>
        <source>SMART probes</source>
        <translation>Sondes SMART</translation>
    </message>
    <message>
        <source>All probes</source>
        <translation>Toutes les sondes</translation>
    </message>
    <message>
        <source>Instrument details</source>
        <translation>Détails de l&apos;appareil</translation>
    </message>
    <message>
        <source>Download probe coefficients</source>
        <translation>Télécharger coefficients de sonde</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Import probe coefficients</source>
        <translation>Importer coefficients de sonde</translation>
    </message>
    <message>
        <source>Eject USB stick</source>
        <translation>Éjecter la clé USB</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Download selected</source>
        <translation>Télécharger la sélection</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
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
        <translation>Intervalle [s]</translation>
    </message>
    <message>
        <source>d</source>
        <comment>short for &quot;days&quot;</comment>
        <translation>j</translation>
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
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Probes</source>
        <translation>Sondes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>À distance</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Anglais (UK)</translation>
    </message>
    <message>
        <source>English (USA)</source>
        <translation>Anglais (USA)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>New probe</source>
        <translation>Nouvelle sonde</translation>
    </message>
    <message>
        <source>Resistance thermometer (PRT, SPRT)</source>
        <translation>Thermomètre à résistance (PRT, SPRT)</translation>
    </message>
    <message>
        <source>Thermocouple (TC)</source>
        <translation>Thermocouple (TC)</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistance</translation>
    </message>
    <message>
        <source>Configure existing probe</source>
        <translation>Modifier une sonde</translation>
    </message>
    <message>
        <source>List connected SMART probes</source>
        <translation>Sondes SMART connectées</translation>
    </message>
    <message>
        <source>Standard conversion PRT</source>
        <translation>Conversion standard PRT</translation>
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
        <translation>Câblage</translation>
    </message>
    <message>
        <source>4-wire</source>
        <translation>4 fils</translation>
    </message>
    <message>
        <source>3-wire</source>
        <translation>3 fils</translation>
    </message>
    <message>
        <source>Std. conv. thermistor</source>
        <translation>Conv. std thermistance</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynôme</translation>
    </message>
    <message>
        <source>Standard conversion TC</source>
        <translation>Conversion standard TC</translation>
    </message>
    <message>
        <source>IEC 584</source>
        <translation>IEC 584</translation>
    </message>
    <message>
        <source>Std. cold junction</source>
        <translation>Soudure froide std</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Interne</translation>
    </message>
    <message>
        <source>External</source>
        <translation>Externe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Default probe</source>
        <translation>Sonde par défaut</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>T min. in °C</source>
        <translation>T min. en °C</translation>
    </message>
    <message>
        <source>Probe name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Int. resistor</source>
        <translation>Résist. int.</translation>
    </message>
    <message>
        <source>T max. in °C</source>
        <translation>T max. en °C</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Probe type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Courant
de veille</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Standby current</comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Standby current</comment>
        <translation>Non</translation>
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
        <translation>Courant
de mesure</translation>
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
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cold junction</source>
        <translation>Soudure froide</translation>
    </message>
    <message>
        <source>TC polynomial</source>
        <translation>Polynôme TC</translation>
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
        <translation>Plage</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
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
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>R min. in Ω</source>
        <translation>R min. en Ω</translation>
    </message>
    <message>
        <source>R max. in Ω</source>
        <translation>R max. en Ω</translation>
    </message>
    <message>
        <source>Cal. source</source>
        <translation>Source étal.</translation>
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
        <translation>IP / Masque</translation>
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
        <translation>Masque de réseau</translation>
    </message>
    <message>
        <source>LblEthernet_Gateway_Caption</source>
        <translation>LblEthernet_Gateway_Caption</translation>
    </message>
    <message>
        <source>Ethernet - Gateway</source>
        <translation>Ethernet - Passerelle</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
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
        <translation>Débit en bauds</translation>
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
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>LblRS232_StopBit_Caption</source>
        <translation>LblRS232_StopBit_Caption</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>LblRS232_Parity_Caption</source>
        <translation>LblRS232_Parity_Caption</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>IEEE-488</source>
        <translation>IEEE-488</translation>
    </message>
    <message>
        <source>IEEE-488 address</source>
        <translation>Adresse IEEE-488</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>LblSettings_Language_shortform</comment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Sample count</source>
        <translation>Nb de mesures</translation>
    </message>
    <message>
        <source>Standard probes</source>
        <translation>Sondes standard</translation>
    </message>
    <message>
        <source>Stored probes</source>
        <translation>Sondes enregistrées</translation>
    </message>
    <message>
        <source>Select probe</source>
        <translation>Choisir la sonde</translation>
    </message>
    <message>
        <source>Select unit</source>
        <translation>Choisir l&apos;unité</translation>
    </message>
    <message>
        <source>User interface S/N:</source>
        <translation>N/S interface :</translation>
    </message>
    <message>
        <source>User interface version:</source>
        <translation>Version interface :</translation>
    </message>
    <message>
        <source>Instrument S/N:</source>
        <translation>N/S appareil :</translation>
    </message>
    <message>
        <source>Measuring system S/N:</source>
        <translation>N/S système de mesure :</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>Version firmware :</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Mémoire :</translation>
    </message>
    <message>
        <source>Instrument manufacturing date:</source>
        <translation>Date de fabrication :</translation>
    </message>
    <message>
        <source>OS version:</source>
        <translation>Version SE :</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner :</translation>
    </message>
    <message>
        <source>Customer service level</source>
        <translation>Niveau service client</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour firmware</translation>
    </message>
    <message>
        <source>Program SMART probe</source>
        <translation>Programmer sonde SMART</translation>
    </message>
    <message>
        <source>Enter ZELK service level</source>
        <translation>Accéder au niveau service ZELK</translation>
    </message>
    <message>
        <source>ZELK service level</source>
        <translation>Niveau service ZELK</translation>
    </message>
    <message>
        <source>Reset touchscreen</source>
        <translation>Réinit. écran tactile</translation>
    </message>
    <message>
        <source>Recalibration cycle</source>
        <translation>Cycle de réétalonnage</translation>
    </message>
    <message>
        <source>Operating time</source>
        <translation>Durée de fonctionnement</translation>
    </message>
    <message>
        <source>Instrument calibration</source>
        <translation>Étalonnage de l&apos;appareil</translation>
    </message>
    <message>
        <source>Leave ZELK service level</source>
        <translation>Quitter le niveau service ZELK</translation>
    </message>
    <message>
        <source>User interface</source>
        <translation>Interface utilisateur</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Look for new version</source>
        <translation>Rechercher MAJ</translation>
    </message>
    <message>
        <source>Apply update</source>
        <translation>Installer MAJ</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Calibration item</source>
        <translation>Point d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Backlight-Off</source>
        <translation>Rétroéclairage off</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Average value</source>
        <translation>Valeur moyenne</translation>
    </message>
    <message>
        <source>Std. probe settings</source>
        <comment>LblSettings_StandardProbeSettings_shortform</comment>
        <translation>Réglages sondes std</translation>
    </message>
    <message>
        <source>Standard probe settings</source>
        <translation>Réglages des sondes standard</translation>
    </message>
    <message>
        <source>Alarm for probes</source>
        <translation>Alarme des sondes</translation>
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
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>Keystroke sound</source>
        <translation>Son des touches</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son d&apos;alarme</translation>
    </message>
    <message>
        <source>. (point)</source>
        <translation>. (point)</translation>
    </message>
    <message>
        <source>, (comma)</source>
        <translation>, (virgule)</translation>
    </message>
    <message>
        <source>Recal. cycle (months)</source>
        <translation>Cycle de réétal. (mois)</translation>
    </message>
    <message>
        <source>Next calibration</source>
        <translation>Prochain étalonnage</translation>
    </message>
    <message>
        <source>10 kΩ ref.</source>
        <translation>Réf. 10 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 3</source>
        <translation>CJC voie 3</translation>
    </message>
    <message>
        <source>TC chan. 4</source>
        <translation>TC voie 4</translation>
    </message>
    <message>
        <source>TC chan. 3</source>
        <translation>TC voie 3</translation>
    </message>
    <message>
        <source>100 Ω ref.</source>
        <translation>Réf. 100 Ω</translation>
    </message>
    <message>
        <source>25 Ω ref.</source>
        <translation>Réf. 25 Ω</translation>
    </message>
    <message>
        <source>100 kΩ ref.</source>
        <translation>Réf. 100 kΩ</translation>
    </message>
    <message>
        <source>CJC chan. 4</source>
        <translation>CJC voie 4</translation>
    </message>
    <message>
        <source>TC ext. chan.</source>
        <translation>TC voie ext.</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Figer</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Crête</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>The instrument is currently in remote mode. Would you like to change to local mode? WARNING: any pending commands will be cancelled.</source>
        <translation>L&apos;appareil est actuellement en mode distant. Voulez-vous passer en mode local ? ATTENTION : toutes les commandes en attente seront annulées.</translation>
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
        <translation>Impossible de démarrer le mode scan. Sélectionnez au moins deux voies.</translation>
    </message>
    <message>
        <source>25 Ω internal resistor</source>
        <translation>Résistance interne 25 Ω</translation>
    </message>
    <message>
        <source>100 Ω internal resistor</source>
        <translation>Résistance interne 100 Ω</translation>
    </message>
    <message>
        <source>10 kΩ internal resistor</source>
        <translation>Résistance interne 10 kΩ</translation>
    </message>
    <message>
        <source>100 kΩ internal resistor</source>
        <translation>Résistance interne 100 kΩ</translation>
    </message>
    <message>
        <source>TC channel 3</source>
        <translation>TC voie 3</translation>
    </message>
    <message>
        <source>TC channel 4</source>
        <translation>TC voie 4</translation>
    </message>
    <message>
        <source>Instrument calibration cannot be done while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>L&apos;étalonnage de l&apos;appareil est impossible en mode scan. Voulez-vous quitter le mode scan ?</translation>
    </message>
    <message>
        <source>Calibration data are incomplete. Please make sure that both calibration points have been measured!</source>
        <translation>Les données d&apos;étalonnage sont incomplètes. Vérifiez que les deux points d&apos;étalonnage ont été mesurés !</translation>
    </message>
    <message>
        <source>The calibration data could not be stored, please try again.</source>
        <translation>Les données d&apos;étalonnage n&apos;ont pas pu être enregistrées, réessayez.</translation>
    </message>
    <message>
        <source>Calibration incomplete. Please make sure that the calibration point has been measured!</source>
        <translation>Étalonnage incomplet. Vérifiez que le point d&apos;étalonnage a été mesuré !</translation>
    </message>
    <message>
        <source>Calibration data saved.</source>
        <translation>Données d&apos;étalonnage enregistrées.</translation>
    </message>
    <message>
        <source>No connected USB stick found.</source>
        <translation>Aucune clé USB connectée.</translation>
    </message>
    <message>
        <source>Directory &quot;%1&quot; not found on USB stick. The new firmware files have to be located there.</source>
        <translation>Répertoire « %1 » introuvable sur la clé USB. Les nouveaux fichiers de firmware doivent s&apos;y trouver.</translation>
    </message>
    <message>
        <source>No firmware files found in folder &quot;%1&quot;.</source>
        <translation>Aucun fichier de firmware trouvé dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Multiple firmware files found. Please make sure that there is only one firmware version on the USB stick.</source>
        <translation>Plusieurs fichiers de firmware trouvés. Vérifiez qu&apos;une seule version de firmware se trouve sur la clé USB.</translation>
    </message>
    <message>
        <source>The detected firmware is not a valid %1 user interface firmware.</source>
        <translation>Le firmware détecté n&apos;est pas un firmware d&apos;interface %1 valide.</translation>
    </message>
    <message>
        <source>No checksum file found.</source>
        <translation>Aucun fichier de somme de contrôle trouvé.</translation>
    </message>
    <message>
        <source>Error while copying the firmware files. Please try again.</source>
        <translation>Erreur lors de la copie des fichiers de firmware. Réessayez.</translation>
    </message>
    <message>
        <source>Cannot open firmware file. Please try again.</source>
        <translation>Impossible d&apos;ouvrir le fichier de firmware. Réessayez.</translation>
    </message>
    <message>
        <source>Cannot open checksum file. Please try again.</source>
        <translation>Impossible d&apos;ouvrir le fichier de somme de contrôle. Réessayez.</translation>
    </message>
    <message>
        <source>The checksum of the firmware file is not correct. Please check if the right checksum file is used and then try again.</source>
        <translation>La somme de contrôle du fichier de firmware est incorrecte. Vérifiez que le bon fichier de somme de contrôle est utilisé, puis réessayez.</translation>
    </message>
    <message>
        <source>SMART probe programming successful.</source>
        <translation>Programmation de la sonde SMART réussie.</translation>
    </message>
    <message>
        <source>SMART probes cannot be programmed while the scan mode is active. Would you like to leave the scan mode?</source>
        <translation>Les sondes SMART ne peuvent pas être programmées en mode scan. Voulez-vous quitter le mode scan ?</translation>
    </message>
    <message>
        <source>There is no SMART probe connected to the selected channel. Please select the channel in the home screen where the SMART probe to be programmed is connected.</source>
        <translation>Aucune sonde SMART n&apos;est connectée à la voie sélectionnée. Sélectionnez dans l&apos;écran d&apos;accueil la voie à laquelle est connectée la sonde SMART à programmer.</translation>
    </message>
    <message>
        <source>Please enter a probe name!</source>
        <translation>Saisissez un nom de sonde !</translation>
    </message>
    <message>
        <source>Please select an internal resistor!</source>
        <translation>Sélectionnez une résistance interne !</translation>
    </message>
    <message>
        <source>Please select a temperature conversion standard!</source>
        <translation>Sélectionnez une norme de conversion de température !</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. The SMART probe is no longer connected.</source>
        <translation>Une erreur s&apos;est produite lors de la programmation de la sonde SMART. La sonde SMART n&apos;est plus connectée.</translation>
    </message>
    <message>
        <source>An error occurred while programming the SMART probe. Please check the displayed probe data and try again.</source>
        <translation>Une erreur s&apos;est produite lors de la programmation de la sonde SMART. Vérifiez les données de sonde affichées et réessayez.</translation>
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
        <translation>Le fichier de réglages n&apos;a pas pu être lu ; l&apos;appareil utilise ses réglages d&apos;usine. Le fichier endommagé a été conservé sous %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
</context>
<context>
    <name>TThermistorProbe</name>
    <message>
        <source>none</source>
        <comment>conversion</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Steinhart-Hart</source>
        <translation>Steinhart-Hart</translation>
    </message>
    <message>
        <source>Polynomial</source>
        <translation>Polynôme</translation>
    </message>
    <message>
        <source>Thermistor</source>
        <translation>Thermistance</translation>
    </message>
    <message>
        <source>Conversion: </source>
        <translation>Conversion : </translation>
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
        <translation>La valeur nominale doit être %1</translation>
    </message>
    <message>
        <source>Please enter a nominal value for the %1 calibration point.</source>
        <translation>Saisissez une valeur nominale pour le point d&apos;étalonnage %1.</translation>
    </message>
    <message>
        <source>Please connect external reference %1 to channel %2 and press OK to continue.</source>
        <translation>Connectez la référence externe %1 à la voie %2 et appuyez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>The instrument could not produce a valid measuring result. Calibration will be aborted.</source>
        <translation>L&apos;appareil n&apos;a pas pu fournir de résultat de mesure valide. L&apos;étalonnage va être interrompu.</translation>
    </message>
</context>
<context>
    <name>TUnitSelectionProvider</name>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
</context>
</TS>
